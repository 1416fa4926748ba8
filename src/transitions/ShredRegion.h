#pragma once
#include "raster/Region.h"

namespace vm {

// Strips 5 pixels thick (plus H mod 5, or W mod 5, so that the last one reaches the
// edge) whose ends jitter around the front by the difference of two draws of
// Random(side div 7), cut to (0, 0, W, H). A is the extent of the row strips, B of
// the column strips. Kind 0: none; 1 from the right (bottom); 2 from the left (top);
// 3 out from the middle line; 4 in from both sides to the middle. Draws r1, r2 (and
// r3, r4 for kinds 3 and 4) per strip, rows before columns.
Region ShredRegion(int A, int B, int W, int H, int HKind, int VKind);

} // namespace vm
