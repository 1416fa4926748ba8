#include "util/xFonts.h"

#include "util/DelphiText.h"

#include <array>
#include <cstdio>

namespace vm {
namespace {

struct NamedColor {
    std::string_view name;
    TColor color;
};

constexpr TColor sys(int index) { return TColor(0xFF000000u | uint32_t(index)); }

constexpr std::array<NamedColor, 52> kColors{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
    {"clScrollBar", sys(0)}, {"clBackground", sys(1)}, {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)}, {"clMenu", sys(4)}, {"clWindow", sys(5)}, {"clWindowFrame", sys(6)},
    {"clMenuText", sys(7)}, {"clWindowText", sys(8)}, {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)}, {"clInactiveBorder", sys(11)}, {"clAppWorkSpace", sys(12)},
    {"clHighlight", sys(13)}, {"clHighlightText", sys(14)}, {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)}, {"clGrayText", sys(17)}, {"clBtnText", sys(18)},
    {"clInactiveCaptionText", sys(19)}, {"clBtnHighlight", sys(20)}, {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)}, {"clInfoText", sys(23)}, {"clInfoBk", sys(24)}, {"clHotLight", sys(26)},
    {"clGradientActiveCaption", sys(27)}, {"clGradientInactiveCaption", sys(28)},
    {"clMenuHighlight", sys(29)}, {"clMenuBar", sys(30)},
}};

} // namespace

std::string ColorToString(TColor color)
{
    for (const auto& entry : kColors)
        if (entry.color == color)
            return std::string(entry.name);
    char text[16];
    std::snprintf(text, sizeof text, "$%.8X", uint32_t(color));
    return text;
}

std::optional<TColor> StringToColor(std::string_view text)
{
    for (const auto& entry : kColors)
        if (SameText(entry.name, text))
            return entry.color;
    return TryStrToInt(text);
}

std::string FontToString(const FontSpec& font, bool withColor)
{
    std::string styles;
    for (auto [on, word] : {std::pair{font.Bold, "Bold"}, {font.Italic, "Italic"},
                            {font.Underline, "Underline"}, {font.StrikeOut, "Strikeout"}})
        if (on)
            styles += std::string("|") + word;
    if (!styles.empty())
        styles.erase(0, 1);
    std::string out = "\"" + font.Name + "\", " + std::to_string(font.Size) + ", [" + styles + "]";
    if (withColor)
        out += ", [" + ColorToString(font.Color) + "]";
    return out;
}

void FontFromString(std::string_view text, FontSpec& font, bool withColor)
{
    std::string rest(text);

    long p = long(Pos(",", rest));
    font.Name = Copy(rest, 2, p - 3);
    Delete(rest, 1, p);

    p = long(Pos(",", rest));
    const auto size = TryStrToInt(Copy(rest, 2, p - 2));
    if (!size)
        return;
    font.Size = *size;
    Delete(rest, 1, p);

    p = long(Pos(",", rest));
    const std::string styles = "|" + Copy(rest, 3, p - 4);
    Delete(rest, 1, p);

    if (withColor) {
        const auto color = StringToColor(Copy(rest, 3, long(rest.size()) - 3));
        if (!color)
            return;
        font.Color = *color;
    }

    auto has = [&](std::string_view word) { return Pos(word, styles) != 0; };
    font.Bold = has("|Bold");
    font.Italic = has("|Italic");
    font.Underline = has("|Underline");
    font.StrikeOut = has("|Strikeout");
}

} // namespace vm
