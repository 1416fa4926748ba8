#include "raster/Region.h"

#include "raster/FastPaths.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vm {

// Appends bands in top-to-bottom order, merging a band into the one above when
// they touch and hold the same spans.
class RegionBuilder {
public:
    void Add(int top, int bottom, std::span<const Region::Span> spans)
    {
        if (top >= bottom || spans.empty())
            return;
        auto& bands = region_.bands_;
        auto& all = region_.spans_;
        if (!bands.empty()) {
            Region::Band& last = bands.back();
            if (last.bottom == top && last.spanCount == spans.size() &&
                std::equal(spans.begin(), spans.end(), all.begin() + last.firstSpan)) {
                last.bottom = bottom;
                return;
            }
        }
        bands.push_back({top, bottom, uint32_t(all.size()), uint32_t(spans.size())});
        all.insert(all.end(), spans.begin(), spans.end());
    }
    Region Take() { return std::move(region_); }

private:
    Region region_;
};

namespace {

using Span = Region::Span;

// Merges two span lists by a Boolean rule on (inside a, inside b).
template <typename Op>
void CombineSpans(std::span<const Span> a, std::span<const Span> b, Op op, std::vector<Span>& out)
{
    out.clear();
    size_t i = 0, j = 0;
    bool inA = false, inB = false, inOut = false;
    int start = 0;
    constexpr int kNone = INT32_MAX;
    while (true) {
        const int xa = i < a.size() ? (inA ? a[i].right : a[i].left) : kNone;
        const int xb = j < b.size() ? (inB ? b[j].right : b[j].left) : kNone;
        const int x = std::min(xa, xb);
        if (x == kNone)
            break;
        if (xa == x) {
            if (inA)
                ++i;
            inA = !inA;
        }
        if (xb == x) {
            if (inB)
                ++j;
            inB = !inB;
        }
        const bool now = op(inA, inB);
        if (now && !inOut)
            start = x;
        else if (!now && inOut)
            out.push_back({start, x});
        inOut = now;
    }
}

template <typename Op>
Region Combine(const Region& a, const Region& b, Op op)
{
    RegionBuilder builder;
    const auto bandsA = a.Bands();
    const auto bandsB = b.Bands();
    if (bandsA.empty() && bandsB.empty())
        return {};
    size_t i = 0, j = 0;
    std::vector<Span> spans;
    // y steps over every band edge of either region; between two edges both sides are constant.
    int y = std::min(bandsA.empty() ? INT32_MAX : bandsA.front().top, bandsB.empty() ? INT32_MAX : bandsB.front().top);
    while (true) {
        while (i < bandsA.size() && bandsA[i].bottom <= y)
            ++i;
        while (j < bandsB.size() && bandsB[j].bottom <= y)
            ++j;
        if (i == bandsA.size() && j == bandsB.size())
            break;
        int next = INT32_MAX;
        std::span<const Span> sa, sb;
        if (i < bandsA.size()) {
            const Region::Band& band = bandsA[i];
            next = std::min(next, band.top > y ? band.top : band.bottom);
            if (band.top <= y)
                sa = a.SpansOf(band);
        }
        if (j < bandsB.size()) {
            const Region::Band& band = bandsB[j];
            next = std::min(next, band.top > y ? band.top : band.bottom);
            if (band.top <= y)
                sb = b.SpansOf(band);
        }
        if (!sa.empty() || !sb.empty()) {
            CombineSpans(sa, sb, op, spans);
            builder.Add(y, next, spans);
        }
        y = next;
    }
    return builder.Take();
}

constexpr Rect kEverywhere{INT32_MIN / 4, INT32_MIN / 4, INT32_MAX / 4, INT32_MAX / 4};

int64_t FloorDiv(int64_t a, int64_t b) // b > 0
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
int64_t CeilDiv(int64_t a, int64_t b)
{
    if (b < 0)
        a = -a, b = -b;
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

Region TreeUnion(std::vector<Region> level)
{
    while (level.size() > 1) {
        std::vector<Region> next;
        next.reserve((level.size() + 1) / 2);
        for (size_t k = 0; k + 1 < level.size(); k += 2)
            next.push_back(Union(level[k], level[k + 1]));
        if (level.size() % 2)
            next.push_back(std::move(level.back()));
        level = std::move(next);
    }
    return level.empty() ? Region{} : std::move(level.front());
}

// Appends the union of rectangles sorted by left edge as non-touching spans.
void MergeSortedSpans(std::span<const Span> sorted, std::vector<Span>& out)
{
    out.clear();
    for (const Span& s : sorted) {
        if (!out.empty() && s.left <= out.back().right)
            out.back().right = std::max(out.back().right, s.right);
        else
            out.push_back(s);
    }
}

// Rectangles (non-empty) swept top to bottom: between two consecutive edges the
// rectangles that cross are kept sorted by left edge and merged into the band's spans.
Region SweepUnion(std::vector<Rect> rects)
{
    if (rects.empty())
        return {};
    std::sort(rects.begin(), rects.end(), [](const Rect& a, const Rect& b) { return a.Top < b.Top; });
    std::vector<int> ys;
    ys.reserve(rects.size() * 2);
    for (const Rect& r : rects)
        ys.push_back(r.Top), ys.push_back(r.Bottom);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    const auto byLeft = [](const Rect& a, const Rect& b) { return a.Left < b.Left; };
    std::vector<Rect> active, incoming, merged;
    std::vector<Span> lefts, spans;
    RegionBuilder builder;
    size_t next = 0;
    for (size_t k = 0; k + 1 < ys.size(); ++k) {
        const int y = ys[k];
        active.erase(std::remove_if(active.begin(), active.end(), [y](const Rect& r) { return r.Bottom <= y; }),
                     active.end());
        incoming.clear();
        while (next < rects.size() && rects[next].Top == y)
            incoming.push_back(rects[next++]);
        if (!incoming.empty()) {
            std::sort(incoming.begin(), incoming.end(), byLeft);
            merged.resize(active.size() + incoming.size());
            std::merge(active.begin(), active.end(), incoming.begin(), incoming.end(), merged.begin(), byLeft);
            std::swap(active, merged);
        }
        if (active.empty())
            continue;
        lefts.clear();
        for (const Rect& r : active)
            lefts.push_back({r.Left, r.Right});
        MergeSortedSpans(lefts, spans);
        builder.Add(y, ys[k + 1], spans);
    }
    return builder.Take();
}

// The grid of copies row by row: each picture row takes the shape's spans from the
// grid rows that reach it, repeated across the columns that fall inside the clip.
Region StampGrid(const Region& shapeIn, int columns, int dx, int rows, int dy, const Rect& clip)
{
    Region shape = shapeIn;
    if (dx < 0) {
        shape = shape.Translated((columns - 1) * dx, 0);
        dx = -dx;
    }
    if (dy < 0) {
        shape = shape.Translated(0, (rows - 1) * dy);
        dy = -dy;
    }
    const Rect b = shape.Bounds();
    const auto bands = shape.Bands();
    const int top = std::max(clip.Top, b.Top);
    const int bottom = int(std::min<int64_t>(clip.Bottom, int64_t(b.Bottom) + int64_t(rows - 1) * dy));
    std::vector<Span> pieces, spans;
    RegionBuilder builder;
    for (int y = top; y < bottom; ++y) {
        int64_t iLo = 0, iHi = 0;
        if (dy > 0) {
            iLo = std::max<int64_t>(0, FloorDiv(int64_t(y) - b.Bottom, dy) + 1);
            iHi = std::min<int64_t>(rows - 1, FloorDiv(int64_t(y) - b.Top, dy));
        }
        pieces.clear();
        bool sorted = true;
        for (int64_t i = iLo; i <= iHi; ++i) {
            const int64_t yy = y - i * dy;
            auto band = std::upper_bound(bands.begin(), bands.end(), yy,
                                         [](int64_t v, const Region::Band& bd) { return v < bd.bottom; });
            if (band == bands.end() || band->top > yy)
                continue;
            for (const Span& s : shape.SpansOf(*band)) {
                int64_t jLo = 0, jHi = 0;
                if (dx > 0) {
                    jLo = std::max<int64_t>(0, FloorDiv(int64_t(clip.Left) - s.right, dx) + 1);
                    jHi = std::min<int64_t>(columns - 1, CeilDiv(int64_t(clip.Right) - s.left, dx) - 1);
                } else if (s.right <= clip.Left || s.left >= clip.Right) {
                    continue;
                }
                if (jLo > jHi)
                    continue;
                if (!pieces.empty() && jLo * dx + s.left < pieces.back().left)
                    sorted = false;
                const auto add = [&](int64_t l, int64_t r) {
                    pieces.push_back({int(std::max<int64_t>(l, clip.Left)), int(std::min<int64_t>(r, clip.Right))});
                };
                if (s.right - s.left >= dx) // neighbouring copies touch: one span
                    add(jLo * dx + s.left, jHi * dx + s.right);
                else
                    for (int64_t j = jLo; j <= jHi; ++j)
                        add(j * dx + s.left, j * dx + s.right);
            }
        }
        if (!sorted)
            std::sort(pieces.begin(), pieces.end(), [](const Span& a, const Span& c) { return a.left < c.left; });
        MergeSortedSpans(pieces, spans);
        builder.Add(y, y + 1, spans);
    }
    return builder.Take();
}

} // namespace

Region Region::FromRect(const Rect& r)
{
    const Rect n = r.Normalized();
    RegionBuilder builder;
    const Span span{n.Left, n.Right};
    if (n.Left < n.Right)
        builder.Add(n.Top, n.Bottom, std::span(&span, 1));
    return builder.Take();
}

Region Region::FromRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight)
{
    return FromRoundRect(r, ellipseWidth, ellipseHeight, kEverywhere);
}

Region Region::FromRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, const Rect& clip)
{
    const Rect n = r.Normalized();
    if (n.IsEmpty() || clip.IsEmpty())
        return {};
    const double rx = std::min(std::abs(int64_t(ellipseWidth)), int64_t(n.Width())) / 2.0;
    const double ry = std::min(std::abs(int64_t(ellipseHeight)), int64_t(n.Height())) / 2.0;
    RegionBuilder builder;
    const int top = std::max(n.Top, clip.Top), bottom = std::min(n.Bottom, clip.Bottom);
    for (int y = top; y < bottom; ++y) {
        const double yc = y + 0.5;
        double dy = 0;
        if (yc < n.Top + ry)
            dy = n.Top + ry - yc;
        else if (yc > n.Bottom - ry)
            dy = yc - (n.Bottom - ry);
        int inset = 0;
        if (dy > 0 && ry > 0 && rx > 0) {
            const double t = dy / ry;
            const double insetExact = rx - rx * std::sqrt(std::max(0.0, 1 - t * t));
            inset = int(std::ceil(insetExact - 0.5)); // pixel centre on or inside the ellipse
        }
        const Span span{std::max(n.Left + inset, clip.Left), std::min(n.Right - inset, clip.Right)};
        if (span.left < span.right)
            builder.Add(y, y + 1, std::span(&span, 1));
    }
    return builder.Take();
}

Region Region::FromPolygon(std::span<const Point> points) { return FromPolygon(points, kEverywhere); }

Region Region::FromPolygon(std::span<const Point> points, const Rect& clip)
{
    if (points.size() < 3 || clip.IsEmpty())
        return {};
    struct Edge {
        Point p, q; // q below p
        int dir;    // +1 when the polygon runs downward along it
    };
    std::vector<Edge> edges;
    bool small = true; // every coordinate small enough for 64-bit products (rows lie among them)
    int minY = points[0].y, maxY = points[0].y;
    for (size_t k = 0; k < points.size(); ++k) {
        const Point& p = points[k];
        const Point& q = points[(k + 1) % points.size()];
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        if (p.y != q.y)
            edges.push_back(q.y > p.y ? Edge{p, q, 1} : Edge{q, p, -1});
        constexpr int kSmall = 1 << 28;
        small = small && std::abs(int64_t(p.x)) < kSmall && std::abs(int64_t(p.y)) < kSmall;
    }
    struct Crossing {
        int64_t column; // first pixel whose centre lies at or right of the crossing
        int dir;
    };
    std::vector<Crossing> crossings;
    std::vector<Span> spans;
    RegionBuilder builder;
    const int top = std::max(minY, clip.Top), bottom = std::min(maxY, clip.Bottom);
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (const Edge& e : edges) {
            // the edge crosses the centre line y + 1/2 when p.y <= y < q.y
            if (y < e.p.y || y >= e.q.y)
                continue;
            // ceil(x - 1/2) with x the crossing: x - 1/2 = [(2 p.x - 1) dy + (2y + 1 - 2 p.y) dx] / (2 dy)
            const int64_t dx = int64_t(e.q.x) - e.p.x, dy = int64_t(e.q.y) - e.p.y;
            const int64_t a = 2 * int64_t(e.p.x) - 1, b = 2 * int64_t(y) + 1 - 2 * int64_t(e.p.y);
            int64_t column;
            if (small) {
                column = CeilDiv(a * dy + b * dx, 2 * dy);
            } else { // products beyond 64 bits
                const __int128 num = __int128(a) * dy + __int128(b) * dx, den = 2 * __int128(dy);
                column = int64_t(num >= 0 ? (num + den - 1) / den : -((-num) / den));
            }
            crossings.push_back({column, e.dir});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.column < b.column; });
        spans.clear();
        int winding = 0;
        int64_t start = 0;
        for (const Crossing& c : crossings) {
            const int before = winding;
            winding += c.dir;
            if (before == 0 && winding != 0) {
                start = c.column;
            } else if (before != 0 && winding == 0) {
                const int l = int(std::max<int64_t>(start, clip.Left));
                const int r = int(std::min<int64_t>(c.column, clip.Right));
                if (l < r) {
                    if (!spans.empty() && spans.back().right >= l)
                        spans.back().right = std::max(spans.back().right, r);
                    else
                        spans.push_back({l, r});
                }
            }
        }
        builder.Add(y, y + 1, spans);
    }
    return builder.Take();
}

Region Region::UnionOf(std::span<const Rect> rects) { return UnionOf(rects, kEverywhere); }

Region Region::UnionOf(std::span<const Rect> rects, const Rect& clip)
{
    std::vector<Rect> inside;
    inside.reserve(rects.size());
    for (const Rect& r : rects) {
        const Rect c = r.Normalized().Intersected(clip);
        if (!c.IsEmpty())
            inside.push_back(c);
    }
    if (FastPathsEnabled())
        return SweepUnion(std::move(inside));
    std::vector<Region> shapes;
    shapes.reserve(inside.size());
    for (const Rect& r : inside)
        shapes.push_back(FromRect(r));
    return TreeUnion(std::move(shapes));
}

Region Region::UnionOfTranslates(const Region& shape, int columns, int dx, int rows, int dy, const Rect& clip)
{
    if (shape.IsEmpty() || columns <= 0 || rows <= 0 || clip.IsEmpty())
        return {};
    // Copies that coincide add nothing.
    if (dx == 0)
        columns = 1;
    if (dy == 0)
        rows = 1;
    if (FastPathsEnabled())
        return StampGrid(shape, columns, dx, rows, dy, clip);
    std::vector<Region> copies;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j)
            copies.push_back(shape.Translated(j * dx, i * dy));
    return Intersect(TreeUnion(std::move(copies)), FromRect(clip));
}

Region Union(const Region& a, const Region& b)
{
    return Combine(a, b, [](bool x, bool y) { return x || y; });
}
Region Intersect(const Region& a, const Region& b)
{
    return Combine(a, b, [](bool x, bool y) { return x && y; });
}
Region Xor(const Region& a, const Region& b)
{
    return Combine(a, b, [](bool x, bool y) { return x != y; });
}
Region Subtract(const Region& a, const Region& b)
{
    return Combine(a, b, [](bool x, bool y) { return x && !y; });
}

int64_t Region::Area() const
{
    int64_t area = 0;
    for (const Band& band : bands_) {
        int64_t width = 0;
        for (const Span& s : SpansOf(band))
            width += int64_t(s.right) - s.left;
        area += width * (int64_t(band.bottom) - band.top);
    }
    return area;
}

bool Region::Contains(int x, int y) const
{
    auto band = std::upper_bound(bands_.begin(), bands_.end(), y, [](int v, const Band& b) { return v < b.bottom; });
    if (band == bands_.end() || band->top > y)
        return false;
    const auto spans = SpansOf(*band);
    auto span = std::upper_bound(spans.begin(), spans.end(), x, [](int v, const Span& s) { return v < s.right; });
    return span != spans.end() && span->left <= x;
}

Rect Region::Bounds() const
{
    if (bands_.empty())
        return {};
    Rect r{INT32_MAX, bands_.front().top, INT32_MIN, bands_.back().bottom};
    for (const Band& band : bands_) {
        const auto spans = SpansOf(band);
        r.Left = std::min(r.Left, spans.front().left);
        r.Right = std::max(r.Right, spans.back().right);
    }
    return r;
}

Region Region::Translated(int dx, int dy) const
{
    Region moved = *this;
    for (Band& b : moved.bands_)
        b.top += dy, b.bottom += dy;
    for (Span& s : moved.spans_)
        s.left += dx, s.right += dx;
    return moved;
}

bool Region::self_check() const
{
    uint32_t expectedFirst = 0;
    for (size_t k = 0; k < bands_.size(); ++k) {
        const Band& band = bands_[k];
        if (band.top >= band.bottom || band.spanCount == 0 || band.firstSpan != expectedFirst)
            return false;
        expectedFirst += band.spanCount;
        if (expectedFirst > spans_.size())
            return false;
        const auto spans = SpansOf(band);
        for (size_t s = 0; s < spans.size(); ++s) {
            if (spans[s].left >= spans[s].right)
                return false;
            if (s > 0 && spans[s - 1].right >= spans[s].left)
                return false;
        }
        if (k > 0) {
            const Band& above = bands_[k - 1];
            if (above.bottom > band.top)
                return false;
            const auto upper = SpansOf(above);
            if (above.bottom == band.top && std::equal(upper.begin(), upper.end(), spans.begin(), spans.end()))
                return false;
        }
    }
    return expectedFirst == spans_.size();
}

bool operator==(const Region& a, const Region& b)
{
    if (a.bands_.size() != b.bands_.size())
        return false;
    for (size_t k = 0; k < a.bands_.size(); ++k) {
        const auto& x = a.bands_[k];
        const auto& y = b.bands_[k];
        const auto sx = a.SpansOf(x), sy = b.SpansOf(y);
        if (x.top != y.top || x.bottom != y.bottom || !std::equal(sx.begin(), sx.end(), sy.begin(), sy.end()))
            return false;
    }
    return true;
}

void DrawThroughRegion(Bitmap& dst, const Bitmap& src, const Region& region)
{
    const Rect clip = dst.Bounds().Intersected(src.Bounds());
    if (clip.IsEmpty())
        return;
    std::vector<Region::Span> spans;
    for (const Region::Band& band : region.Bands()) {
        const int top = std::max(band.top, clip.Top), bottom = std::min(band.bottom, clip.Bottom);
        if (top >= bottom)
            continue;
        spans.clear();
        for (const Region::Span& s : region.SpansOf(band)) {
            const int l = std::max(s.left, clip.Left), r = std::min(s.right, clip.Right);
            if (l < r)
                spans.push_back({l, r});
        }
        // Row by row, so that both bitmaps are read and written in memory order.
        for (int y = top; y < bottom; ++y) {
            Pixel* to = dst.Row(y);
            const Pixel* from = src.Row(y);
            for (const Region::Span& s : spans) {
                const int n = s.right - s.left;
                if (n <= 8) { // a call to memcpy costs more than these few pixels
                    for (int k = s.left; k < s.right; ++k)
                        to[k] = from[k];
                } else {
                    std::memcpy(to + s.left, from + s.left, size_t(n) * sizeof(Pixel));
                }
            }
        }
    }
}

} // namespace vm
