#include "toolkit/QtConversions.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace vm {

QColor ToQColor(TColor color)
{
    const auto bits = uint32_t(color);
    if ((bits >> 24) == 0xFF) {
        // The few system colours that have a palette role; the rest look like buttons.
        static constexpr std::array<std::pair<int, QPalette::ColorRole>, 8> kRoles{{
            {5, QPalette::Base}, {8, QPalette::Text}, {13, QPalette::Highlight}, {14, QPalette::HighlightedText},
            {15, QPalette::Button}, {18, QPalette::ButtonText}, {23, QPalette::ToolTipText}, {24, QPalette::ToolTipBase},
        }};
        const int index = int(bits & 0xFF);
        for (auto [i, role] : kRoles)
            if (i == index)
                return QApplication::palette().color(role);
        return QApplication::palette().color(QPalette::Button);
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

QFont ToQFont(const FontSpec& font)
{
    QFont f(Q(font.Name));
    if (font.Size > 0)
        f.setPointSize(font.Size);
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    return f;
}

} // namespace vm
