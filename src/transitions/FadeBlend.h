#pragma once
#include "raster/Bitmap.h"

namespace vm {

// Every colour byte of display becomes ((100 - p) * display + p * picture) div 100;
// the fourth byte of each display pixel is left alone. Both the same size; p 0..100.
// With fast paths on, eight pixels at a time in the vector unit, the same bytes.
void FadeBlend(Bitmap& Display, const Bitmap& Picture, int p);

} // namespace vm
