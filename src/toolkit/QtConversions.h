#pragma once
// Our plain colour and font records as Qt sees them.
#include "util/xFonts.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

namespace vm {

// 0x00BBGGRR; system colours (high byte 0xFF) come from the application palette.
QColor ToQColor(TColor color);
QFont ToQFont(const FontSpec& font);

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline std::string S(const QString& text) { return text.toStdString(); }

} // namespace vm
