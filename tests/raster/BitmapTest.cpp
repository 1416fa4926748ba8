#include "raster/Bitmap.h"

#include <gtest/gtest.h>

using namespace vm;

TEST(Bitmap, ColourNumberBecomesPixel)
{
    EXPECT_EQ(PixelFromColor(0x00112233), 0x00332211u); // red low byte -> red in bits 16..23
}

TEST(Bitmap, ZeroSizedIsEmptyAndHoldsNothing)
{
    for (auto [w, h] : {std::pair{0, 0}, {0, 5}, {5, 0}, {-3, 4}}) {
        Bitmap b(w, h);
        EXPECT_TRUE(b.IsEmpty());
        EXPECT_EQ(b.ByteCount(), 0u);
    }
}

TEST(Bitmap, ResizeKeepsPixelsThatStayInside)
{
    Bitmap b(3, 2, 7);
    b.Set(2, 1, 9);
    b.Resize(4, 4);
    EXPECT_EQ(b.At(2, 1), 9u);
    EXPECT_EQ(b.At(0, 0), 7u);
    EXPECT_EQ(b.At(3, 3), 0u);
}

TEST(Bitmap, DrawIsClippedToTheDestination)
{
    Bitmap dst(4, 4, 0), src(3, 3, 5);
    Draw(dst, -1, 2, src);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst.At(x, y), (y >= 2 && x <= 1) ? 5u : 0u) << x << "," << y;
}

TEST(Bitmap, FillRectIsClipped)
{
    Bitmap b(3, 3, 0);
    b.FillRect({-5, 1, 2, 99}, 4);
    EXPECT_EQ(b.At(1, 2), 4u);
    EXPECT_EQ(b.At(2, 2), 0u);
    EXPECT_EQ(b.At(0, 0), 0u);
}
