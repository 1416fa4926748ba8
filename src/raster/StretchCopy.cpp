#include "raster/StretchCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vm {
namespace {

// One axis of a copy: destination pixels [first, last) of dst, each mapped to a source index.
struct AxisMap {
    int first = 0;
    int last = 0;
    int64_t dstStart = 0; // leftmost destination pixel of the whole copy
    int64_t srcStart = 0; // leftmost source pixel
    int64_t n = 1;        // destination length
    int64_t m = 1;        // source length
    bool mirrored = false;

    int64_t SourceOf(int64_t d) const
    {
        const int64_t k = d - dstStart;
        const int64_t j = ((2 * k + 1) * m) / (2 * n);
        return srcStart + (mirrored ? m - 1 - j : j);
    }
    bool IsShift() const { return n == m && !mirrored; }
};

// Builds the map and trims it to the pixels inside both bitmaps; false when nothing is left.
bool MakeAxis(int o, int e, int so, int se, int dstSize, int srcSize, AxisMap& a)
{
    if (e == 0 || se == 0)
        return false;
    a.dstStart = e > 0 ? int64_t(o) : int64_t(o) + e;
    a.srcStart = se > 0 ? int64_t(so) : int64_t(so) + se;
    a.n = e > 0 ? e : -int64_t(e);
    a.m = se > 0 ? se : -int64_t(se);
    a.mirrored = (e > 0) != (se > 0);
    const int64_t lo = std::max<int64_t>(a.dstStart, 0);
    const int64_t hi = std::min<int64_t>(a.dstStart + a.n, dstSize);
    if (lo >= hi)
        return false;
    // Samples are monotonic in d, so those inside src form one run: find its ends.
    auto firstWhere = [&](auto pred) {
        int64_t l = lo, h = hi;
        while (l < h) {
            const int64_t mid = l + (h - l) / 2;
            if (pred(a.SourceOf(mid)))
                h = mid;
            else
                l = mid + 1;
        }
        return l;
    };
    const int64_t size = srcSize;
    const int64_t first = a.mirrored ? firstWhere([&](int64_t s) { return s < size; })
                                     : firstWhere([](int64_t s) { return s >= 0; });
    const int64_t last = a.mirrored ? firstWhere([](int64_t s) { return s < 0; })
                                    : firstWhere([&](int64_t s) { return s >= size; });
    if (first >= last)
        return false;
    a.first = int(first);
    a.last = int(last);
    return true;
}

// Row order and reading for a copy within one bitmap: each row is read (through a
// row buffer) before it is written, and rows are visited so that no row is written
// before every row that reads it has been read.
enum class Order { TopDown, BottomUp };

void CopyRows(Bitmap& dst, const AxisMap& ax, const AxisMap& ay, const Bitmap& src, Order order, bool sameBitmap)
{
    const int count = ax.last - ax.first;
    const size_t bytes = size_t(count) * sizeof(Pixel);
    const bool shift = ax.IsShift();
    std::vector<int> xmap;
    int srcLeft = 0, srcRight = 0; // the source columns one row reads
    if (!shift) {
        xmap.resize(size_t(count));
        for (int i = 0; i < count; ++i)
            xmap[size_t(i)] = int(ax.SourceOf(ax.first + i));
        srcLeft = std::min(xmap.front(), xmap.back());
        srcRight = std::max(xmap.front(), xmap.back()) + 1;
        if (sameBitmap)
            for (int& x : xmap)
                x -= srcLeft;
    }
    std::vector<Pixel> rowBuffer(sameBitmap && !shift ? size_t(srcRight - srcLeft) : 0);
    const int sx = shift ? int(ax.SourceOf(ax.first)) : 0;
    int previousSource = -1, previousRow = -1;
    const bool down = order == Order::TopDown;
    for (int y = down ? ay.first : ay.last - 1; down ? y < ay.last : y >= ay.first; y += down ? 1 : -1) {
        const int sy = int(ay.SourceOf(y));
        Pixel* out = dst.Row(y) + ax.first;
        if (sy == previousSource) { // a repeated row: the row just written already holds it
            std::memcpy(out, dst.Row(previousRow) + ax.first, bytes);
        } else if (shift) {
            std::memmove(out, src.Row(sy) + sx, bytes);
        } else {
            const Pixel* in = src.Row(sy);
            if (sameBitmap) {
                std::memcpy(rowBuffer.data(), in + srcLeft, rowBuffer.size() * sizeof(Pixel));
                in = rowBuffer.data();
            }
            for (int i = 0; i < count; ++i)
                out[i] = in[xmap[size_t(i)]];
        }
        previousSource = sy;
        previousRow = y;
    }
}

} // namespace

void StretchBlt(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy, int sw, int sh)
{
    AxisMap ax, ay;
    if (!MakeAxis(dx, dw, sx, sw, dst.Width(), src.Width(), ax) ||
        !MakeAxis(dy, dh, sy, sh, dst.Height(), src.Height(), ay))
        return;
    if (&dst != &src) {
        CopyRows(dst, ax, ay, src, Order::TopDown, false);
        return;
    }
    // Within one bitmap: rows that move up are copied top-down, rows that move down
    // bottom-up. s(y) - y is monotonic, so its two ends tell the direction.
    if (!ay.mirrored) {
        const int64_t a = ay.SourceOf(ay.first) - ay.first;
        const int64_t b = ay.SourceOf(ay.last - 1) - (ay.last - 1);
        if (std::min(a, b) >= 0) {
            CopyRows(dst, ax, ay, src, Order::TopDown, true);
            return;
        }
        if (std::max(a, b) <= 0) {
            CopyRows(dst, ax, ay, src, Order::BottomUp, true);
            return;
        }
    }
    const Bitmap copy = src; // rows both gather and spread: read them all first
    CopyRows(dst, ax, ay, copy, Order::TopDown, false);
}

void StretchCopy(Bitmap& dst, const Rect& D, const Bitmap& src, const Rect& S)
{
    if (D.IsEmpty() || S.IsEmpty())
        return;
    StretchBlt(dst, D.Left, D.Top, D.Width(), D.Height(), src, S.Left, S.Top, S.Width(), S.Height());
}

void CopyRect(Bitmap& dst, const Rect& D, const Bitmap& src, const Rect& S)
{
    StretchCopy(dst, {D.Left, D.Top, D.Left + S.Width(), D.Top + S.Height()}, src, S);
}

} // namespace vm
