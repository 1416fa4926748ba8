#pragma once
// The effect procedures of each family, in style order; the catalogue puts them
// under their numbers and names.
#include "transitions/Effect.h"

#include <array>

namespace vm {

extern const std::array<TEffectProc, 57> kCopyingEffects; // styles 1..57
extern const std::array<TEffectProc, 8> kPushingEffects;  // styles 128..135

// Stand-in for the styles whose families are not drawn yet: the new picture whole.
void DrawNewPictureWhole(Bitmap& Display, const Bitmap& Picture, Rect& R, uint16_t Step, uint8_t Progress);

} // namespace vm
