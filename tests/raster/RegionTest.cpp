#include "raster/Region.h"

#include "raster/FastPaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

using namespace vm;

namespace {

// A plain per-pixel picture of a region over a window around the shapes.
constexpr int kLo = -6, kHi = 46;
using Mask = std::function<bool(int, int)>;

void ExpectMatches(const Region& region, const Mask& inside, const char* what)
{
    ASSERT_TRUE(region.self_check()) << what;
    int64_t count = 0;
    for (int y = kLo; y < kHi; ++y)
        for (int x = kLo; x < kHi; ++x) {
            const bool want = inside(x, y);
            count += want;
            ASSERT_EQ(region.Contains(x, y), want) << what << " at " << x << "," << y;
        }
    EXPECT_EQ(region.Area(), count) << what;
}

bool InRect(const Rect& r, int x, int y)
{
    const Rect n = r.Normalized();
    return x >= n.Left && x < n.Right && y >= n.Top && y < n.Bottom;
}

bool InRoundRect(const Rect& r, int ew, int eh, int x, int y)
{
    const Rect n = r.Normalized();
    if (!InRect(n, x, y))
        return false;
    const double rx = std::min(std::abs(ew), n.Width()) / 2.0, ry = std::min(std::abs(eh), n.Height()) / 2.0;
    const double cx = x + 0.5, cy = y + 0.5;
    const double ex = cx < n.Left + rx ? n.Left + rx : cx > n.Right - rx ? n.Right - rx : cx;
    const double ey = cy < n.Top + ry ? n.Top + ry : cy > n.Bottom - ry ? n.Bottom - ry : cy;
    if (ex == cx || ey == cy || rx == 0 || ry == 0)
        return true;
    const double dx = (cx - ex) / rx, dy = (cy - ey) / ry;
    return dx * dx + dy * dy <= 1 + 1e-12;
}

// Winding number of the pixel centre: crossings at or left of it, signed by direction.
bool InPolygon(const std::vector<Point>& pts, int x, int y)
{
    const double cx = x + 0.5, cy = y + 0.5;
    int winding = 0;
    for (size_t k = 0; k < pts.size(); ++k) {
        const Point p = pts[k], q = pts[(k + 1) % pts.size()];
        if (p.y == q.y)
            continue;
        const bool down = q.y > p.y;
        if (cy < std::min(p.y, q.y) || cy >= std::max(p.y, q.y))
            continue;
        const double xc = p.x + (cy - p.y) * double(q.x - p.x) / double(q.y - p.y);
        if (xc <= cx)
            winding += down ? 1 : -1;
    }
    return winding != 0;
}

struct Shape {
    Region region;
    Mask inside;
};

Shape RandomShape(std::mt19937& rng)
{
    auto r = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    switch (r(0, 2)) {
    case 0: {
        const Rect rc{r(-4, 44), r(-4, 44), r(-4, 44), r(-4, 44)};
        return {Region::FromRect(rc), [rc](int x, int y) { return InRect(rc, x, y); }};
    }
    case 1: {
        const Rect rc{r(-4, 44), r(-4, 44), r(-4, 44), r(-4, 44)};
        const int ew = r(-10, 60), eh = r(-10, 60);
        return {Region::FromRoundRect(rc, ew, eh), [=](int x, int y) { return InRoundRect(rc, ew, eh, x, y); }};
    }
    default: {
        std::vector<Point> pts(size_t(r(3, 9)));
        for (Point& p : pts)
            p = {r(-4, 44), r(-4, 44)};
        return {Region::FromPolygon(pts), [pts](int x, int y) { return InPolygon(pts, x, y); }};
    }
    }
}

} // namespace

TEST(Region, SwappedEdgesAreExchangedAndZeroSizeIsEmpty)
{
    EXPECT_EQ(Region::FromRect({10, 8, 2, 3}), Region::FromRect({2, 3, 10, 8}));
    EXPECT_EQ(Region::FromRoundRect({10, 8, 2, 3}, 4, 4), Region::FromRoundRect({2, 3, 10, 8}, 4, 4));
    EXPECT_TRUE(Region::FromRect({5, 1, 5, 9}).IsEmpty());
    EXPECT_TRUE(Region::FromRoundRect({1, 5, 9, 5}, 3, 3).IsEmpty());
    EXPECT_EQ(Region::FromRect({2, 3, 10, 8}).Area(), 40);
}

TEST(Region, RoundRectWithHugeEllipseIsClampedToAnEllipseInTheRectangle)
{
    const Region r = Region::FromRoundRect({0, 0, 40, 20}, 1000, 1000);
    EXPECT_TRUE(r.self_check());
    EXPECT_NEAR(double(r.Area()), M_PI * 20 * 10, 40);
    EXPECT_TRUE(r.Contains(20, 10));
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, 40, 20}));
}

TEST(Region, OverlappingPolygonLoopsFillByNonZeroWinding)
{
    // The same square twice in one direction: winding 2 inside, still filled.
    const std::vector<Point> twice{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_EQ(Region::FromPolygon(twice).Area(), 100);
    // A pentagram: the centre has winding 2 and stays filled (even-odd would leave a hole).
    const std::vector<Point> star{{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}};
    EXPECT_TRUE(Region::FromPolygon(star).Contains(20, 20));
}

TEST(Region, ShapesMatchThePerPixelReference)
{
    std::mt19937 rng(31337);
    for (int round = 0; round < 400; ++round) {
        const Shape s = RandomShape(rng);
        ExpectMatches(s.region, s.inside, "shape");
    }
}

TEST(Region, SetOperationsMatchThePerPixelReference)
{
    std::mt19937 rng(4242);
    for (int round = 0; round < 300; ++round) {
        const Shape a = RandomShape(rng), b = RandomShape(rng);
        const Mask ia = a.inside, ib = b.inside;
        ExpectMatches(Union(a.region, b.region), [&](int x, int y) { return ia(x, y) || ib(x, y); }, "union");
        ExpectMatches(Intersect(a.region, b.region), [&](int x, int y) { return ia(x, y) && ib(x, y); }, "intersect");
        ExpectMatches(Xor(a.region, b.region), [&](int x, int y) { return ia(x, y) != ib(x, y); }, "xor");
        ExpectMatches(Subtract(a.region, b.region), [&](int x, int y) { return ia(x, y) && !ib(x, y); }, "subtract");
        EXPECT_TRUE(Xor(a.region, a.region).IsEmpty());
        EXPECT_EQ(Union(a.region, b.region).Area() + Intersect(a.region, b.region).Area(),
                  a.region.Area() + b.region.Area());
    }
}

TEST(Region, UnionOfManyRectanglesEqualsFoldedUnion)
{
    std::mt19937 rng(99);
    auto r = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<Rect> rects(500);
    Region folded;
    for (Rect& rc : rects) {
        rc = {r(-4, 44), r(-4, 44), r(-4, 44), r(-4, 44)};
        folded = Union(folded, Region::FromRect(rc));
    }
    for (bool fast : {false, true}) {
        FastPathsScope scope(fast);
        const Region united = Region::UnionOf(rects);
        EXPECT_TRUE(united.self_check()) << "fast " << fast;
        EXPECT_EQ(united, folded) << "fast " << fast;
    }
}

// The clipped builders give exactly the clipped part of the whole shape.
TEST(Region, ClippedShapesEqualTheWholeShapeIntersectedWithTheClip)
{
    std::mt19937 rng(2718);
    auto r = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 300; ++round) {
        const Rect clip{r(-4, 20), r(-4, 20), r(20, 44), r(20, 44)};
        const Region clipRegion = Region::FromRect(clip);
        const Rect rc{r(-40, 80), r(-40, 80), r(-40, 80), r(-40, 80)};
        const int ew = r(-10, 90), eh = r(-10, 90);
        const Region round1 = Region::FromRoundRect(rc, ew, eh, clip);
        EXPECT_TRUE(round1.self_check());
        EXPECT_EQ(round1, Intersect(Region::FromRoundRect(rc, ew, eh), clipRegion));
        std::vector<Point> pts(size_t(r(3, 9)));
        for (Point& p : pts)
            p = {r(-60, 100), r(-60, 100)};
        const Region poly = Region::FromPolygon(pts, clip);
        EXPECT_TRUE(poly.self_check());
        EXPECT_EQ(poly, Intersect(Region::FromPolygon(pts), clipRegion));
        std::vector<Rect> rects(size_t(r(0, 60)));
        for (Rect& x : rects)
            x = {r(-40, 80), r(-40, 80), r(-40, 80), r(-40, 80)};
        EXPECT_EQ(Region::UnionOf(rects, clip), Intersect(Region::UnionOf(rects), clipRegion));
    }
}

TEST(Region, ShapesFarOutsideTheClipCostNothingAndGiveNothing)
{
    const Rect clip{0, 0, 100, 100};
    const std::vector<Point> huge{{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
    const Region cut = Region::FromPolygon(huge, clip);
    EXPECT_TRUE(cut.self_check());
    EXPECT_EQ(cut.Bounds(), clip) << "the middle of a huge triangle covers the clip";
    EXPECT_TRUE(Region::FromRoundRect({-900000000, 0, -800000000, 900000000}, 5000, 5000, clip).IsEmpty());
}

// A grid of translated copies, stamped row by row, equals the union of every copy.
TEST(Region, UnionOfTranslatesEqualsTheUnionOfEveryCopy)
{
    std::mt19937 rng(1618);
    auto r = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 300; ++round) {
        Region shape;
        if (round % 3 == 0) {
            shape = Region::FromRect({r(-6, 6), r(-6, 6), r(-6, 6), r(-6, 6)});
        } else {
            std::vector<Point> pts(size_t(r(3, 6)));
            for (Point& p : pts)
                p = {r(-8, 8), r(-8, 8)};
            shape = Region::FromPolygon(pts);
        }
        const int columns = r(0, 8), dx = r(-5, 9), rows = r(0, 8), dy = r(-5, 9);
        const Rect clip{r(-10, 10), r(-10, 10), r(10, 50), r(10, 50)};
        Region folded;
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < columns; ++j)
                folded = Union(folded, shape.Translated(j * dx, i * dy));
        folded = Intersect(folded, Region::FromRect(clip));
        for (bool fast : {false, true}) {
            FastPathsScope scope(fast);
            const Region stamped = Region::UnionOfTranslates(shape, columns, dx, rows, dy, clip);
            ASSERT_TRUE(stamped.self_check()) << "round " << round << " fast " << fast;
            ASSERT_EQ(stamped, folded) << "round " << round << " fast " << fast;
        }
    }
}

TEST(Region, DrawThroughRegionChangesOnlyPixelsInside)
{
    const Bitmap picture(20, 10, 0xABCDEF);
    Bitmap display(20, 10, 0x111111);
    const Region region = Union(Region::FromRect({-5, -5, 3, 3}), Region::FromPolygon(std::vector<Point>{{10, 2}, {30, 2}, {10, 40}}));
    DrawThroughRegion(display, picture, region);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(display.At(x, y), region.Contains(x, y) ? 0xABCDEFu : 0x111111u) << x << "," << y;
}

TEST(Region, TranslatedMovesEveryPixel)
{
    const Region r = Region::FromRoundRect({0, 0, 9, 7}, 4, 4);
    const Region moved = r.Translated(5, -3);
    EXPECT_TRUE(moved.self_check());
    EXPECT_EQ(moved.Area(), r.Area());
    EXPECT_EQ(moved.Contains(9, 0), r.Contains(4, 3));
}
