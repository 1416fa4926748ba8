#pragma once
// The font record and its stored text form, the "font string":
//   "Face", 8, [Bold|Italic], [clYellow]
// Colours are 0x00BBGGRR; a high byte of 0xFF names a system colour by index.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vm {

using TColor = int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSystemColor = TColor(0xFF000000u);

struct FontSpec {
    std::string Name;
    int Size = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clBlack;

    bool operator==(const FontSpec&) const = default;
};

// A colour's name from the fixed and system tables, or "$" and eight hex digits.
std::string ColorToString(TColor color);
// A table name (any case), or an integer (decimal, or hex after "$").
std::optional<TColor> StringToColor(std::string_view text);

std::string FontToString(const FontSpec& font, bool withColor);
// Reads what it can; a bad size or colour stops the reading silently, keeping
// whatever was set before (stored fonts have always been read this way).
void FontFromString(std::string_view text, FontSpec& font, bool withColor);

} // namespace vm
