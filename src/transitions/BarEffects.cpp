// Styles 60-64, 71-75 and 86-99: bars five pixels thick, where every other bar runs
// ahead and the ones between follow; rows, columns, or both (criss-cross).
#include "transitions/BarsRegion.h"
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"

namespace vm {

Region BarsRegion(int A, int B, int W, int H, int Band, int HKind, int VKind)
{
    std::vector<Rect> bars;
    if (HKind != 0) {
        if (W < A) { // second pass: the even rows whole, the odd rows growing
            for (int y = 5; y < H + 5; y += 10) {
                bars.push_back({0, y - 5, W, y});
                if (HKind == 1 || HKind == 4)
                    bars.push_back({2 * W - A, y, W, y + 5});
                else if (HKind == 2 || HKind == 5)
                    bars.push_back({0, y, A - W, y + 5});
            }
        } else { // first pass: the even rows growing (kind 3: the odd rows too, from the other side)
            if (W < A + Band)
                A = W; // snap to full width within a band of it
            for (int y = 0; y < H + 5; y += 10) {
                if (HKind == 1 || HKind == 5) {
                    bars.push_back({W - A, y, W, y + 5});
                } else if (HKind == 2 || HKind == 4) {
                    bars.push_back({0, y, A, y + 5});
                } else if (HKind == 3) {
                    bars.push_back({0, y + 5, A, y + 10});
                    bars.push_back({W - A, y, W, y + 5});
                }
            }
        }
    }
    if (VKind != 0) {
        if (B > H) {
            for (int x = 5; x < W + 5; x += 10) {
                bars.push_back({x - 5, 0, x, H});
                if (VKind == 1 || VKind == 4)
                    bars.push_back({x, 2 * H - B, x + 5, H});
                else if (VKind == 2 || VKind == 5)
                    bars.push_back({x, 0, x + 5, B - H});
            }
        } else {
            if (B + Band > H)
                B = H;
            for (int x = 0; x < W + 5; x += 10) {
                if (VKind == 1 || VKind == 5) {
                    bars.push_back({x, H - B, x + 5, H});
                } else if (VKind == 2 || VKind == 4) {
                    bars.push_back({x, 0, x + 5, B});
                } else if (VKind == 3) {
                    bars.push_back({x, H - B, x + 5, H});
                    bars.push_back({x + 5, 0, x + 10, B});
                }
            }
        }
    }
    return Region::UnionOf(bars, {0, 0, W, H});
}

namespace {

// A = a times X, B = b times Y; the band is S or none.
struct BarsMember {
    int style;
    int a, b;
    bool band;
    int hKind, vKind;
};

constexpr BarsMember kBars[] = {
    {60, 2, 0, true, 1, 0},  {61, 2, 0, true, 2, 0},  {62, 2, 0, true, 4, 0},  {63, 2, 0, true, 5, 0},
    {64, 1, 0, false, 3, 0}, {71, 0, 2, true, 0, 1},  {72, 0, 2, true, 0, 2},  {73, 0, 2, true, 0, 4},
    {74, 0, 2, true, 0, 5},  {75, 0, 1, false, 0, 3}, {86, 2, 2, true, 1, 1},  {87, 2, 2, true, 1, 2},
    {88, 2, 2, true, 2, 1},  {89, 2, 2, true, 2, 2},  {90, 2, 2, true, 4, 4},  {91, 2, 2, true, 4, 5},
    {92, 2, 2, true, 5, 4},  {93, 2, 2, true, 5, 5},  {94, 1, 1, true, 1, 3},  {95, 1, 1, true, 2, 3},
    {96, 1, 1, true, 3, 1},  {97, 1, 1, true, 3, 2},  {98, 1, 1, false, 3, 3},
};

template <size_t K>
void DrawBars(EffectFrame& f)
{
    constexpr BarsMember m = kBars[K];
    f.RevealThrough(BarsRegion(m.a * f.X, m.b * f.Y, f.W, f.H, m.band ? f.S : 0, m.hKind, m.vKind));
}

// Style 99: where the bars from the bottom right and those from the top left meet.
void CrissCrossFromBottomLeftTopRight(EffectFrame& f)
{
    f.RevealThrough(Intersect(BarsRegion(2 * f.X, 2 * f.Y, f.W, f.H, f.S, 1, 1),
                              BarsRegion(2 * f.X, 2 * f.Y, f.W, f.H, f.S, 2, 2)));
}

template <size_t... K>
constexpr auto BarsProcs(std::index_sequence<K...>)
{
    return std::array{NumberedEffect{kBars[K].style, &RunFrame<DrawBars<K>>}...,
                      NumberedEffect{99, &RunFrame<CrissCrossFromBottomLeftTopRight>}};
}

constinit const auto kBarEffects = BarsProcs(std::make_index_sequence<std::size(kBars)>{});

} // namespace

std::span<const NumberedEffect> BarEffects() { return kBarEffects; }

} // namespace vm
