#include "EffectFrames.h"
#include "util/Random.h"

#include <gtest/gtest.h>

using namespace vm;
using namespace vm::test;

namespace {

// Column x is new on every row (slats and bands span the whole picture).
bool ColumnNew(const Bitmap& b, int x)
{
    for (int y = 0; y < b.Height(); ++y)
        if (!IsNew(b, x, y))
            return false;
    return true;
}
bool ColumnOld(const Bitmap& b, int x)
{
    for (int y = 0; y < b.Height(); ++y)
        if (!IsOld(b, x, y))
            return false;
    return true;
}

} // namespace

// Style 127 on 1000 x 750 with Step 4: S = 44, s = 22.
TEST(RandomSquares, SameProgressGivesTheSameSquaresWhateverCameBefore)
{
    Random::Seed(1);
    const Bitmap a = StyleFrame(127, 1000, 750, 30);
    Random::Seed(2);
    Random::Next(7);
    const Bitmap b = StyleFrame(127, 1000, 750, 30);
    EXPECT_EQ(a, b);
}

TEST(RandomSquares, ASquareOnceShownStaysShown)
{
    const Bitmap early = StyleFrame(127, 1000, 750, 30), late = StyleFrame(127, 1000, 750, 60);
    int64_t earlyCount = 0, lateCount = 0;
    for (int y = 0; y < 750; ++y)
        for (int x = 0; x < 1000; ++x) {
            if (IsNew(early, x, y)) {
                ASSERT_TRUE(IsNew(late, x, y)) << x << "," << y;
            }
            earlyCount += IsNew(early, x, y), lateCount += IsNew(late, x, y);
        }
    EXPECT_GT(lateCount, earlyCount);
    EXPECT_TRUE(OnlyRevealsInPlace(late));
}

TEST(RandomSquares, SquaresAreCentredOnTheGrid)
{
    const Bitmap f = StyleFrame(127, 1000, 750, 50);
    // Square edges fall on multiples of 22 (grid point +- s), or on the frame's edges.
    for (int y = 0; y < 750; ++y)
        for (int x = 1; x < 1000; ++x)
            if (IsNew(f, x, y) != IsNew(f, x - 1, y)) {
                ASSERT_EQ(x % 22, 0) << x << "," << y;
            }
}

TEST(RandomSquares, AFirstFrameWithoutChosenPointsLeavesTheOldPicture)
{
    // 9 x 5 at Step 4: S = 0 floored to 1, s = 1, 45 grid points; the seed is W x H.
    Random::Seed(45);
    bool anyZero = false;
    for (int k = 0; k < 45; ++k)
        anyZero |= Random::Next(100) == 0;
    ASSERT_FALSE(anyZero) << "pick another size for this case";
    EXPECT_EQ(StyleFrame(127, 9, 5, 1), OldScreen(9, 5));
}

TEST(Blinds, Style136SlatsKeepTheirPitchAndWidenWithProgress)
{
    const Bitmap f = StyleFrame(136, 1000, 750, 50); // n = 1000 div 44 = 22, slats 11 wide
    for (int x = 0; x < 1000; ++x)
        ASSERT_TRUE(x % 22 < 11 ? ColumnNew(f, x) : ColumnOld(f, x)) << x;
}

TEST(Blinds, Style138SlatsStartNarrowAndCloseTogether)
{
    const Bitmap f = StyleFrame(138, 1000, 750, 10); // X = 100, slats (100k, 0, 100k + 10, H)
    for (int x = 0; x < 1000; ++x)
        ASSERT_TRUE(x % 100 < 10 ? ColumnNew(f, x) : ColumnOld(f, x)) << x;
}

TEST(Blinds, Style139IncludesTheLeftmostPartialSlat)
{
    // p 45: X = 450, slats 202 wide from the right: (798, 1000), (348, 550), (-102, 100).
    const Bitmap f = StyleFrame(139, 1000, 750, 45);
    for (int x = 0; x < 1000; ++x) {
        const bool slat = x < 100 || (x >= 348 && x < 550) || x >= 798;
        ASSERT_TRUE(slat ? ColumnNew(f, x) : ColumnOld(f, x)) << x;
    }
}

TEST(Blinds, Style137OnAFlatStripWithAHugeStepShowsNothingUntilTheEnd)
{
    // 1024 x 40 with Step 10: n = 40 div 114 = 0, taken as 1; slats are 0 rows high.
    EXPECT_EQ(StyleFrame(137, 1024, 40, 50, 10), OldScreen(1024, 40));
}

TEST(Rectangles, Style145BandsGrowAboutTheMiddleOfEachPitch)
{
    // 1000 x 720, Step 4: n = 720 div 44 = 16, d = 4 at p 50: rows 4..11 of every 16.
    // The slats of style 138 at p 50 (X = 500): columns 0..249 and 500..749.
    const Bitmap f = StyleFrame(145, 1000, 720, 50);
    for (int y = 0; y < 720; ++y) {
        ASSERT_EQ(IsNew(f, 300, y), y % 16 >= 4 && y % 16 < 12) << y;
        ASSERT_TRUE(IsNew(f, 100, y)) << y;
    }
}
