#pragma once
// One effect frame over the test pictures, and what a pixel of it shows.
#include "EffectTestImages.h"
#include "transitions/EffectCatalogue.h"

#include <cstdint>

namespace vm::test {

// One frame of a style on a W x H picture, starting from the old screen.
inline Bitmap StyleFrame(int style, int w, int h, int progress, int step = 4)
{
    Bitmap display = OldScreen(w, h);
    const Bitmap picture = NewPicture(w, h);
    Rect r{0, 0, w, h};
    Effects()[size_t(style - 1)].Proc(display, picture, r, uint16_t(step), uint8_t(progress));
    return display;
}

inline bool IsNew(const Bitmap& b, int x, int y) { return b.At(x, y) == NewAt(x, y); }
inline bool IsOld(const Bitmap& b, int x, int y) { return b.At(x, y) == OldAt(x, y); }

// Every pixel is either new or old in its place (a region style moves nothing).
inline bool OnlyRevealsInPlace(const Bitmap& b)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (!IsNew(b, x, y) && !IsOld(b, x, y))
                return false;
    return true;
}

// The new pixels of row y as text: '#' new, '.' old, for readable failures.
inline std::string RowPattern(const Bitmap& b, int y, int from, int to)
{
    std::string s;
    for (int x = from; x < to; ++x)
        s += IsNew(b, x, y) ? '#' : '.';
    return s;
}

inline uint64_t Checksum(const Bitmap& b)
{
    uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            h = (h ^ b.At(x, y)) * 1099511628211ull;
    return h;
}

} // namespace vm::test
