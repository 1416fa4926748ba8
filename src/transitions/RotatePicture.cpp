#include "transitions/RotatePicture.h"

#include "raster/FastPaths.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace vm {
namespace {

struct Rotation {
    int W, H, Cx, Cy;
    int64_t c, s; // 16.16

    // Source of destination column j, row r from the top, in 16.16 with the pivot added.
    int64_t SourceX(int64_t u, int64_t v) const { return u * c - v * s + (int64_t(Cx) << 16); }
    int64_t SourceY(int64_t u, int64_t v) const { return u * s + v * c + (int64_t(Cy) << 16); }
    int64_t U(int j) const { return int64_t(j) + 1 - Cx; }
    int64_t V(int r) const { return int64_t(H) - r - Cy; }
};

void RotatePlain(Bitmap& display, const Bitmap& picture, const Rotation& t)
{
    for (int r = 0; r < t.H; ++r)
        for (int j = 0; j < t.W; ++j) {
            const int64_t u = t.U(j), v = t.V(r);
            const int64_t sx = t.Cx + ((u * t.c - v * t.s) >> 16);
            const int64_t sy = t.Cy + ((u * t.s + v * t.c) >> 16);
            if (sx >= 0 && sx < t.W && sy >= 0 && sy < t.H)
                display.Row(r)[j] = picture.Row(int(t.H - 1 - sy))[sx];
        }
}

void RotateTiled(Bitmap& display, const Bitmap& picture, const Rotation& t)
{
    constexpr int kTile = 64;
    const uint64_t W = uint64_t(t.W), H = uint64_t(t.H);
    const Pixel* bottomRow = picture.Row(t.H - 1);
    const std::ptrdiff_t upward = -std::ptrdiff_t(t.W); // a row up in the source, in pixels
    for (int r0 = 0; r0 < t.H; r0 += kTile) {
        const int r1 = std::min(r0 + kTile, t.H);
        for (int j0 = 0; j0 < t.W; j0 += kTile) {
            const int j1 = std::min(j0 + kTile, t.W);
            for (int r = r0; r < r1; ++r) {
                Pixel* out = display.Row(r);
                // (x + Cx 2^16) >> 16 = (x >> 16) + Cx, so the pivot rides in the accumulators.
                int64_t ax = t.SourceX(t.U(j0), t.V(r)), ay = t.SourceY(t.U(j0), t.V(r));
                for (int j = j0; j < j1; ++j, ax += t.c, ay += t.s) {
                    const uint64_t sx = uint64_t(ax >> 16), sy = uint64_t(ay >> 16);
                    if (sx < W && sy < H) // negatives wrap to huge values
                        out[j] = bottomRow[std::ptrdiff_t(sy) * upward + std::ptrdiff_t(sx)];
                }
            }
        }
    }
}

} // namespace

void RotatePicture(Bitmap& Display, const Bitmap& Picture, int Cx, int Cy, double a)
{
    if (Display.Width() != Picture.Width() || Display.Height() != Picture.Height() || Picture.IsEmpty())
        return;
    const Rotation t{Picture.Width(), Picture.Height(), Cx, Cy, int64_t(std::trunc(65536 * std::cos(-a))),
                     int64_t(std::trunc(65536 * std::sin(-a)))};
    if (FastPathsEnabled())
        RotateTiled(Display, Picture, t);
    else
        RotatePlain(Display, Picture, t);
}

} // namespace vm
