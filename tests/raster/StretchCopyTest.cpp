#include "raster/StretchCopy.h"

#include <gtest/gtest.h>

#include <random>

using namespace vm;

namespace {

// Every pixel tells where it came from.
Bitmap Numbered(int w, int h)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Set(x, y, Pixel(1000 * y + x + 1));
    return b;
}

// The documented sampling rule, one pixel at a time.
void ReferenceBlt(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy, int sw, int sh)
{
    if (!dw || !dh || !sw || !sh)
        return;
    const Bitmap in = src;
    auto axis = [](int o, int e, int so, int se, int d, int& s) {
        const int64_t start = e > 0 ? o : o + e, n = std::abs(e), m = std::abs(se);
        const int64_t k = d - start;
        if (k < 0 || k >= n)
            return false;
        int64_t j = (2 * k + 1) * m / (2 * n);
        if ((e > 0) != (se > 0))
            j = m - 1 - j;
        s = int((se > 0 ? so : so + se) + j);
        return true;
    };
    for (int y = 0; y < dst.Height(); ++y)
        for (int x = 0; x < dst.Width(); ++x) {
            int u, v;
            if (axis(dx, dw, sx, sw, x, u) && axis(dy, dh, sy, sh, y, v) && u >= 0 && v >= 0 && u < in.Width() &&
                v < in.Height())
                dst.Set(x, y, in.At(u, v));
        }
}

} // namespace

TEST(StretchCopy, EqualSizesCopyExactly)
{
    const Bitmap src = Numbered(6, 4);
    Bitmap dst(6, 4);
    StretchCopy(dst, {1, 1, 4, 3}, src, {2, 0, 5, 2});
    EXPECT_EQ(dst.At(1, 1), src.At(2, 0));
    EXPECT_EQ(dst.At(3, 2), src.At(4, 1));
    EXPECT_EQ(dst.At(0, 0), 0u);
    EXPECT_EQ(dst.At(4, 1), 0u);
}

TEST(StretchCopy, EnlargingRepeatsAndReducingDropsColumnsEvenly)
{
    const Bitmap src = Numbered(4, 1);
    Bitmap wide(8, 1);
    StretchCopy(wide, {0, 0, 8, 1}, src, {0, 0, 4, 1});
    const Pixel doubled[] = {1, 1, 2, 2, 3, 3, 4, 4};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(wide.At(x, 0), doubled[x]);
    Bitmap narrow(2, 1);
    StretchCopy(narrow, {0, 0, 2, 1}, src, {0, 0, 4, 1});
    EXPECT_EQ(narrow.At(0, 0), 2u); // centre of columns 0..1 lies in column 1
    EXPECT_EQ(narrow.At(1, 0), 4u);
}

TEST(StretchCopy, NegativeExtentMirrors)
{
    const Bitmap src = Numbered(4, 2);
    Bitmap dst(4, 2);
    StretchBlt(dst, 4, 0, -4, 2, src, 0, 0, 4, 2);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(dst.At(x, 1), src.At(3 - x, 1));
    Bitmap flipped(4, 2);
    StretchBlt(flipped, 0, 2, 4, -2, src, 0, 0, 4, 2);
    EXPECT_EQ(flipped.At(0, 0), src.At(0, 1));
}

TEST(StretchCopy, ZeroOrInvertedRectanglesCopyNothing)
{
    const Bitmap src = Numbered(4, 4);
    const Bitmap blank(4, 4);
    for (Rect d : {Rect{2, 0, 2, 4}, Rect{0, 3, 4, 3}, Rect{3, 0, 1, 4}}) {
        Bitmap dst(4, 4);
        StretchCopy(dst, d, src, {0, 0, 4, 4});
        EXPECT_EQ(dst, blank);
        StretchCopy(dst, {0, 0, 4, 4}, src, d);
        EXPECT_EQ(dst, blank);
    }
}

// Clipping to both bitmaps must not move the mapping: compare with the per-pixel rule
// on random rectangles reaching beyond both bitmaps, mirrored or not.
TEST(StretchCopy, MatchesThePerPixelRuleOnRandomCopies)
{
    std::mt19937 rng(20261210);
    auto r = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const Bitmap src = Numbered(13, 9);
    for (int round = 0; round < 3000; ++round) {
        Bitmap fast(11, 7, 0xFF), slow(11, 7, 0xFF);
        int a[8] = {r(-15, 15), r(-10, 10), r(-25, 25), r(-18, 18), r(-15, 20), r(-10, 12), r(-25, 25), r(-18, 18)};
        StretchBlt(fast, a[0], a[1], a[2], a[3], src, a[4], a[5], a[6], a[7]);
        ReferenceBlt(slow, a[0], a[1], a[2], a[3], src, a[4], a[5], a[6], a[7]);
        ASSERT_EQ(fast, slow) << "round " << round;
    }
}

TEST(StretchCopy, CopyWithinOneBitmapReadsThePixelsBeforeTheCopy)
{
    std::mt19937 rng(7);
    auto r = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 2000; ++round) {
        Bitmap self = Numbered(12, 10);
        Bitmap expected = self;
        const Bitmap before = self;
        int a[8] = {r(-4, 12), r(-4, 10), r(-14, 14), r(-12, 12), r(-4, 12), r(-4, 10), r(-14, 14), r(-12, 12)};
        if (round % 2) // half of them plain moves, which take the in-place path
            a[6] = a[2], a[7] = a[3];
        StretchBlt(expected, a[0], a[1], a[2], a[3], before, a[4], a[5], a[6], a[7]);
        StretchBlt(self, a[0], a[1], a[2], a[3], self, a[4], a[5], a[6], a[7]);
        ASSERT_EQ(self, expected) << "round " << round;
    }
}

TEST(StretchCopy, HugeExtentsStayBounded)
{
    const Bitmap src = Numbered(3, 3);
    Bitmap dst(3, 3);
    StretchBlt(dst, -2000000000, 0, 2100000000, 3, src, 0, 0, 3, 3);
    StretchBlt(dst, 0, 0, 3, 3, src, -2000000000, 0, 2100000000, 3);
    SUCCEED();
}
