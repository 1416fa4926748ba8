#include "EffectTestImages.h"
#include "transitions/EffectCatalogue.h"

#include <gtest/gtest.h>

using namespace vm;
using vm::test::NewAt;
using vm::test::OldAt;

namespace {

// One frame of a style on a W x H picture, starting from the old screen.
Bitmap Frame(int style, int w, int h, int progress, int step = 4)
{
    Bitmap display = test::OldScreen(w, h);
    const Bitmap picture = test::NewPicture(w, h);
    Rect r{0, 0, w, h};
    Effects()[size_t(style - 1)].Proc(display, picture, r, uint16_t(step), uint8_t(progress));
    EXPECT_EQ(r, (Rect{0, 0, w, h})) << "no style narrows the frame rectangle";
    return display;
}

bool ColumnIsOld(const Bitmap& b, int x)
{
    for (int y = 0; y < b.Height(); ++y)
        if (b.At(x, y) != OldAt(x, y))
            return false;
    return true;
}

bool ColumnIsNew(const Bitmap& b, int x, int sourceX)
{
    for (int y = 0; y < b.Height(); ++y)
        if (b.At(x, y) != NewAt(sourceX, y))
            return false;
    return true;
}

} // namespace

// 1000 x 800 at p 25: X = 250, Y = 200.
TEST(CopyEffects, Style1SqueezesTheWholePictureIntoTheRightQuarter)
{
    const Bitmap f = Frame(1, 1000, 800, 25);
    EXPECT_TRUE(ColumnIsOld(f, 749));
    for (int k = 0; k < 250; ++k)
        ASSERT_TRUE(ColumnIsNew(f, 750 + k, 4 * k + 2)) << k; // every fourth column, centre-sampled
}

TEST(CopyEffects, Style9ShowsTheMiddleOfItsSourceEnlargedTenTimes)
{
    // (375, 0, 625, 800) into (-750, 0, 1750, 800): the frame sees source columns 450..549.
    const Bitmap f = Frame(9, 1000, 800, 25);
    EXPECT_TRUE(ColumnIsNew(f, 0, 450));
    EXPECT_TRUE(ColumnIsNew(f, 9, 450));
    EXPECT_TRUE(ColumnIsNew(f, 10, 451));
    EXPECT_TRUE(ColumnIsNew(f, 500, 500));
    EXPECT_TRUE(ColumnIsNew(f, 999, 549));
}

TEST(CopyEffects, Style12RevealsBothSides)
{
    const Bitmap f = Frame(12, 1000, 800, 25);
    for (int x = 0; x < 1000; ++x) {
        const bool revealed = x < 126 || x >= 874;
        ASSERT_EQ(revealed ? ColumnIsNew(f, x, x) : ColumnIsOld(f, x), true) << x;
    }
}

TEST(CopyEffects, Style14RollsAMirroredStripInFrontOfTheRevealedPart)
{
    struct Case {
        int progress, x, roll;
    };
    for (const Case c : {Case{10, 100, 50}, Case{50, 500, 100}, Case{90, 900, 50}}) {
        const Bitmap f = Frame(14, 1000, 800, c.progress);
        const int e = c.x + c.roll;
        EXPECT_TRUE(ColumnIsNew(f, c.x - 1, c.x - 1));
        for (int k = 0; k < c.roll; ++k) { // D = (X, E) shows S = (E, 2E - X) mirrored
            ASSERT_TRUE(ColumnIsNew(f, c.x + k, 2 * e - c.x - 1 - k)) << "p" << c.progress << " k" << k;
        }
        if (e < 1000) {
            EXPECT_TRUE(ColumnIsOld(f, e));
        }
    }
}

TEST(CopyEffects, Style16SmearsTheStripAfterTheRevealedPart)
{
    // Step 4 on a 1000-wide picture: S = 44, strip W div S = 22 columns.
    const Bitmap half = Frame(16, 1000, 800, 50);
    EXPECT_TRUE(ColumnIsNew(half, 499, 499));
    EXPECT_TRUE(ColumnIsNew(half, 500, 500));
    EXPECT_TRUE(ColumnIsNew(half, 999, 521)); // the strip's last column
    // Near the end the strip is cut at the right edge: (990, 1000) <- (990, 1000).
    const Bitmap end = Frame(16, 1000, 800, 99);
    for (int x = 990; x < 1000; ++x)
        EXPECT_TRUE(ColumnIsNew(end, x, x));
}

TEST(CopyEffects, Style2WithZeroExtentLeavesTheFrameUnchanged)
{
    EXPECT_EQ(Frame(2, 40, 30, 1), test::OldScreen(40, 30)); // X = 0
}

TEST(PushEffects, Style128AtHalfwayShowsOldLeftHalfRightAndNewRightHalfLeft)
{
    const Bitmap f = Frame(128, 1000, 800, 50);
    for (int x = 0; x < 500; ++x) {
        ASSERT_TRUE(ColumnIsNew(f, x, 500 + x)) << x;
        for (int y = 0; y < 800; y += 97)
            ASSERT_EQ(f.At(500 + x, y), OldAt(x, y)) << x;
    }
}

TEST(PushEffects, SqueezeScalesTheWholeOldPictureIntoWhatIsLeft)
{
    const Bitmap f = Frame(134, 100, 200, 50); // portrait: Y = 100, old full into (0, 100, 100, 200)
    for (int k = 0; k < 100; ++k)
        ASSERT_EQ(f.At(37, 100 + k), OldAt(37, 2 * k + 1)) << k;
    EXPECT_EQ(f.At(37, 0), NewAt(37, 100));
}

// Tiny and elongated pictures at every style and step draw without crashing or hanging.
TEST(AllEffects, DegeneratePicturesDrawAtEveryStyleAndStep)
{
    const std::pair<int, int> sizes[] = {{0, 0}, {1, 1}, {1, 4000}, {4000, 1}, {2, 3}};
    for (auto [w, h] : sizes) {
        const Bitmap picture = test::NewPicture(w, h);
        Bitmap display = test::OldScreen(w, h);
        for (int style = 1; style <= 150; ++style)
            for (int step = 1; step <= 100; ++step)
                for (int progress : {1, 2, 33, 50, 67, 98, 99}) {
                    Rect r{0, 0, w, h};
                    Effects()[size_t(style - 1)].Proc(display, picture, r, uint16_t(step), uint8_t(progress));
                }
    }
    SUCCEED();
}

// Very long, thin pictures: loops that step by a pitch, shapes far outside the frame
// (stars and fans many times the short side) and grids of thousands of points stay
// bounded by the picture, at small and large Steps alike.
TEST(AllEffects, HugeThinPicturesDrawAtEveryStyle)
{
    const std::pair<int, int> sizes[] = {{40000, 2}, {2, 40000}, {16384, 9}};
    for (auto [w, h] : sizes) {
        const Bitmap picture = test::NewPicture(w, h);
        Bitmap display = test::OldScreen(w, h);
        for (int style = 1; style <= 150; ++style)
            for (int step : {1, 3, 10, 34, 100})
                for (int progress : {1, 50, 99}) {
                    Rect r{0, 0, w, h};
                    Effects()[size_t(style - 1)].Proc(display, picture, r, uint16_t(step), uint8_t(progress));
                }
    }
    SUCCEED();
}
