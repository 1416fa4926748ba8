#pragma once
// The window shape of a frame: every pixel that is not transparent.
#include "character/AnimationImage.h"
#include "raster/Region.h"

namespace vm {

// Row by row, each maximal run of pixels from column a to b whose index is not
// `transparent` adds the rectangle (a, y)-(b + 1, y + 1).
Region FrameRegion(const TAnimationImage& image, int frame, uint8_t transparent);

} // namespace vm
