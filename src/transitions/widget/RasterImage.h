#pragma once
// Between our bitmaps and Qt images. Our pixel layout is Qt's Format_RGB32.
#include "raster/Bitmap.h"

#include <QImage>

#include <cstring>

namespace vm {

// A QImage over the bitmap's own memory (no copy); valid while the bitmap is unchanged.
inline QImage ImageOnBitmap(const Bitmap& b)
{
    if (b.IsEmpty())
        return {};
    return QImage(reinterpret_cast<const uchar*>(b.Data()), b.Width(), b.Height(), b.Width() * 4,
                  QImage::Format_RGB32);
}

inline Bitmap BitmapFromImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap b(rgb.width(), rgb.height());
    for (int y = 0; y < b.Height(); ++y)
        std::memcpy(b.Row(y), rgb.constScanLine(y), size_t(b.Width()) * 4);
    return b;
}

} // namespace vm
