#pragma once
// Region: a set of pixels, stored as y-x bands.
//
//    top 0 ┌────────────────────────────────────┐
//          │ band 0:  [x0, x1)      [x2, x3)    │ every row of a band has the same spans
// bottom 0 ├────────────────────────────────────┤ = top 1 (bands may also leave gaps)
//          │ band 1:       [x4,          x5)    │
// bottom 1 └────────────────────────────────────┘
//
// Bands are sorted top to bottom and never overlap. Each has top < bottom and at least
// one span; its spans are sorted, each has left < right, and two spans never touch
// (a gap of at least one pixel lies between them). Two bands that touch vertically
// differ in their spans; equal ones are merged. self_check() verifies all of this.
//
// The set operations walk both band lists once, merging span lists per band, so their
// cost follows the regions' outlines, not their areas. A polygon is scan-converted row
// by row at pixel centres, in exact integers.
//
// The effects build a frame out of thousands of shapes, so shapes can be built clipped
// to the picture (a region far outside it costs nothing), and two builders have a fast
// path beside their plain one (see raster/FastPaths.h): UnionOf sweeps the rectangles
// top to bottom keeping the ones that cross the current band sorted by left edge
// (plain: pairwise unions in a balanced tree), and UnionOfTranslates stamps a shape
// over a grid row by row (plain: one translated copy per grid point, united).
#include "raster/Bitmap.h"
#include "raster/Rect.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vm {

class Region {
public:
    struct Band {
        int top;
        int bottom;
        uint32_t firstSpan; // index into the span list
        uint32_t spanCount;
    };
    struct Span {
        int left;
        int right;
        friend bool operator==(const Span&, const Span&) = default;
    };

    Region() = default; // empty

    // x from Left up to but not including Right, y likewise; swapped edges are exchanged.
    static Region FromRect(const Rect& r);
    // The rectangle with its corners cut by an ellipse of ellipseWidth x ellipseHeight
    // (each clamped to the rectangle's size); a pixel is inside when its centre is.
    static Region FromRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight);
    // Non-zero winding rule; a pixel is inside when its centre is.
    static Region FromPolygon(std::span<const Point> points);
    static Region UnionOf(std::span<const Rect> rects);

    // The same shapes intersected with clip; their cost follows the clipped part.
    static Region FromRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, const Rect& clip);
    static Region FromPolygon(std::span<const Point> points, const Rect& clip);
    static Region UnionOf(std::span<const Rect> rects, const Rect& clip);
    // The union of shape moved by (j * dx, i * dy) for 0 <= j < columns, 0 <= i < rows,
    // intersected with clip.
    static Region UnionOfTranslates(const Region& shape, int columns, int dx, int rows, int dy, const Rect& clip);

    friend Region Union(const Region& a, const Region& b);
    friend Region Intersect(const Region& a, const Region& b);
    friend Region Xor(const Region& a, const Region& b);
    friend Region Subtract(const Region& a, const Region& b);

    bool IsEmpty() const { return bands_.empty(); }
    int64_t Area() const;
    bool Contains(int x, int y) const;
    Rect Bounds() const;
    [[nodiscard]] Region Translated(int dx, int dy) const;

    std::span<const Band> Bands() const { return bands_; }
    std::span<const Span> SpansOf(const Band& b) const { return {spans_.data() + b.firstSpan, b.spanCount}; }

    // True when the invariants above hold.
    bool self_check() const;

    friend bool operator==(const Region& a, const Region& b);

private:
    friend class RegionBuilder;
    std::vector<Band> bands_;
    std::vector<Span> spans_;
};

// Draws the whole of src onto dst at (0, 0) where region covers, clipped to both bitmaps.
void DrawThroughRegion(Bitmap& dst, const Bitmap& src, const Region& region);

} // namespace vm
