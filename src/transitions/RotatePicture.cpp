#include "transitions/RotatePicture.h"

#include "raster/FastPaths.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

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

int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

// The columns j (within [lo, hi)) with 0 <= start + j * step <= last, as [lo, hi).
void Narrow(int64_t start, int64_t step, int64_t last, int64_t& lo, int64_t& hi)
{
    if (step == 0) {
        if (start < 0 || start > last)
            hi = lo;
        return;
    }
    const int64_t a = step > 0 ? CeilDiv(-start, step) : CeilDiv(last - start, step);
    const int64_t b = step > 0 ? FloorDiv(last - start, step) : FloorDiv(-start, step);
    lo = std::max(lo, a);
    hi = std::min(hi, b + 1);
}

void RotateTiled(Bitmap& display, const Bitmap& picture, const Rotation& t)
{
    // Each row's source runs along a straight line, so the columns whose source lies
    // inside the picture are one run; find it once per row, then copy without tests.
    std::vector<int> first(size_t(t.H)), last(size_t(t.H));
    for (int r = 0; r < t.H; ++r) {
        int64_t lo = 0, hi = t.W;
        Narrow(t.SourceX(t.U(0), t.V(r)), t.c, (int64_t(t.W) << 16) - 1, lo, hi);
        Narrow(t.SourceY(t.U(0), t.V(r)), t.s, (int64_t(t.H) << 16) - 1, lo, hi);
        first[size_t(r)] = int(lo);
        last[size_t(r)] = int(std::max(lo, hi));
    }
    constexpr int kTileRows = 32, kTileColumns = 256;
    const Pixel* bottomRow = picture.Row(t.H - 1);
    const std::ptrdiff_t upward = -std::ptrdiff_t(t.W); // a row up in the source, in pixels
    for (int r0 = 0; r0 < t.H; r0 += kTileRows) {
        const int r1 = std::min(r0 + kTileRows, t.H);
        for (int j0 = 0; j0 < t.W; j0 += kTileColumns) {
            const int j1 = std::min(j0 + kTileColumns, t.W);
            for (int r = r0; r < r1; ++r) {
                const int lo = std::max(j0, first[size_t(r)]), hi = std::min(j1, last[size_t(r)]);
                if (lo >= hi)
                    continue;
                Pixel* out = display.Row(r);
                // (x + Cx 2^16) >> 16 = (x >> 16) + Cx, so the pivot rides in the accumulators.
                int64_t ax = t.SourceX(t.U(lo), t.V(r)), ay = t.SourceY(t.U(lo), t.V(r));
                for (int j = lo; j < hi; ++j, ax += t.c, ay += t.s)
                    out[j] = bottomRow[std::ptrdiff_t(ay >> 16) * upward + std::ptrdiff_t(ax >> 16)];
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
