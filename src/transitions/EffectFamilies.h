#pragma once
// The effect procedures of each family; the catalogue puts them under their numbers
// and names. Families whose numbers run without a gap are lists in style order; the
// others carry their numbers.
#include "transitions/Effect.h"

#include <array>
#include <span>

namespace vm {

struct NumberedEffect {
    int style;
    TEffectProc proc;
};

extern const std::array<TEffectProc, 57> kCopyingEffects; // styles 1..57
extern const std::array<TEffectProc, 8> kPushingEffects;  // styles 128..135

// Styles 58, 59, 69, 70, 80-85: rounded-rectangle regions.
std::span<const NumberedEffect> CurvedEffects();
// Styles 60-64, 71-75, 86-99: interleaved bars.
std::span<const NumberedEffect> BarEffects();
// Styles 65-68, 76-79, 100-109: strips with random ragged ends.
std::span<const NumberedEffect> ShredEffects();
// Styles 123-126: a solid front with random cells ahead of it.
std::span<const NumberedEffect> SpeckleEffects();
// Styles 127, 136-141, 145-148: random squares, blinds and rectangles.
std::span<const NumberedEffect> SquareAndBlindEffects();
// Styles 110-117, 142-144, 149, 150: polygon regions.
std::span<const NumberedEffect> PolygonEffects();
// Styles 118-122: per-pixel fade and pivots.
std::span<const NumberedEffect> FadeAndPivotEffects();

} // namespace vm
