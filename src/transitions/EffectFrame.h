#pragma once
// What an effect's drawing sees of one frame: the two images, the extents, and the
// copies the copying family is written in. Shared by the family files.
#include "raster/Region.h"
#include "raster/StretchCopy.h"
#include "transitions/Effect.h"
#include "transitions/EffectFamilies.h"

#include <array>
#include <utility>

namespace vm {

struct EffectFrame {
    EffectFrame(Bitmap& display, const Bitmap& picture, Rect& r, uint16_t step, uint8_t progress)
        : display(display), picture(picture), r(r), step(step), progress(progress)
    {
        const EffectExtents e = CalcEffectExtents(r, step, progress);
        W = e.W, H = e.H, X = e.X, Y = e.Y, S = e.S;
    }

    Bitmap& display;
    const Bitmap& picture;
    Rect& r;
    int step;
    int progress;
    int W, H, X, Y, S;

    Rect Full() const { return {0, 0, W, H}; }
    // D <- S: rectangle s of the new picture scaled into rectangle d.
    void Copy(const Rect& d, const Rect& s) const { StretchCopy(display, d, picture, s); }
    // D = S: the same rectangle copied unscaled.
    void Reveal(const Rect& d) const { StretchCopy(display, d, picture, d); }
    // D <- old S: reads the display image, which still holds the old picture there.
    void CopyOld(const Rect& d, const Rect& s) const { StretchCopy(display, d, display, s); }
    // The clipped draw of the whole new picture through a region.
    void RevealThrough(const Region& region) const { DrawThroughRegion(display, picture, region); }
};

using FrameDraw = void (*)(EffectFrame&);

template <FrameDraw Draw>
void RunFrame(Bitmap& display, const Bitmap& picture, Rect& r, uint16_t step, uint8_t progress)
{
    EffectFrame frame(display, picture, r, step, progress);
    Draw(frame);
}

// The effect procedures of a family's table of frame drawings, in table order.
template <const auto& Table, size_t... I>
constexpr std::array<TEffectProc, sizeof...(I)> ProcsOf(std::index_sequence<I...>)
{
    return {&RunFrame<Table[I]>...};
}

// A frame drawing under its style number, for the families whose numbers are not a run.
struct NumberedDraw {
    int style;
    FrameDraw draw;
};

template <const auto& Table, size_t... I>
constexpr std::array<NumberedEffect, sizeof...(I)> NumberedProcsOf(std::index_sequence<I...>)
{
    return {NumberedEffect{Table[I].style, &RunFrame<Table[I].draw>}...};
}

} // namespace vm
