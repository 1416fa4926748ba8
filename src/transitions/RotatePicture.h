#pragma once
#include "raster/Bitmap.h"

namespace vm {

// The picture turned by angle a about the pivot (Cx, Cy) laid over display; pixels
// outside the turned picture keep their content. Coordinates have y growing upward
// from the bottom edge; cos(-a) and sin(-a) become 16.16 factors once, and every
// pixel's source is an integer formula with an arithmetic shift (floor). The
// products are taken in 64 bits, which gives the 32-bit results wherever those
// fit (sides below 16384) and no wrap-around beyond. Both bitmaps the same size.
// With fast paths on, the destination is walked in tiles, so that the source
// pixels read stay in the cache whatever the angle, and each pixel's source is the
// previous one's plus the factors: the same pixels as the plain per-pixel walk.
void RotatePicture(Bitmap& Display, const Bitmap& Picture, int Cx, int Cy, double a);

} // namespace vm
