#pragma once
#include "raster/Bitmap.h"

namespace vm {

// Every colour byte of display becomes ((100 - p) * display + p * picture) div 100;
// the fourth byte of each display pixel is left alone. Both the same size; p 0..100.
// With fast paths on, the widest vector kernel this processor has, the same bytes.
void FadeBlend(Bitmap& Display, const Bitmap& Picture, int p);

// The kernels themselves, so that tests can hold each to the plain one.
enum class FadeKernel { Plain, Sse2, Avx2 };
bool FadeKernelAvailable(FadeKernel kernel);
void FadeBlendWith(FadeKernel kernel, Bitmap& Display, const Bitmap& Picture, int p);

} // namespace vm
