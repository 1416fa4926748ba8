#include "ImageFiles.h"

#include "transitions/widget/RasterImage.h"
#include "util/Error.h"

#include <QImageReader>
#include <QString>

namespace vm::tool {
namespace {

std::string LowerExtension(const std::string& path)
{
    const auto dot = path.rfind('.');
    std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

} // namespace

Bitmap LoadImageFile(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    const QByteArray format = reader.format().toLower();
    const QImage image = reader.read();
    if (image.isNull())
        throw Error("can't read picture \"" + path + "\": " + reader.errorString().toStdString());
    if (format != "png" && format != "jpeg" && format != "jpg" && format != "bmp" && format != "ppm")
        throw Error("\"" + path + "\" is " + format.toStdString() + ", not PNG, JPEG, BMP or PPM");
    return BitmapFromImage(image);
}

void SaveImageFile(const Bitmap& image, const std::string& path)
{
    const std::string ext = LowerExtension(path);
    if (ext != "png" && ext != "ppm")
        throw Error("output \"" + path + "\" must end in .png or .ppm");
    if (!ImageOnBitmap(image).save(QString::fromStdString(path), ext == "png" ? "PNG" : "PPM"))
        throw Error("can't write \"" + path + "\"");
}

} // namespace vm::tool
