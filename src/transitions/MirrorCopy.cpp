#include "transitions/MirrorCopy.h"

#include "raster/StretchCopy.h"

namespace vm {

void MirrorCopy(Bitmap& dest, const Rect& D, const Bitmap& source, const Rect& S, bool leftToRight, bool topToBottom)
{
    const Rect s = S.Intersected(source.Bounds());
    if (s.IsEmpty())
        return;
    // A negative extent counts back from the origin, so starting at D's far edge
    // covers D itself, reversed.
    const int dx = leftToRight ? D.Right : D.Left;
    const int dw = leftToRight ? D.Left - D.Right : D.Right - D.Left;
    const int dy = topToBottom ? D.Bottom : D.Top;
    const int dh = topToBottom ? D.Top - D.Bottom : D.Bottom - D.Top;
    StretchBlt(dest, dx, dy, dw, dh, source, s.Left, s.Top, s.Width(), s.Height());
}

} // namespace vm
