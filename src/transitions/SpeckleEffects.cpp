// Styles 123-126: a straight front with a zone of random square cells ahead of it,
// denser near the front, drawn anew every frame.
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"
#include "transitions/SpeckleRegion.h"
#include "util/Random.h"

#include <algorithm>
#include <vector>

namespace vm {
namespace {

struct Zone {
    int f; // cell size
    int n; // cells across the zone
    int t; // cells in the nearer three quarters
};

Zone ZoneOf(int extent, int side)
{
    const int z = extent < side ? side / 10 : 0;
    const int f = std::max(z / 20, 2);
    return {f, z / f, (3 * z / f) / 4};
}

// Cell i ahead of the front: with probability min(1, 2/i) near it, 1/i beyond.
bool CellShown(int i, const Zone& zone) { return Random::Next(i) <= (i <= zone.t ? 1 : 0); }

} // namespace

Region SpeckleRegion(int A, int B, int W, int H, int HKind, int VKind)
{
    std::vector<Rect> cells;
    if (HKind != 0) {
        const Zone zone = ZoneOf(A, W);
        const int f = zone.f;
        for (int y = 0; y < H; y += f / 2) { // bands of height f overlapping by half
            if (HKind == 1) {
                cells.push_back({W - A, y, W, y + f});
                for (int i = zone.n; i >= 1; --i) {
                    const int x0 = W - A - i * f;
                    if (CellShown(i, zone))
                        cells.push_back({x0, y, x0 + f, y + f});
                }
            } else {
                cells.push_back({0, y, A, y + f});
                for (int i = zone.n; i >= 1; --i)
                    if (CellShown(i, zone))
                        cells.push_back({A + (i - 1) * f, y, A + i * f, y + f});
            }
        }
    }
    if (VKind != 0) {
        const Zone zone = ZoneOf(B, H);
        const int f = zone.f;
        for (int x = 0; x < W; x += f / 2) {
            if (VKind == 1) {
                cells.push_back({x, H - B, x + f, H});
                for (int i = zone.n; i >= 1; --i) {
                    const int y0 = H - B - i * f;
                    if (CellShown(i, zone))
                        cells.push_back({x, y0, x + f, y0 + f});
                }
            } else {
                cells.push_back({x, 0, x + f, B});
                for (int i = zone.n; i >= 1; --i)
                    if (CellShown(i, zone))
                        cells.push_back({x, B + (i - 1) * f, x + f, B + i * f});
            }
        }
    }
    return Region::UnionOf(cells, {0, 0, W, H});
}

namespace {

constexpr NumberedDraw kSpeckles[] = {
    {123, [](EffectFrame& f) { f.RevealThrough(SpeckleRegion(f.X, f.Y, f.W, f.H, 1, 0)); }},
    {124, [](EffectFrame& f) { f.RevealThrough(SpeckleRegion(f.X, f.Y, f.W, f.H, 2, 0)); }},
    {125, [](EffectFrame& f) { f.RevealThrough(SpeckleRegion(f.X, f.Y, f.W, f.H, 0, 1)); }},
    {126, [](EffectFrame& f) { f.RevealThrough(SpeckleRegion(f.X, f.Y, f.W, f.H, 0, 2)); }},
};

constinit const auto kSpeckleEffects = NumberedProcsOf<kSpeckles>(std::make_index_sequence<std::size(kSpeckles)>{});

} // namespace

std::span<const NumberedEffect> SpeckleEffects() { return kSpeckleEffects; }

} // namespace vm
