#include "transitions/PicShowGeometry.h"

#include "raster/StretchCopy.h"
#include "util/MulDiv.h"

namespace vm {

Rect AspectFit(const Rect& Src, const Rect& Bounds)
{
    const int sw = Src.Width(), sh = Src.Height();
    const int bw = Bounds.Width(), bh = Bounds.Height();
    if (sw <= 0 || sh <= 0)
        return {Bounds.Left, Bounds.Top, Bounds.Left, Bounds.Top};
    int w, h;
    if (double(bh) / sh > double(bw) / sw) {
        w = bw;
        h = MulDiv(sh, bw, sw);
    } else {
        w = MulDiv(sw, bh, sh);
        h = bh;
    }
    return Rect{0, 0, w, h}.Translated(Bounds.Left + (bw - w) / 2, Bounds.Top + (bh - h) / 2);
}

Rect PictureRectFor(int width, int height, bool center, int clientWidth, int clientHeight)
{
    const Rect r{0, 0, width, height};
    return center ? r.Translated((clientWidth - width) / 2, (clientHeight - height) / 2) : r;
}

void TileDraw(Bitmap& canvas, const Rect& R, const Bitmap& G)
{
    if (G.IsEmpty() || R.IsEmpty())
        return;
    const int rows = R.Height() / G.Height() + 1;
    const int columns = R.Width() / G.Width() + 1;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            Draw(canvas, R.Left + c * G.Width(), R.Top + r * G.Height(), G);
}

void PaintBackground(Bitmap& canvas, const Rect& R, uint32_t color, const Bitmap& bgPicture, TBackgroundMode mode)
{
    canvas.FillRect(R, PixelFromColor(color));
    if (bgPicture.IsEmpty())
        return;
    switch (mode) {
    case TBackgroundMode::bmTiled:
        TileDraw(canvas, R, bgPicture);
        break;
    case TBackgroundMode::bmStretched:
        StretchCopy(canvas, R, bgPicture, bgPicture.Bounds());
        break;
    case TBackgroundMode::bmCentered: // from the canvas origin, not from R's corner
        Draw(canvas, (R.Width() - bgPicture.Width()) / 2, (R.Height() - bgPicture.Height()) / 2, bgPicture);
        break;
    case TBackgroundMode::bmNone:
        break;
    }
}

} // namespace vm
