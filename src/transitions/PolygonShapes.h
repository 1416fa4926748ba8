#pragma once
// The shapes of the polygon reveals that take more than their corners.
#include "raster/Rect.h"

#include <vector>

namespace vm {

// The centre, then N points at radius R from Start in N equal angular steps toward End
// (the last one step short of End), each coordinate Round(...) plus the centre.
// Angles in radians; y grows downward, so a growing angle turns clockwise.
std::vector<Point> FanRegion(int Cx, int Cy, int R, double Start, double End, int N);

// Every point turned about (Cx, Cy) by angle, each coordinate rounded, halves to even.
void RotatePoints(std::vector<Point>& points, int Cx, int Cy, double angle);

} // namespace vm
