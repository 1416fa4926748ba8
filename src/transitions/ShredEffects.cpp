// Styles 65-68, 76-79 and 100-109: the frame cut into strips whose ragged ends
// jitter around the front, with fresh random numbers every frame.
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"
#include "transitions/ShredRegion.h"
#include "util/Random.h"

#include <vector>

namespace vm {

Region ShredRegion(int A, int B, int W, int H, int HKind, int VKind)
{
    std::vector<Rect> strips;
    if (HKind != 0) {
        const int c = A < W ? W / 7 : 0; // at full extent the ends are straight
        for (int y = 0; y < H; y += 5) {
            const int bottom = y + 5 + H % 5;
            const int r1 = Random::Next(c), r2 = Random::Next(c);
            switch (HKind) {
            case 1: strips.push_back({r1 + W - A - r2, y, W, bottom}); break;
            case 2: strips.push_back({0, y, r1 + A - r2, bottom}); break;
            case 3: {
                strips.push_back({(r1 + W - A - r2) / 2, y, W / 2, bottom});
                const int r3 = Random::Next(c), r4 = Random::Next(c);
                strips.push_back({W / 2, y, (r3 + W + A - r4) / 2, bottom});
                break;
            }
            default: {
                strips.push_back({W - (r1 + A - r2) / 2, y, W, bottom});
                const int r3 = Random::Next(c), r4 = Random::Next(c);
                strips.push_back({0, y, (r3 + A - r4) / 2, bottom});
            }
            }
        }
    }
    if (VKind != 0) {
        const int c = B < H ? H / 7 : 0;
        for (int x = 0; x < W; x += 5) {
            const int right = x + 5 + W % 5;
            const int r1 = Random::Next(c), r2 = Random::Next(c);
            switch (VKind) {
            case 1: strips.push_back({x, r1 + H - B - r2, right, H}); break;
            case 2: strips.push_back({x, 0, right, r1 + B - r2}); break;
            case 3: {
                strips.push_back({x, (r1 + H - B - r2) / 2, right, H / 2});
                const int r3 = Random::Next(c), r4 = Random::Next(c);
                strips.push_back({x, H / 2, right, (r3 + H + B - r4) / 2});
                break;
            }
            default: {
                strips.push_back({x, H - (r1 + B - r2) / 2, right, H});
                const int r3 = Random::Next(c), r4 = Random::Next(c);
                strips.push_back({x, 0, right, (r3 + B - r4) / 2});
            }
            }
        }
    }
    return Region::UnionOf(strips, {0, 0, W, H});
}

namespace {

// A is X or 0, B is Y or 0.
struct ShredMember {
    int style;
    bool rows, columns;
    int hKind, vKind;
};

constexpr ShredMember kShreds[] = {
    {65, true, false, 1, 0},  {66, true, false, 2, 0},  {67, true, false, 3, 0}, {68, true, false, 4, 0},
    {76, false, true, 0, 1},  {77, false, true, 0, 2},  {78, false, true, 0, 3}, {79, false, true, 0, 4},
    {100, true, true, 1, 1},  {101, true, true, 1, 2},  {102, true, true, 2, 1}, {103, true, true, 2, 2},
    {104, true, true, 1, 3},  {105, true, true, 2, 3},  {106, true, true, 3, 1}, {107, true, true, 3, 2},
    {108, true, true, 3, 3},  {109, true, true, 4, 4},
};

template <size_t K>
void DrawShred(EffectFrame& f)
{
    constexpr ShredMember m = kShreds[K];
    f.RevealThrough(ShredRegion(m.rows ? f.X : 0, m.columns ? f.Y : 0, f.W, f.H, m.hKind, m.vKind));
}

template <size_t... K>
constexpr auto ShredProcs(std::index_sequence<K...>)
{
    return std::array{NumberedEffect{kShreds[K].style, &RunFrame<DrawShred<K>>}...};
}

constinit const auto kShredEffects = ShredProcs(std::make_index_sequence<std::size(kShreds)>{});

} // namespace

std::span<const NumberedEffect> ShredEffects() { return kShredEffects; }

} // namespace vm
