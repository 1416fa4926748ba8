// A frame's window shape and its bitmap: the non-transparent pixels, and a
// plain copy through the palette.
#include "PlayTestSupport.h"
#include "character/FrameBitmap.h"
#include "character/FrameRegion.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

constexpr uint8_t T = 7; // transparent

TAnimationImage TwoFrames()
{
    // Frame 0 | frame 1, 5 x 2 each.
    TAnimationImage image = testlib::Image(2, 5, 2);
    image.strip = {T, 1, 1, T, 1, /**/ 2, 2, 2, 2, 2, //
                   T, T, T, T, T, /**/ 2, T, 2, T, 2};
    return image;
}

TEST(FrameRegion, IsTheUnionOfTheRunsOfOpaquePixelsRowByRow)
{
    const TAnimationImage image = TwoFrames();
    const std::vector<Rect> frame0{{1, 0, 3, 1}, {4, 0, 5, 1}};
    const std::vector<Rect> frame1{{0, 0, 5, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {4, 1, 5, 2}};
    const Region region0 = FrameRegion(image, 0, T);
    EXPECT_EQ(region0, Region::UnionOf(frame0));
    EXPECT_EQ(FrameRegion(image, 1, T), Region::UnionOf(frame1));
    EXPECT_TRUE(region0.self_check());
    EXPECT_EQ(region0.Area(), 3);
}

TEST(FrameRegion, OfAWhollyTransparentFrameIsEmpty)
{
    TAnimationImage image = testlib::Image(1, 3, 2);
    image.strip.assign(6, T);
    EXPECT_TRUE(FrameRegion(image, 0, T).IsEmpty());
}

TEST(FrameBitmap, RowsArePaddedToFourBytesAndPaintThroughThePalette)
{
    const TPalette palette = testlib::Record({}).palette;
    TFrameBitmap bitmap;
    EXPECT_TRUE(bitmap.IsEmpty());
    bitmap.Prepare(5, 2, palette);
    EXPECT_EQ(bitmap.RowSize(), 8);
    bitmap.CopyFrame(TwoFrames(), 1);
    EXPECT_EQ(bitmap.IndexAt(1, 1), T);
    EXPECT_EQ(bitmap.IndexAt(2, 1), 2);

    const Pixel background = 0x00ABCDEF;
    Bitmap dc(7, 4, background);
    bitmap.PaintTo(dc, 1, 1);
    EXPECT_EQ(dc.At(0, 0), background);
    EXPECT_EQ(dc.At(1, 1), PixelFromColor(ColorOf(palette.entries[2])));
    EXPECT_EQ(dc.At(2, 2), PixelFromColor(ColorOf(palette.entries[T]))) << "a plain copy: the shape hides it";
    EXPECT_EQ(dc.At(6, 3), background);

    Bitmap clipped(3, 3, background);
    bitmap.PaintTo(clipped, -3, 2); // only its right two columns, top row, land inside
    EXPECT_EQ(clipped.At(0, 2), PixelFromColor(ColorOf(palette.entries[2])));
    EXPECT_EQ(clipped.At(2, 2), background);
}

TEST(FrameBitmap, ReleasedPaintsNothing)
{
    TFrameBitmap bitmap;
    bitmap.Prepare(5, 2, testlib::Record({}).palette);
    bitmap.Release();
    Bitmap dc(2, 2, 1);
    bitmap.PaintTo(dc, 0, 0);
    EXPECT_EQ(dc, Bitmap(2, 2, 1));
}

} // namespace
} // namespace vm
