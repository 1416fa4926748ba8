// Styles 118-122: per-pixel work. The fade mixes old and new by the progress; the
// pivots swing the new picture into place about a point just outside a corner, like
// a door closing, from nearly a quarter turn at the first frames to none.
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"
#include "transitions/FadeBlend.h"
#include "transitions/RotatePicture.h"

#include <numbers>

namespace vm {
namespace {

constexpr double pi = std::numbers::pi;

// Pivots with y upward: Cy = -1 lies below the bottom edge, Cy = H at the top edge.
constexpr NumberedDraw kFadeAndPivot[] = {
    {118, [](EffectFrame& f) { FadeBlend(f.display, f.picture, f.progress); }},
    {119, [](EffectFrame& f) { RotatePicture(f.display, f.picture, -1, -1, (100 - f.progress) * pi / 200); }},
    {120, [](EffectFrame& f) { RotatePicture(f.display, f.picture, -1, f.H, (f.progress - 100) * pi / 200); }},
    {121, [](EffectFrame& f) { RotatePicture(f.display, f.picture, f.W, -1, (f.progress - 100) * pi / 200); }},
    {122, [](EffectFrame& f) { RotatePicture(f.display, f.picture, f.W, f.H, (100 - f.progress) * pi / 200); }},
};

constinit const auto kFadeAndPivotEffects =
    NumberedProcsOf<kFadeAndPivot>(std::make_index_sequence<std::size(kFadeAndPivot)>{});

} // namespace

std::span<const NumberedEffect> FadeAndPivotEffects() { return kFadeAndPivotEffects; }

} // namespace vm
