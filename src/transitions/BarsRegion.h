#pragma once
#include "raster/Region.h"

namespace vm {

// The union of bars 5 pixels thick (rows 10k..10k+4 even, 10k+5..10k+9 odd; columns
// likewise), cut to (0, 0, W, H). A is the extent of the row bars, B of the column
// bars. Kind 0: none of that orientation; 1 from the right (bottom); 2 from the left
// (top); 4 left then right (top then bottom) and 5 the other way, the odd bars
// following once the even ones pass the whole side; 3 the even bars from the right
// (bottom) and the odd ones from the left (top) at once. Within Band of the whole
// side the even bars snap to it.
Region BarsRegion(int A, int B, int W, int H, int Band, int HKind, int VKind);

} // namespace vm
