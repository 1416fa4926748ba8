#pragma once
// Stretched copies between bitmaps: nearest pixel, never blended.
//
// Sampling rule. A destination of n columns taken from a source of m columns maps
// its k-th column from the left (k = 0 .. n-1) to source column
//     j = floor((2k + 1) * m / (2n))            (the source pixel under its centre)
// counted from the source's left edge, or from its right edge when the copy is
// mirrored. Rows likewise. So an equal-size copy is exact, an enlargement repeats
// columns evenly and a reduction drops them evenly.
//
// Extents are signed as in the platform call: origin o and extent e cover
// [o, o + e) when e > 0 and [o + e, o) when e < 0; a copy whose destination and
// source extents differ in sign is mirrored along that axis; a zero extent copies
// nothing. Either rectangle may reach beyond its bitmap: a destination pixel is
// written only when it lies inside dst and its sample lies inside src. dst and src
// may be the same bitmap; the copy then reads the pixels as they were before it.
#include "raster/Bitmap.h"

namespace vm {

void StretchBlt(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy, int sw, int sh);

// Rectangle S of src scaled into rectangle D of dst. A rectangle with right <= left
// or bottom <= top copies nothing (no mirroring through this form).
void StretchCopy(Bitmap& dst, const Rect& D, const Bitmap& src, const Rect& S);

// Same-size copy of rectangle S of src to D's origin (D = S in the effect tables).
void CopyRect(Bitmap& dst, const Rect& D, const Bitmap& src, const Rect& S);

} // namespace vm
