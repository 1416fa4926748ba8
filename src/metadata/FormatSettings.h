#pragma once
// The locale's names and forms that dates and numbers are formatted with:
// weekday and month names, the short and long date and time forms (in the
// date formatter's own patterns), separators and the am/pm strings.
#include <array>
#include <optional>
#include <string>

namespace vm {

struct TFormatSettings {
    std::array<std::string, 7> ShortDayNames;    // Sunday first
    std::array<std::string, 7> LongDayNames;
    std::array<std::string, 12> ShortMonthNames; // January first
    std::array<std::string, 12> LongMonthNames;
    std::string ShortDateFormat;
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::string DateSeparator;
    std::string TimeSeparator;
    std::string TimeAMString;
    std::string TimePMString;
    std::string ThousandSeparator;
    std::string DecimalSeparator;
};

// United States English, the forms used when the system's locale can't be loaded.
TFormatSettings EnglishFormatSettings();

// From the C library's data of the named locale ("" for the one the
// environment selects: LC_ALL, LC_TIME, LANG); nothing when it isn't installed.
// The locale's strftime forms are turned into our patterns: the short date
// is its date form, the long date the date part of its date-and-time form with
// full names, the long time its time form, the short time that without seconds.
std::optional<TFormatSettings> FormatSettingsOfLocale(const std::string& localeName);

// The environment's locale, or English when it can't be loaded.
TFormatSettings SystemFormatSettings();

// A strftime form in our patterns; literal letters are quoted. Exposed for tests.
std::string PatternOfStrftime(std::string_view strftime, bool longNames = false, bool dropTime = false,
                              bool dropSeconds = false);

} // namespace vm
