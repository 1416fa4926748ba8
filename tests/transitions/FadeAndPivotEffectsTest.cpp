#include "EffectFrames.h"
#include "raster/FastPaths.h"
#include "transitions/FadeBlend.h"

#include <gtest/gtest.h>

#include <random>

using namespace vm;
using namespace vm::test;

TEST(Fade, BytesMixByProgressAndTheFourthIsKept)
{
    struct Case {
        int progress;
        Pixel old, now, want;
    };
    const Case cases[] = {
        {50, 0x7FC8C8C8, 0x11646464, 0x7F969696}, // 200 and 100 give 150
        {1, 0x7FC8C8C8, 0x11646464, 0x7FC7C7C7},  // 19900 + 100 = 20000: 199
        {99, 0x00FF0000, 0xFF00FF01, 0x0002FC00},
    };
    for (bool fast : {false, true}) {
        FastPathsScope scope(fast);
        for (const Case& c : cases) {
            Bitmap display(9, 2, c.old); // odd width: the vector loop's tail too
            FadeBlend(display, Bitmap(9, 2, c.now), c.progress);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 9; ++x)
                    ASSERT_EQ(display.At(x, y), c.want) << "p" << c.progress << " fast " << fast;
        }
    }
}

TEST(Fade, VectorKernelsEqualThePlainOneForEveryByteAndProgress)
{
    std::mt19937 rng(118);
    Bitmap old(257, 3), now(257, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 257; ++x)
            old.Set(x, y, rng()), now.Set(x, y, rng());
    // Every pair of byte values in the first row's blue bytes.
    for (int p = 0; p <= 100; ++p) {
        for (int a = 0; a < 256; a += 15) {
            for (int x = 0; x < 256; ++x)
                old.Set(x, 0, Pixel(a) | (Pixel(255 - a) << 8) | (Pixel(x) << 24)), now.Set(x, 0, Pixel(x) | (Pixel(x) << 16));
            Bitmap plain = old;
            FadeBlendWith(FadeKernel::Plain, plain, now, p);
            for (FadeKernel kernel : {FadeKernel::Sse2, FadeKernel::Avx2}) {
                if (!FadeKernelAvailable(kernel))
                    continue;
                Bitmap fast = old;
                FadeBlendWith(kernel, fast, now, p);
                ASSERT_EQ(plain, fast) << "p" << p << " a" << a << " kernel " << int(kernel);
            }
        }
    }
}

// Style 119 on 100 x 100 at p 50: a = pi/4, c = 46340, s = -46340.
TEST(Pivot, Style119TopLeftPixelComesFromColumn71Row69FromTheBottom)
{
    for (bool fast : {false, true}) {
        FastPathsScope scope(fast);
        const Bitmap f = StyleFrame(119, 100, 100, 50);
        EXPECT_EQ(f.At(0, 0), NewAt(71, 100 - 1 - 69)) << "fast " << fast;
        EXPECT_TRUE(IsOld(f, 99, 99)) << "sy = -72: outside, old content kept";
    }
}

TEST(Pivot, EachPivotCoversItsOwnCornerFirst)
{
    struct Case {
        int style;
        int coveredX, coveredY, oldX, oldY;
    };
    const Case cases[] = {
        {119, 0, 0, 399, 299},
        {120, 0, 299, 399, 0},
        {121, 399, 0, 0, 299},
        {122, 399, 299, 0, 0},
    };
    for (const Case& c : cases) {
        const Bitmap f = StyleFrame(c.style, 400, 300, 50);
        EXPECT_FALSE(IsOld(f, c.coveredX, c.coveredY)) << c.style;
        EXPECT_TRUE(IsOld(f, c.oldX, c.oldY)) << c.style;
    }
}

TEST(Pivot, AtP99ThePictureIsAlmostInPlace)
{
    const Bitmap f = StyleFrame(119, 400, 300, 99); // 0.9 degrees about (-1, -1), y upward
    int covered = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            covered += !IsOld(f, x, y);
    EXPECT_GT(covered, 400 * 300 * 97 / 100);
    const Pixel nearPivot = f.At(0, 299);
    ASSERT_FALSE(nearPivot & 0x80000000u);
    const int sx = int((nearPivot - 1) % 4096), sy = int((nearPivot - 1) / 4096);
    EXPECT_LE(std::abs(sx - 0) + std::abs(sy - 299), 2);
}
