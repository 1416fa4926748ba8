#include "show/FitPicture.h"

#include "util/MulDiv.h"

#include <algorithm>

namespace vm {

PictureSize FittedSize(PictureSize picture, PictureSize screen)
{
    const auto [w, h] = picture;
    const auto [sw, sh] = screen;
    if (w <= sw && h <= sh)
        return picture;
    // Compared as floating-point quotients; equal quotients take the second branch.
    // A side that rounds to nothing keeps one pixel, so no photo vanishes.
    if (double(sh) / h > double(sw) / w)
        return {sw, std::max(1, MulDiv(h, sw, w))};
    return {std::max(1, MulDiv(w, sh, h)), sh};
}

} // namespace vm
