#pragma once
// Pure geometry and background drawing of the picture-show control.
#include "raster/Bitmap.h"

#include <cstdint>

namespace vm {

enum class TBackgroundMode { bmNone, bmTiled, bmStretched, bmCentered };

// Src scaled to fit Bounds keeping its proportions, centred; smaller pictures are
// enlarged. An empty Src gives an empty rectangle at Bounds' corner.
Rect AspectFit(const Rect& Src, const Rect& Bounds);

// (0, 0, w, h), moved to the middle of the client area when centred (negative
// offsets crop a larger picture evenly on both sides).
Rect PictureRectFor(int width, int height, bool center, int clientWidth, int clientHeight);

// G drawn repeatedly from R's corner, rows then columns, enough to cover R.
void TileDraw(Bitmap& canvas, const Rect& R, const Bitmap& G);

// R filled with color (a colour number), then the background picture as mode says.
void PaintBackground(Bitmap& canvas, const Rect& R, uint32_t color, const Bitmap& bgPicture, TBackgroundMode mode);

} // namespace vm
