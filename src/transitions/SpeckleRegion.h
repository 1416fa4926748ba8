#pragma once
#include "raster/Region.h"

namespace vm {

// A solid front at extent A from the right (HKind 1) or the left (other kinds), and
// square cells in the zone of W div 10 ahead of it, cell i ahead added when
// Random(i) <= (1 if i is in the nearer three quarters of the zone, else 0);
// likewise in columns with B and VKind. Cut to (0, 0, W, H).
Region SpeckleRegion(int A, int B, int W, int H, int HKind, int VKind);

} // namespace vm
