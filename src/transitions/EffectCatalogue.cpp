#include "transitions/EffectCatalogue.h"

#include "transitions/EffectFamilies.h"

#include <cctype>

namespace vm {
namespace {

// Names are the program's own texts, odd spellings included.
constexpr const char* kNames[kMaxStyle] = {
    "Expand from right", "Expand from left", "Slide in from right", "Slide in from left", "Reveal from left",
    "Reveal from right", "Expand in from right", "Expand in from left", "Expand in to middle",
    "Expand out from middle",
    // 11
    "Reveal out from middle", "Reveal in from sides", "Expand in from sides", "Unroll from left",
    "Unroll from right", "Build up from right", "Build up from left", "Expand from bottom", "Expand from top",
    "Slide in from bottom",
    // 21
    "Slide in from top", "Reveal from top", "Reveal from bottom", "Expand in from bottom", "Expand in from top",
    "Expand in to middle (horiz)", "Expand out from middle (horiz)", "Reveal from middle (horiz)",
    "Slide in from top / bottom", "Expand in from top / bottom",
    // 31
    "Unroll from top", "Unroll from bottom", "Expand from bottom", "Expand in from top",
    "Expand from bottom right", "Expand from top right", "Expand from top left", "Expand from bottom left",
    "Slide in from bottom right", "Slide in from top right",
    // 41
    "Slide in from top left", "Slide in from bottom left", "Reveal from top left", "Reveal from bottom left",
    "Reveal from bottom right", "Reveal from top right", "Appear and Contract to top left",
    "Appear and Contract to bottom left", "Appear and Contract to bottom right", "Appear and Contract to top right",
    // 51
    "Appear and Contract to middle", "Expand out from centre", "Reveal out from centre", "Reveal in to centre",
    "Quarters Reveal in to middle", "Quarters Expand to middle", "Quarters Slide in to middle",
    "Curved Reveal from left", "Curved Reveal from right", "Bars in from right",
    // 61
    "Bars in from left", "Bars left then right", "Bars right then left", "Bars from both sides",
    "Uneven shred from right", "Uneven shred from left", "Uneven shred out from middle (horiz)",
    "Uneven shred in to middle (horiz)", "Curved Reveal from top", "Curved Reveal from bottom",
    // 71
    "Bars from bottom", "Bars from top", "Bars top then bottom", "Bars bottom then top", "Bars from top and bottom",
    "Unven shred from bottom", "Uneven shred from top", "Uneven shred from horizon", "Uneven shred in to horizon",
    "Curved reveal from top left",
    // 81
    "Curved reveal from top right", "Curved reveal from bottom left", "Curved reveal from bottom right",
    "Circular reveal from centre", "Circular reveal to centre", "Criss Cross reveal from bottom right",
    "Criss Cross reveal from top right", "Criss Cross reveal from bottom left", "Criss Cross reveal from top left",
    "Criss Cross reveal bounce from top left",
    // 91
    "Criss Cross reveal bounce from bottom left", "Criss Cross reveal bounce from top right",
    "Criss Cross reveal bounce from bottom right", "Criss Cross reveal from right top and bottom",
    "Criss Cross reveal from left top and bottom", "Criss Cross reveal from left right and bottom",
    "Criss Cross reveal from left right and top", "Criss Cross reveal from top left right and bottom",
    "Criss Cross reveal from bottom left top right", "Uneven shred from bottom and right",
    // 101
    "Uneven shred from top and right", "Uneven shred from bottom and left", "Uneven shred from top and left",
    "Uneven shred from horiz and right", "Uneven shred from horiz and left",
    "Uneven shred from bottom and vert middle", "Uneven shred from top and vert middle", "Uneven shred from centre",
    "Uneven shred to centre", "Reveal diagonal from top left",
    // 111
    "Reveal diagonal from top right", "Reveal diagonal from bottom left", "Reveal diagonal from bottom right",
    "Diagonal sweep from top left bottom right anticlockwise",
    "Diagonal sweep from top left bottom right clockwise", "Starburst clockwise from center",
    "Triangular shred to top left", "Fade", "Pivot from top left", "Pivot from bottom left",
    // 121
    "Pivot from top right", "Pivot from bottom right", "Speckle appear from right", "Speckle appear from left",
    "Speckle appear from bottom", "Speckle appear from top", "Random squares appear", "Push right", "Push left",
    "Push and squeeze right",
    // 131
    "Push and squeeze left", "Push down", "Push up", "Push and sqeeze down", "Push and sqeeze up",
    "Blind vertically", "Blind horizontally", "Uneven blind from left", "Uneven blind from right",
    "Uneven blind from top",
    // 141
    "Uneven blind from bottom", "Rectangular shred", "Sweep clockwise", "Sweep anticlockwise",
    "Rectangles apear from left and disapear to right", "Rectangles apear from right and disapear to left",
    "Rectangles apear from up and disapear to bottom", "Rectangles apear from bottom and disapear to up",
    "Rotational rectangle", "Rotational star",
};

std::array<TEffect, kMaxStyle> BuildEffects()
{
    std::array<TEffect, kMaxStyle> table{};
    for (int n = 1; n <= kMaxStyle; ++n)
        table[size_t(n - 1)].Name = kNames[n - 1];
    for (int n = 1; n <= 57; ++n)
        table[size_t(n - 1)].Proc = kCopyingEffects[size_t(n - 1)];
    for (int n = 128; n <= 135; ++n)
        table[size_t(n - 1)].Proc = kPushingEffects[size_t(n - 128)];
    for (const auto family : {CurvedEffects(), BarEffects(), ShredEffects(), SpeckleEffects(), SquareAndBlindEffects(),
                              PolygonEffects(), FadeAndPivotEffects()})
        for (const NumberedEffect& e : family)
            table[size_t(e.style - 1)].Proc = e.proc;
    return table;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

constexpr const char* kCustomName = "Custom";

} // namespace

const std::array<TEffect, kMaxStyle>& Effects()
{
    static const std::array<TEffect, kMaxStyle> table = BuildEffects();
    return table;
}

std::string StyleName(TShowStyle style)
{
    if (style == 0 || style > kMaxStyle)
        return kCustomName;
    return Effects()[style - 1].Name;
}

std::optional<TShowStyle> StyleFromName(std::string_view name)
{
    if (EqualIgnoringCase(name, kCustomName))
        return TShowStyle(0);
    for (int n = 1; n <= kMaxStyle; ++n)
        if (EqualIgnoringCase(name, kNames[n - 1]))
            return TShowStyle(n);
    return std::nullopt;
}

} // namespace vm
