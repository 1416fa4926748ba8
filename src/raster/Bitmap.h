#pragma once
// A 32-bit bitmap: rows top to bottom, 4 bytes a pixel (blue, green, red, spare),
// which is what Qt calls Format_RGB32, so a QImage can wrap it without copying.
// A Bitmap only stores pixels; copies and clipped draws live in their own files.
#include "raster/Rect.h"

#include <cstdint>
#include <vector>

namespace vm {

using Pixel = uint32_t; // 0xXXRRGGBB

// A colour number 0x00BBGGRR (red in the low byte) as a pixel.
constexpr Pixel PixelFromColor(uint32_t color)
{
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Pixel fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
    Rect Bounds() const { return {0, 0, width_, height_}; }

    Pixel* Row(int y) { return pixels_.data() + size_t(y) * size_t(width_); }
    const Pixel* Row(int y) const { return pixels_.data() + size_t(y) * size_t(width_); }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    void Set(int x, int y, Pixel p) { Row(y)[x] = p; }
    Pixel* Data() { return pixels_.data(); }
    const Pixel* Data() const { return pixels_.data(); }
    size_t ByteCount() const { return pixels_.size() * sizeof(Pixel); }

    // New size; the pixels that stay inside keep their values, new ones are 0.
    void Resize(int width, int height);
    void Fill(Pixel p);
    void FillRect(Rect r, Pixel p); // clipped to the bitmap

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

// Unscaled copy of the whole of src with its top-left corner at (x, y), clipped to dst.
void Draw(Bitmap& dst, int x, int y, const Bitmap& src);

} // namespace vm
