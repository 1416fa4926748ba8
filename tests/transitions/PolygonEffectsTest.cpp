#include "EffectFrames.h"
#include "transitions/PolygonShapes.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace vm;
using namespace vm::test;

namespace {

int64_t NewCount(const Bitmap& b)
{
    int64_t n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += IsNew(b, x, y);
    return n;
}

} // namespace

TEST(PolygonEffects, Style110IsTheTriangleFromTheTopLeftCorner)
{
    // 1000 x 800 at p 25: (0, 0), (500, 0), (0, 400); a pixel is in when its centre is.
    const Bitmap f = StyleFrame(110, 1000, 800, 25);
    for (int y = 0; y < 800; y += 7)
        for (int x = 0; x < 1000; x += 3) {
            const double inside = (x + 0.5) / 500 + (y + 0.5) / 400;
            if (std::abs(inside - 1) > 0.01) {
                ASSERT_EQ(IsNew(f, x, y), inside < 1) << x << "," << y;
            }
        }
    EXPECT_TRUE(OnlyRevealsInPlace(f));
}

TEST(PolygonEffects, Style116WedgesSweepClockwiseAlongTheEdges)
{
    const Bitmap f = StyleFrame(116, 1000, 800, 50); // X = 500, Y = 400, centre (500, 400)
    EXPECT_TRUE(IsNew(f, 497, 1));   // top wedge reaches (500, 0)
    EXPECT_TRUE(IsOld(f, 503, 1));
    EXPECT_TRUE(IsNew(f, 999, 397)); // right wedge reaches (1000, 400)
    EXPECT_TRUE(IsOld(f, 999, 403));
    EXPECT_TRUE(IsNew(f, 503, 798)); // bottom wedge from (500, 800) to the right corner
    EXPECT_TRUE(IsOld(f, 497, 798));
    EXPECT_TRUE(IsNew(f, 1, 403));   // left wedge from the bottom corner up to (0, 400)
    EXPECT_TRUE(IsOld(f, 1, 397));
}

TEST(PolygonEffects, Style117StepOneIsASixBySixGridOfTriangles)
{
    // 1024 x 768, Step 1: S = 11, n = 5, cw = 204, ch = 153; p 50: X' = 102, Y' = 76.
    const Bitmap f = StyleFrame(117, 1024, 768, 50, 1);
    for (int i = 0; i <= 5; ++i)
        for (int j = 0; j <= 5; ++j) {
            const int gx = j * 204, gy = i * 153;
            if (gx >= 1 && gy >= 1) {
                EXPECT_TRUE(IsNew(f, gx - 1, gy - 1)) << i << "," << j; // the right angle's side
            }
            if (gx + 99 < 1024 && gy + 73 < 768) {
                EXPECT_TRUE(IsOld(f, gx + 99, gy + 73)) << i << "," << j; // beyond the hypotenuse
            }
        }
}

TEST(PolygonEffects, Style143AtP26CoversTheUpperRightQuarter)
{
    const Bitmap f = StyleFrame(143, 1000, 800, 26);
    EXPECT_TRUE(IsNew(f, 510, 10));
    EXPECT_TRUE(IsNew(f, 990, 390));
    EXPECT_TRUE(IsNew(f, 750, 200));
    EXPECT_TRUE(IsOld(f, 490, 10));
    EXPECT_TRUE(IsOld(f, 990, 410));
    EXPECT_TRUE(IsOld(f, 250, 600));
    EXPECT_EQ(StyleFrame(143, 1000, 800, 1), OldScreen(1000, 800)) << "one arc point covers nothing";
    const Bitmap anti = StyleFrame(144, 1000, 800, 26);
    EXPECT_TRUE(IsNew(anti, 490, 10));
    EXPECT_TRUE(IsOld(anti, 510, 10));
}

TEST(PolygonEffects, FanPointsAreRoundedAndStopOneStepShortOfTheEnd)
{
    const auto pts = FanRegion(10, 20, 100, -std::numbers::pi / 2, std::numbers::pi / 2, 4);
    const std::vector<Point> want{{10, 20}, {10, -80}, {81, -51}, {110, 20}, {81, 91}};
    EXPECT_EQ(pts, want);
}

TEST(PolygonEffects, Style149AtP25IsAQuarterRectangleTurnedAQuarter)
{
    // 1000 x 800: X = 250, Y = 200, half extents 125 x 100, turned 90 degrees: 200 x 250.
    const Bitmap f = StyleFrame(149, 1000, 800, 25);
    EXPECT_EQ(NewCount(f), 200 * 250);
    EXPECT_TRUE(IsNew(f, 400, 275));
    EXPECT_TRUE(IsNew(f, 599, 524));
    EXPECT_TRUE(IsOld(f, 399, 275));
    EXPECT_TRUE(IsOld(f, 400, 274));
}

TEST(PolygonEffects, Style150IsAThinStarReachingTwiceTheExtents)
{
    // p 5 on 1000 x 800: X = 50, Y = 40, turned 18 degrees; points at 100 and 80 from the centre.
    const Bitmap f = StyleFrame(150, 1000, 800, 5);
    EXPECT_TRUE(IsNew(f, 500, 400));
    std::vector<Point> tip{{400, 400}};
    RotatePoints(tip, 500, 400, 5 * std::numbers::pi / 50);
    EXPECT_EQ(tip[0], (Point{405, 369}));
    EXPECT_TRUE(IsNew(f, 420, 373)) << "near the turned left tip";
    EXPECT_TRUE(IsOld(f, 400, 400)) << "the unturned tip";
    EXPECT_LT(NewCount(f), 4 * 100 * 80 / 2) << "thin: well inside the tips' diamond";
}
