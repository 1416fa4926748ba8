#pragma once
// Dates as captions show them: a calendar date and time, the formatter with
// the classic patterns (d, dd, ddd, dddd, ddddd, dddddd, m ... mmmm, yy, yyyy,
// h, hh, n, nn, s, ss, z, zzz, t, tt, c, am/pm, a/p, ampm, "/", ":", quoted
// text), and EXIF's "YYYY:MM:DD HH:MM:SS" values.
#include "metadata/FormatSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace vm {

struct TDateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, msec = 0;
};

// 0 = Sunday.
int DayOfWeek(const TDateTime& date);
bool IsValidDateTime(const TDateTime& date);

// Pattern letters are case-insensitive; anything else is copied.
std::string FormatDateTime(std::string_view format, const TDateTime& date, const TFormatSettings& settings);

// Converted by character position (year 1-4, month 6-7, day 9-10, hour
// 12-13, minute 15-16, second 18-19), whatever the separators; nothing when
// that is not a valid date and time (such as the blank value some cameras write).
std::optional<TDateTime> ExifDateToDateTime(std::string_view value);

// The current local date and time, to the second.
TDateTime NowDateTime();

} // namespace vm
