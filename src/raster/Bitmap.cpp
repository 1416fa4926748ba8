#include "raster/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace vm {

Bitmap::Bitmap(int width, int height, Pixel fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(size_t(width_) * size_t(height_), fill)
{
    if (width_ == 0 || height_ == 0)
        width_ = height_ = 0, pixels_.clear();
}

void Bitmap::Resize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    Bitmap next(width, height);
    Draw(next, 0, 0, *this);
    *this = std::move(next);
}

void Bitmap::Fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

void Bitmap::FillRect(Rect r, Pixel p)
{
    r = r.Intersected(Bounds());
    if (r.IsEmpty())
        return;
    for (int y = r.Top; y < r.Bottom; ++y)
        std::fill(Row(y) + r.Left, Row(y) + r.Right, p);
}

void Draw(Bitmap& dst, int x, int y, const Bitmap& src)
{
    const Rect area = dst.Bounds().Intersected(src.Bounds().Translated(x, y));
    if (area.IsEmpty())
        return;
    const size_t bytes = size_t(area.Width()) * sizeof(Pixel);
    for (int row = area.Top; row < area.Bottom; ++row)
        std::memcpy(dst.Row(row) + area.Left, src.Row(row - y) + (area.Left - x), bytes);
}

} // namespace vm
