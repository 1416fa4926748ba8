#include "show/PictureLoader.h"

#include "support/TempDir.h"
#include "util/Error.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vm;

namespace {

std::string Save(const test::TempDir& dir, const std::string& name, const QImage& image, const char* format)
{
    const std::string path = dir / name;
    EXPECT_TRUE(image.save(QString::fromStdString(path), format)) << name;
    return path;
}

QImage Solid(int w, int h, QColor colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(w, h, format);
    image.fill(colour);
    return image;
}

// An uncompressed 24-bit Targa 2.0 file, which Qt reads but does not write.
std::string SaveTarga(const test::TempDir& dir, const std::string& name, int w, int h, QColor colour)
{
    std::string bytes(18, '\0');
    bytes[2] = 2; // true colour
    bytes[12] = char(w & 0xFF), bytes[13] = char(w >> 8);
    bytes[14] = char(h & 0xFF), bytes[15] = char(h >> 8);
    bytes[16] = 24;
    for (int i = 0; i < w * h; ++i)
        bytes += {char(colour.blue()), char(colour.green()), char(colour.red())};
    bytes += std::string(8, '\0') + "TRUEVISION-XFILE." + '\0'; // the reader wants the 2.0 footer
    const std::string path = dir / name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

} // namespace

TEST(PictureLoader, ReadsTheOtherFormatsByExtension)
{
    test::TempDir dir;
    struct Case { const char* name; const char* format; };
    for (const Case& c : {Case{"a.png", "PNG"}, Case{"b.bmp", "BMP"}, Case{"c.dib", "BMP"}, Case{"d.tif", "TIFF"},
                          Case{"e.ppm", "PPM"}, Case{"f.tga", nullptr}, Case{"g.vst", nullptr}}) {
        const QColor colour(200, 100, 50);
        const std::string path = c.format ? Save(dir, c.name, Solid(30, 20, colour), c.format)
                                          : SaveTarga(dir, c.name, 30, 20, colour);
        const Bitmap b = LoadPictureFitted(path, {1920, 1080});
        ASSERT_EQ(b.Width(), 30) << c.name;
        ASSERT_EQ(b.Height(), 20) << c.name;
        EXPECT_EQ(b.At(15, 10) & 0xFFFFFF, 0xC86432u) << c.name;
    }
}

TEST(PictureLoader, TransparentPartsBecomeBlack)
{
    test::TempDir dir;
    QImage icon = Solid(16, 16, Qt::transparent, QImage::Format_ARGB32);
    QPainter(&icon).fillRect(4, 4, 8, 8, QColor(255, 255, 255));
    const Bitmap b = LoadPictureFitted(Save(dir, "icon.png", icon, "PNG"), {1920, 1080});
    EXPECT_EQ(b.At(0, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(b.At(8, 8) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(PictureLoader, LargePicturesAreFittedSmallOnesKeptAsTheyAre)
{
    test::TempDir dir;
    const Bitmap big = LoadPictureFitted(Save(dir, "wide.png", Solid(3000, 1000, Qt::red), "PNG"), {1280, 1024});
    EXPECT_EQ(big.Width(), 1280);
    EXPECT_EQ(big.Height(), 427);
    const Bitmap jpeg = LoadPictureFitted(Save(dir, "tall.JPG", Solid(1000, 3000, Qt::blue), "JPG"), {1280, 1024});
    EXPECT_EQ(jpeg.Width(), 341);
    EXPECT_EQ(jpeg.Height(), 1024);
    const Bitmap icon = LoadPictureFitted(Save(dir, "small.png", Solid(16, 16, Qt::green), "PNG"), {1280, 1024});
    EXPECT_EQ(icon.Width(), 16);
}

TEST(PictureLoader, RescaleImageSamplesNearestPixels)
{
    Bitmap source(4, 2);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            source.Set(x, y, Pixel(x * 16 + y));
    const Bitmap fitted = RescaleImage(source, {2, 2});
    ASSERT_EQ(fitted.Width(), 2);
    ASSERT_EQ(fitted.Height(), 1);
    // Column k of 2 from 4 takes source column floor((2k+1)*4/4): 1 and 3; row 1 of 2.
    EXPECT_EQ(fitted.At(0, 0), Pixel(1 * 16 + 1));
    EXPECT_EQ(fitted.At(1, 0), Pixel(3 * 16 + 1));
    EXPECT_EQ(RescaleImage(source, {4, 2}), source);
}

TEST(PictureLoader, UndecodableFilesNameTheFile)
{
    test::TempDir dir;
    const std::string png = Save(dir, "really-a-png.jpg", Solid(8, 8, Qt::red), "PNG");
    EXPECT_THROW(LoadPictureFitted(png, {100, 100}), Error);
    const std::string junk = dir / "junk.png";
    { FILE* f = std::fopen(junk.c_str(), "wb"); std::fputs("not a picture", f); std::fclose(f); }
    try {
        LoadPictureFitted(junk, {100, 100});
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("junk.png"), std::string::npos);
    }
}
