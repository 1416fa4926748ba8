#include "raster/Region.h"

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
    const Rect n = r.Normalized();
    if (n.IsEmpty())
        return {};
    const double rx = std::min(std::abs(ellipseWidth), n.Width()) / 2.0;
    const double ry = std::min(std::abs(ellipseHeight), n.Height()) / 2.0;
    RegionBuilder builder;
    for (int y = n.Top; y < n.Bottom; ++y) {
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
        const Span span{n.Left + inset, n.Right - inset};
        if (span.left < span.right)
            builder.Add(y, y + 1, std::span(&span, 1));
    }
    return builder.Take();
}

Region Region::FromPolygon(std::span<const Point> points)
{
    if (points.size() < 3)
        return {};
    int minY = points[0].y, maxY = points[0].y;
    for (const Point& p : points)
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    struct Crossing {
        double x;
        int dir;
    };
    std::vector<Crossing> crossings;
    std::vector<Span> spans;
    RegionBuilder builder;
    for (int y = minY; y < maxY; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (size_t k = 0; k < points.size(); ++k) {
            const Point& p = points[k];
            const Point& q = points[(k + 1) % points.size()];
            if (p.y == q.y)
                continue;
            const bool down = q.y > p.y;
            const int y0 = down ? p.y : q.y, y1 = down ? q.y : p.y;
            if (yc < y0 || yc >= y1)
                continue;
            const double x = p.x + (yc - p.y) * double(q.x - p.x) / double(q.y - p.y);
            crossings.push_back({x, down ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        spans.clear();
        int winding = 0;
        double start = 0;
        for (const Crossing& c : crossings) {
            const int before = winding;
            winding += c.dir;
            if (before == 0 && winding != 0) {
                start = c.x;
            } else if (before != 0 && winding == 0) {
                // pixels whose centre x + 0.5 lies in [start, c.x)
                const int l = int(std::ceil(start - 0.5));
                const int r = int(std::ceil(c.x - 0.5));
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

Region Region::UnionOf(std::span<const Rect> rects)
{
    std::vector<Region> level;
    level.reserve(rects.size());
    for (const Rect& r : rects) {
        Region one = FromRect(r);
        if (!one.IsEmpty())
            level.push_back(std::move(one));
    }
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
    for (const Region::Band& band : region.Bands()) {
        const int top = std::max(band.top, clip.Top), bottom = std::min(band.bottom, clip.Bottom);
        if (top >= bottom)
            continue;
        for (const Region::Span& s : region.SpansOf(band)) {
            const int l = std::max(s.left, clip.Left), r = std::min(s.right, clip.Right);
            if (l >= r)
                continue;
            const size_t bytes = size_t(r - l) * sizeof(Pixel);
            for (int y = top; y < bottom; ++y)
                std::memcpy(dst.Row(y) + l, src.Row(y) + l, bytes);
        }
    }
}

} // namespace vm
