#pragma once
// The contract between the picture-show control and an effect: the style number,
// the procedure type, and the extents every effect derives its geometry from.
#include "raster/Bitmap.h"
#include "raster/Rect.h"

#include <cstdint>

namespace vm {

// 0 is "Custom" (the control's OnCustomDraw draws the frame); 1..150 are table entries.
using TShowStyle = uint8_t;
constexpr TShowStyle kMaxStyle = 150;

// Draws one frame at Progress (1..99) into Display, which holds the old-screen snapshot
// when called. Picture is the new picture, the same size. R is the frame rectangle
// (0, 0, W, H); an effect may narrow it to the part it changed. Step is 1..100.
// An effect keeps nothing between frames; it may draw from vm::Random.
using TEffectProc = void (*)(Bitmap& Display, const Bitmap& Picture, Rect& R, uint16_t Step, uint8_t Progress);

struct TEffect {
    const char* Name;
    TEffectProc Proc;
};

struct EffectExtents {
    int W = 0; // frame width and height
    int H = 0;
    int X = 0; // extents of the new picture at this progress
    int Y = 0;
    int S = 1; // band size, about one ninetieth of the longer side per step point
};

// X and Y from the longer side, carried over to the shorter in proportion.
// S is never below 1, so no effect divides by it or steps by 0 on tiny pictures;
// an empty frame gives all extents 0 (and S 1).
EffectExtents CalcEffectExtents(const Rect& R, int Step, int Progress);

} // namespace vm
