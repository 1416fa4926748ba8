// Styles 58, 59, 69, 70 and 80-85: the new picture shows through a rectangle with
// large rounded corners that grows (or, for 85, shrinks) with the progress, giving a
// curved or circular front. x/2 truncates; 3W/2 is (3W) div 2.
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"

namespace vm {
namespace {

// RoundRect(left, top, right, bottom, corner width, corner height), cut to the frame:
// it may reach far outside it.
Region RoundRect(const EffectFrame& f, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    return Region::FromRoundRect({left, top, right, bottom}, cornerWidth, cornerHeight, f.Full());
}

constexpr NumberedDraw kCurved[] = {
    {58, [](EffectFrame& f) { f.RevealThrough(RoundRect(f, -2 * f.W, -5, 2 * f.X, f.H + 5, 2 * f.W, 2 * f.W)); }},
    {59, [](EffectFrame& f) { f.RevealThrough(RoundRect(f, f.W - 2 * f.X, -5, 3 * f.W, f.H + 5, 2 * f.W, 2 * f.W)); }},
    {69, [](EffectFrame& f) { f.RevealThrough(RoundRect(f, -5, -2 * f.H, f.W + 5, 2 * f.Y, 2 * f.H, 2 * f.H)); }},
    {70, [](EffectFrame& f) { f.RevealThrough(RoundRect(f, -5, f.H - 2 * f.Y, f.W + 5, 3 * f.H, 2 * f.H, 2 * f.H)); }},
    {80, [](EffectFrame& f) { f.RevealThrough(RoundRect(f, -2 * f.W, -2 * f.H, 2 * f.X, 2 * f.Y, 2 * f.W, 2 * f.H)); }},
    {81, [](EffectFrame& f) { f.RevealThrough(RoundRect(f, f.W - 2 * f.X, -2 * f.H, 3 * f.W, 2 * f.Y, 2 * f.W, 2 * f.H)); }},
    {82, [](EffectFrame& f) { f.RevealThrough(RoundRect(f, -2 * f.W, f.H - 2 * f.Y, 2 * f.X, 3 * f.H, 2 * f.W, 2 * f.H)); }},
    // The corner is 2H by 2H here, unlike its three siblings.
    {83, [](EffectFrame& f) { f.RevealThrough(RoundRect(f, f.W - 2 * f.X, f.H - 2 * f.Y, 3 * f.W, 3 * f.H, 2 * f.H, 2 * f.H)); }},
    {84,
     [](EffectFrame& f) {
         f.RevealThrough(RoundRect(f, f.W / 2 - f.X, f.H / 2 - f.Y, f.W / 2 + f.X, f.H / 2 + f.Y, 9 * f.X / 5, 9 * f.Y / 5));
     }},
    // The frame outside a shrinking circle: (0, 0, W, H) exclusive-or the rounded rectangle.
    {85,
     [](EffectFrame& f) {
         const Region shrinking = RoundRect(f, f.X - f.W / 2, f.Y - f.H / 2, 3 * f.W / 2 - f.X, 3 * f.H / 2 - f.Y,
                                            9 * (f.W - f.X) / 5, 9 * (f.H - f.Y) / 5);
         f.RevealThrough(Xor(Region::FromRect(f.Full()), shrinking));
     }},
};

constinit const auto kCurvedEffects = NumberedProcsOf<kCurved>(std::make_index_sequence<std::size(kCurved)>{});

} // namespace

std::span<const NumberedEffect> CurvedEffects() { return kCurvedEffects; }

} // namespace vm
