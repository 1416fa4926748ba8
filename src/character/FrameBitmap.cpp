#include "character/FrameBitmap.h"

#include <algorithm>
#include <cstring>

namespace vm {

void TFrameBitmap::Prepare(int width, int height, const TPalette& palette)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    rowSize_ = (width_ + 3) / 4 * 4;
    pixels_.assign(size_t(rowSize_) * size_t(height_), 0);
    for (size_t i = 0; i < kPaletteEntryCount; ++i)
        colours_[i] = PixelFromColor(ColorOf(palette.entries[i]));
}

void TFrameBitmap::Release()
{
    width_ = height_ = rowSize_ = 0;
    pixels_.clear();
    pixels_.shrink_to_fit();
    colours_.fill(0);
}

void TFrameBitmap::CopyFrame(const TAnimationImage& image, int frame)
{
    if (frame < 0 || frame >= image.frameCount)
        return;
    const int rows = std::min(height_, int(image.frameHeight));
    const size_t columns = size_t(std::min(width_, int(image.frameWidth)));
    for (int y = 0; y < rows; ++y)
        std::memcpy(&pixels_[size_t(y) * size_t(rowSize_)], image.FrameRow(frame, y).data(), columns);
}

void TFrameBitmap::PaintTo(Bitmap& dc, int x, int y) const
{
    if (IsEmpty())
        return;
    const Rect target = Rect{x, y, x + width_, y + height_}.Intersected(dc.Bounds());
    for (int ty = target.Top; ty < target.Bottom; ++ty) {
        const uint8_t* source = &pixels_[size_t(ty - y) * size_t(rowSize_)];
        Pixel* row = dc.Row(ty);
        for (int tx = target.Left; tx < target.Right; ++tx)
            row[tx] = colours_[source[tx - x]];
    }
}

} // namespace vm
