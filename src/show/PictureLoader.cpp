#include "show/PictureLoader.h"

#include "raster/StretchCopy.h"
#include "show/JpegDecoder.h"
#include "util/DelphiText.h"
#include "util/Error.h"

#include <QImage>
#include <QImageReader>
#include <array>
#include <cstring>
#include <utility>

namespace vm {
namespace {

// Extensions whose reader Qt would not guess from the name.
constexpr std::array<std::pair<std::string_view, const char*>, 9> kReaderOf{{
    {".DIB", "bmp"}, {".RLE", "bmp"}, {".ICB", "tga"}, {".VDA", "tga"}, {".VST", "tga"}, {".WIN", "tga"},
    {".FAX", "tiff"}, {".TIF", "tiff"}, {".TIFF", "tiff"},
}};

std::string Extension(const std::string& path)
{
    const size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : UpperCase(path.substr(dot));
}

bool IsJpeg(const std::string& extension)
{
    return extension == ".JPG" || extension == ".JPEG" || extension == ".JPE" || extension == ".JFIF";
}

Bitmap LoadWithQt(const std::string& path, const std::string& extension)
{
    QImageReader reader(QString::fromStdString(path));
    for (auto [ext, format] : kReaderOf)
        if (ext == extension)
            reader.setFormat(format);
    QImage image = reader.read();
    if (image.isNull())
        throw Error("Cannot read the photo \"" + path + "\": " + reader.errorString().toStdString());
    if (image.hasAlphaChannel()) {
        QImage onBlack(image.size(), QImage::Format_RGB32);
        onBlack.fill(Qt::black);
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image.height(); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            auto* dst = reinterpret_cast<QRgb*>(onBlack.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                dst[x] = src[x] | 0xFF000000u; // premultiplied over black
        }
        image = std::move(onBlack);
    } else {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    Bitmap bitmap(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(bitmap.Row(y), image.constScanLine(y), size_t(image.width()) * sizeof(Pixel));
    return bitmap;
}

} // namespace

Bitmap RescaleImage(const Bitmap& source, PictureSize screen)
{
    const PictureSize size{source.Width(), source.Height()};
    const PictureSize fitted = FittedSize(size, screen);
    if (fitted == size)
        return source;
    Bitmap target(fitted.width, fitted.height);
    StretchBlt(target, 0, 0, fitted.width, fitted.height, source, 0, 0, size.width, size.height);
    return target;
}

Bitmap LoadPictureFitted(const std::string& path, PictureSize screen)
{
    const std::string extension = Extension(path);
    if (IsJpeg(extension))
        return LoadJpegFitted(path, screen);
    return RescaleImage(LoadWithQt(path, extension), screen);
}

} // namespace vm
