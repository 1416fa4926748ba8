#pragma once
// The engine's frame bitmap: 8 bits a pixel with the actor's palette, rows
// padded to a multiple of 4 bytes as a device-independent bitmap keeps them.
// Plain data: the engine guards it with its canvas lock.
#include "character/AnimationImage.h"
#include "character/oaTypes.h"
#include "raster/Bitmap.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vm {

class TFrameBitmap {
public:
    // Sizes the bitmap (all pixels index 0) and takes a copy of the palette.
    void Prepare(int width, int height, const TPalette& palette);
    // Drops image and palette: the bitmap is empty again.
    void Release();
    bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int RowSize() const { return rowSize_; }
    uint8_t IndexAt(int x, int y) const { return pixels_[size_t(y) * size_t(rowSize_) + size_t(x)]; }

    // Copies frame `frame` of the image row by row, top row first; where the
    // sizes differ, what both have.
    void CopyFrame(const TAnimationImage& image, int frame);
    // Plain copy of the whole bitmap with its top-left corner at (x, y),
    // through the palette, clipped to dc; nothing when empty.
    void PaintTo(Bitmap& dc, int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    int rowSize_ = 0;
    std::vector<uint8_t> pixels_;
    std::array<Pixel, kPaletteEntryCount> colours_{};
};

} // namespace vm
