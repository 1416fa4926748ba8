#include "EffectFrames.h"
#include "transitions/BarsRegion.h"

#include <gtest/gtest.h>

using namespace vm;
using namespace vm::test;

namespace {

bool EvenRow(int y) { return y % 10 < 5; }

// Row y is new exactly on [from, to).
bool RowNewOn(const Bitmap& b, int y, int from, int to)
{
    for (int x = 0; x < b.Width(); ++x)
        if (IsNew(b, x, y) != (x >= from && x < to))
            return false;
    return true;
}

} // namespace

// Style 60 on 1000 x 800, Step 4 (S = 44).
TEST(BarEffects, Style60EvenRowsLeadAndTheOddOnesFollowInTheSecondHalf)
{
    struct Case {
        int progress;
        int evenFrom, oddFrom; // new from this x to the right edge
    };
    const Case cases[] = {
        {25, 500, 1000}, // A = 500: even rows from the middle, odd rows old
        {48, 0, 1000},   // A = 960, within the band of 1000: even rows complete
        {75, 0, 500},    // A = 1500: second pass, odd rows from 2W - A = 500
    };
    for (const Case& c : cases) {
        const Bitmap f = StyleFrame(60, 1000, 800, c.progress);
        for (int y = 0; y < 800; ++y)
            ASSERT_TRUE(RowNewOn(f, y, EvenRow(y) ? c.evenFrom : c.oddFrom, 1000))
                << "p" << c.progress << " row " << y << " " << RowPattern(f, y, 0, 1000);
    }
}

TEST(BarEffects, Style62FillsTheOddRowsFromTheRightInTheSecondHalf)
{
    const Bitmap f = StyleFrame(62, 1000, 800, 75);
    for (int y = 0; y < 800; ++y)
        ASSERT_TRUE(RowNewOn(f, y, EvenRow(y) ? 0 : 500, 1000)) << y;
}

TEST(BarEffects, Style64HasNoBandSoTheRowsCompleteOnlyAtTheEnd)
{
    const Bitmap f = StyleFrame(64, 1000, 800, 99); // X = 990
    for (int y = 0; y < 800; ++y) {
        if (EvenRow(y))
            ASSERT_TRUE(RowNewOn(f, y, 10, 1000)) << y; // even rows from the right
        else
            ASSERT_TRUE(RowNewOn(f, y, 0, 990)) << y; // odd rows from the left
    }
}

TEST(BarEffects, BarsCoverTheLastPartialBandOfAnOddHeight)
{
    const Bitmap f = StyleFrame(60, 1000, 703, 75);
    for (int y : {699, 700, 701, 702})
        EXPECT_TRUE(RowNewOn(f, y, EvenRow(y) ? 0 : 500, 1000)) << y;
    const Region rows = BarsRegion(2000, 0, 1000, 703, 0, 2, 0);
    EXPECT_EQ(rows.Area(), 1000 * 703) << "both row passes complete reach the last row";
}

TEST(BarEffects, CrissCrossUnitesRowAndColumnBars)
{
    // Style 89 at p 25 on 1000 x 800: rows from the left to 500, columns from the top to 400.
    const Bitmap f = StyleFrame(89, 1000, 800, 25);
    EXPECT_TRUE(IsNew(f, 499, 0));
    EXPECT_FALSE(IsNew(f, 506, 0)); // odd column, beyond the row front
    EXPECT_TRUE(IsNew(f, 600, 399));   // column bar 600..604
    EXPECT_FALSE(IsNew(f, 606, 399));  // odd column
    EXPECT_FALSE(IsNew(f, 600, 401));  // below the column front
    EXPECT_TRUE(OnlyRevealsInPlace(f));
}

TEST(BarEffects, Style99IsWhereBothCrissCrossesMeet)
{
    const int W = 300, H = 200, X = 150, Y = 100, S = 13; // p 50, Step 4
    const Region both = Intersect(BarsRegion(2 * X, 2 * Y, W, H, S, 1, 1), BarsRegion(2 * X, 2 * Y, W, H, S, 2, 2));
    const Bitmap f = StyleFrame(99, W, H, 50);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            ASSERT_EQ(IsNew(f, x, y), both.Contains(x, y)) << x << "," << y;
}

TEST(CurvedEffects, Style58AtZeroExtentLeavesTheOldPicture)
{
    EXPECT_EQ(StyleFrame(58, 40, 30, 1), OldScreen(40, 30)); // X = 0
}

TEST(CurvedEffects, Style85CoversNothingAtTheStartAndEverythingAtFullExtent)
{
    EXPECT_EQ(StyleFrame(85, 40, 30, 1), OldScreen(40, 30));   // X = Y = 0
    EXPECT_EQ(StyleFrame(85, 40, 30, 99), NewPicture(40, 30)); // X = 40 = W, Y = 30 = H
    const Bitmap half = StyleFrame(85, 400, 300, 50);
    EXPECT_TRUE(IsOld(half, 200, 150));
    EXPECT_TRUE(IsNew(half, 0, 0));
}

TEST(CurvedEffects, CurvedFrontsBulgeTowardTheirDirection)
{
    // Style 58 at p 50 on 400 x 300: the front reaches x = 2X = 400 only at mid-height,
    // since the corner ellipse is 2W wide and the rectangle spans H + 10 rows.
    const Bitmap f = StyleFrame(58, 400, 300, 25); // X = 100: right edge 200
    EXPECT_TRUE(IsNew(f, 199, 150));
    EXPECT_FALSE(IsNew(f, 200, 150));
    EXPECT_FALSE(IsNew(f, 199, 0)) << "the corner curve has left the top row behind";
    EXPECT_TRUE(OnlyRevealsInPlace(f));
    // Style 84 at p 50: a circle-like shape around the centre, corners still old.
    const Bitmap c = StyleFrame(84, 400, 300, 50);
    EXPECT_TRUE(IsNew(c, 200, 150));
    EXPECT_TRUE(IsOld(c, 0, 0));
    EXPECT_TRUE(IsOld(c, 399, 299));
}
