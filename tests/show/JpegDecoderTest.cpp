#include "show/JpegDecoder.h"

#include "raster/StretchCopy.h"
#include "util/Error.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace vm;

namespace {

std::string Fixture(const char* name) { return std::string(VM_SOURCE_DIR) + "/tests/show/fixtures/" + name; }

const PictureSize kHuge{100000, 100000}; // a screen nothing exceeds: decoded at full size

int Channel(Pixel p, int shift) { return int((p >> shift) & 0xFF); }

double MeanDifference(const Bitmap& a, const Bitmap& b)
{
    double sum = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int shift : {0, 8, 16})
                sum += std::abs(Channel(a.At(x, y), shift) - Channel(b.At(x, y), shift));
    return sum / (3.0 * a.Width() * a.Height());
}

} // namespace

TEST(JpegScaleFor, SmallestEighthThatStillCoversTheFittedSize)
{
    EXPECT_EQ(JpegScaleFor({4000, 3000}, {1280, 960}), 3);
    EXPECT_EQ(JpegScaleFor({6000, 4000}, {1620, 1080}), 3);
    EXPECT_EQ(JpegScaleFor({1920, 1080}, {1920, 1080}), 8);
    EXPECT_EQ(JpegScaleFor({1025, 768}, {1024, 767}), 8);
    EXPECT_EQ(JpegScaleFor({8000, 8000}, {1000, 1000}), 1);
    EXPECT_EQ(JpegScaleFor({1, 20000}, {1, 1080}), 1);
}

TEST(JpegDecoder, APhotoThatFitsComesOutAtItsOwnSize)
{
    EXPECT_EQ(JpegSize(Fixture("photo.jpg")), (PictureSize{40, 30}));
    const Bitmap photo = LoadJpegFitted(Fixture("photo.jpg"), {1920, 1080});
    EXPECT_EQ(photo.Width(), 40);
    EXPECT_EQ(photo.Height(), 30);
    EXPECT_EQ(photo, LoadJpegFitted(Fixture("photo.jpg"), kHuge));
}

TEST(JpegDecoder, ALargePhotoIsDecodedScaledToExactlyItsFittedSize)
{
    const Bitmap fitted = LoadJpegFitted(Fixture("large.jpg"), {1280, 1024});
    ASSERT_EQ(fitted.Width(), 1280);
    ASSERT_EQ(fitted.Height(), 960);

    // Against a full-size decode, then the nearest-pixel fit: the same picture.
    const Bitmap full = LoadJpegFitted(Fixture("large.jpg"), kHuge);
    ASSERT_EQ(full.Width(), 4000);
    Bitmap reference(1280, 960);
    StretchBlt(reference, 0, 0, 1280, 960, full, 0, 0, 4000, 3000);
    EXPECT_LT(MeanDifference(fitted, reference), 3.0);
}

TEST(JpegDecoder, GreyCmykAndProgressivePhotosDecodeToColour)
{
    const Bitmap gray = LoadJpegFitted(Fixture("gray.jpg"), kHuge);
    EXPECT_NEAR(Channel(gray.At(0, 0), 16), 255, 3); // white top
    EXPECT_EQ(Channel(gray.At(5, 11), 0), Channel(gray.At(5, 11), 16));

    const Bitmap cmyk = LoadJpegFitted(Fixture("cmyk.jpg"), kHuge);
    ASSERT_EQ(cmyk.Width(), 16);
    EXPECT_GT(Channel(cmyk.At(8, 6), 16), 200); // red
    EXPECT_LT(Channel(cmyk.At(8, 6), 8), 60);
    EXPECT_LT(Channel(cmyk.At(8, 6), 0), 60);

    const Bitmap progressive = LoadJpegFitted(Fixture("progressive.jpg"), {20, 20});
    EXPECT_EQ(progressive.Width(), 20);
    EXPECT_EQ(progressive.Height(), 15);
}

TEST(JpegDecoder, ATruncatedPhotoShowsWhatArrived)
{
    const Bitmap part = LoadJpegFitted(Fixture("truncated.jpg"), kHuge);
    EXPECT_EQ(part.Width(), 40);
    EXPECT_EQ(part.Height(), 30);
}

TEST(JpegDecoder, UndecodableFilesRaiseAnErrorThatNamesThem)
{
    for (const char* name : {"png-named.jpg", "empty.jpg", "missing.jpg"}) {
        try {
            LoadJpegFitted(Fixture(name), {1920, 1080});
            ADD_FAILURE() << name << " decoded";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

TEST(JpegDecoder, AHugeHeaderWithoutDataNeverAllocatesTheFullPicture)
{
    // A 20000 x 20000 header followed by little data: refused or decoded
    // small, never a 1.6-gigabyte bitmap.
    std::vector<uint8_t> bytes;
    {
        FILE* f = std::fopen(Fixture("photo.jpg").c_str(), "rb");
        ASSERT_NE(f, nullptr);
        uint8_t buffer[4096];
        size_t n = std::fread(buffer, 1, sizeof buffer, f);
        std::fclose(f);
        bytes.assign(buffer, buffer + n);
    }
    for (size_t i = 0; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
            bytes[i + 5] = 0x4E; bytes[i + 6] = 0x20; // height 20000
            bytes[i + 7] = 0x4E; bytes[i + 8] = 0x20; // width 20000
            break;
        }
    try {
        const Bitmap b = DecodeJpegFitted(bytes.data(), bytes.size(), {640, 480}, "huge");
        EXPECT_EQ(b.Width(), 480);
        EXPECT_EQ(b.Height(), 480);
    } catch (const Error&) {
        SUCCEED();
    }
}
