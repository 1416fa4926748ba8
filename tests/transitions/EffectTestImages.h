#pragma once
// Pictures whose every pixel tells which image and which position it came from.
#include "raster/Bitmap.h"

namespace vm::test {

inline Pixel NewAt(int x, int y) { return Pixel(y * 4096 + x + 1); }
inline Pixel OldAt(int x, int y) { return 0x80000000u | Pixel(y * 4096 + x); }

inline Bitmap NewPicture(int w, int h)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Set(x, y, NewAt(x, y));
    return b;
}

inline Bitmap OldScreen(int w, int h)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Set(x, y, OldAt(x, y));
    return b;
}

} // namespace vm::test
