#include "EffectFrames.h"
#include "transitions/ShredRegion.h"
#include "transitions/SpeckleRegion.h"
#include "util/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace vm;
using namespace vm::test;

TEST(ShredEffects, Style65RowEndsJitterWithinTheirRangeAndChangeEveryFrame)
{
    Random::Seed(65);
    const Bitmap first = StyleFrame(65, 1000, 700, 50); // X = 500, c = 142
    const Bitmap second = StyleFrame(65, 1000, 700, 50);
    EXPECT_NE(first, second) << "fresh random numbers every frame";
    for (const Bitmap* f : {&first, &second})
        for (int y = 0; y < 700; ++y) {
            int left = 0;
            while (left < 1000 && !IsNew(*f, left, y))
                ++left;
            ASSERT_GE(left, 359) << y;
            ASSERT_LE(left, 641) << y;
            for (int x = left; x < 1000; ++x)
                ASSERT_TRUE(IsNew(*f, x, y)) << x << "," << y;
        }
}

// H = 703: strips are 5 + 3 rows high, start every 5 rows, the last at 700.
TEST(ShredEffects, StripsAreFiveRowsPlusTheRemainderAndTheLastReachesTheEdge)
{
    const int W = 700, H = 703, A = 350, c = W / 7;
    Random::Seed(703);
    const Region region = ShredRegion(A, 0, W, H, 2, 0);
    Random::Seed(703);
    std::vector<int> rightEnds; // strip k covers rows 5k .. 5k + 7
    for (int y = 0; y < H; y += 5) {
        const int r1 = Random::Next(c), r2 = Random::Next(c);
        rightEnds.push_back(r1 + A - r2);
    }
    ASSERT_EQ(rightEnds.size(), 141u);
    for (int y = 0; y < H; ++y) {
        int end = 0;
        for (int k = 0; k < int(rightEnds.size()); ++k)
            if (y >= 5 * k && y < 5 * k + 8)
                end = std::max(end, rightEnds[size_t(k)]);
        ASSERT_TRUE(region.Contains(end - 1, y)) << y;
        ASSERT_FALSE(region.Contains(end, y)) << y;
    }
}

TEST(ShredEffects, AtFullExtentTheEndsAreStraight)
{
    Random::Seed(1);
    EXPECT_EQ(ShredRegion(400, 0, 400, 300, 1, 0), Region::FromRect({0, 0, 400, 300}));
    EXPECT_EQ(ShredRegion(0, 300, 400, 300, 0, 2), Region::FromRect({0, 0, 400, 300}));
}

TEST(ShredEffects, KindThreeShowsSliversOnBothSidesOfTheMiddleAtTheStart)
{
    // A = 2 with jitter up to 56: swapped ends make slivers on the far side of W/2.
    Random::Seed(3);
    const Region r = ShredRegion(2, 0, 400, 300, 3, 0);
    EXPECT_TRUE(r.self_check());
    bool left = false, right = false;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (r.Contains(x, y))
                (x < 200 ? left : right) = true;
    EXPECT_TRUE(left && right);
}

// Style 123 on a 1000-wide picture at p 50: z = 100, f = 5, n = 20, t = 15.
TEST(SpeckleEffects, CellsAheadOfTheFrontAppearWithTheirProbabilities)
{
    const int W = 1000, A = 500, trials = 4000;
    int seen[21] = {};
    for (int t = 0; t < trials; ++t) {
        Random::Seed(uint32_t(t));
        const Region r = SpeckleRegion(A, 0, W, 1, 1, 0); // one band: row 0 shows it all
        ASSERT_TRUE(r.Contains(W - A, 0));
        for (int i = 1; i <= 20; ++i)
            seen[i] += r.Contains(W - A - i * 5 + 2, 0);
    }
    EXPECT_EQ(seen[1], trials);
    EXPECT_EQ(seen[2], trials);
    struct Expect {
        int cell;
        double p;
    };
    for (const Expect e : {Expect{3, 2.0 / 3}, Expect{10, 0.2}, Expect{15, 2.0 / 15}, Expect{16, 1.0 / 16},
                           Expect{20, 0.05}})
        EXPECT_NEAR(double(seen[e.cell]) / trials, e.p, 0.025) << "cell " << e.cell;
}

TEST(SpeckleEffects, NarrowPicturesUseTwoPixelCellsOnHalfOverlappingBands)
{
    Random::Seed(9);
    const Region r = SpeckleRegion(60, 0, 150, 40, 2, 0); // z = 15, f = 2, n = 7
    for (const Region::Band& band : r.Bands())
        for (const Region::Span& s : r.SpansOf(band)) {
            EXPECT_EQ(s.left % 2, 0) << "cells lie on the 2-pixel grid from the front at 60";
            EXPECT_EQ(s.right % 2, 0);
            EXPECT_LE(s.right, 60 + 7 * 2);
        }
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, r.Bounds().Right, 40})) << "bands step by 1 and cover every row";
}

TEST(SpeckleEffects, EveryMemberKeepsItsSolidFront)
{
    struct Case {
        int style, x, y; // a pixel just inside the front at p 50 on 400 x 300
    };
    for (const Case c : {Case{123, 200, 10}, Case{124, 199, 10}, Case{125, 10, 150}, Case{126, 10, 149}}) {
        const Bitmap f = StyleFrame(c.style, 400, 300, 50);
        EXPECT_TRUE(IsNew(f, c.x, c.y)) << c.style;
        EXPECT_TRUE(OnlyRevealsInPlace(f)) << c.style;
    }
}
