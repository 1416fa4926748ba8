#include "metadata/FormatSettings.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace vm {

TFormatSettings EnglishFormatSettings()
{
    TFormatSettings f;
    f.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    f.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    f.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    f.LongMonthNames = {"January", "February", "March", "April", "May", "June",
                        "July", "August", "September", "October", "November", "December"};
    f.ShortDateFormat = "mm/dd/yyyy";
    f.LongDateFormat = "dddd dd mmmm yyyy";
    f.ShortTimeFormat = "hh:nn ampm";
    f.LongTimeFormat = "hh:nn:ss ampm";
    f.DateSeparator = "/";
    f.TimeSeparator = ":";
    f.TimeAMString = "AM";
    f.TimePMString = "PM";
    f.ThousandSeparator = ",";
    f.DecimalSeparator = ".";
    return f;
}

namespace {

// What one strftime conversion becomes, and what kind of value it shows.
enum class Part { Date, Time, Seconds, Zone, Other };

struct Conversion {
    std::string pattern;
    Part part;
};

Conversion Convert(char c, bool longNames)
{
    switch (c) {
    case 'Y': return {"yyyy", Part::Date};
    case 'y': return {"yy", Part::Date};
    case 'm': return {"mm", Part::Date};
    case 'd': return {"dd", Part::Date};
    case 'e': return {"d", Part::Date};
    case 'b': case 'h': return {longNames ? "mmmm" : "mmm", Part::Date};
    case 'B': return {"mmmm", Part::Date};
    case 'a': return {longNames ? "dddd" : "ddd", Part::Date};
    case 'A': return {"dddd", Part::Date};
    case 'H': case 'I': return {"hh", Part::Time};
    case 'k': case 'l': return {"h", Part::Time};
    case 'M': return {"nn", Part::Time};
    case 'S': return {"ss", Part::Seconds};
    case 'p': case 'P': return {"ampm", Part::Time};
    case 'Z': case 'z': return {"", Part::Zone};
    case 'n': case 't': return {" ", Part::Other};
    case '%': return {"%", Part::Other};
    default: return {"", Part::Other};
    }
}

// Expands the composite conversions into plain ones.
std::string Expand(std::string_view f)
{
    std::string out;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%' || i + 1 == f.size()) {
            out += f[i];
            continue;
        }
        const char c = f[++i];
        switch (c) {
        case 'T': out += "%H:%M:%S"; break;
        case 'R': out += "%H:%M"; break;
        case 'r': out += "%I:%M:%S %p"; break;
        case 'D': out += "%m/%d/%y"; break;
        case 'F': out += "%Y-%m-%d"; break;
        default: out += '%'; out += c;
        }
    }
    return out;
}

std::string Quoted(const std::string& literal)
{
    bool letters = false;
    for (char ch : literal)
        letters |= std::isalpha(static_cast<unsigned char>(ch)) || ch == '"' || ch == '\'';
    if (!letters)
        return literal;
    std::string out = "\"";
    for (char ch : literal)
        if (ch != '"')
            out += ch;
    return out + "\"";
}

std::string TrimBlanks(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    return s;
}

} // namespace

std::string PatternOfStrftime(std::string_view strftime, bool longNames, bool dropTime, bool dropSeconds)
{
    const std::string f = Expand(strftime);
    std::string out;
    std::string literal;
    bool dropping = false; // inside the literal that belongs to a dropped conversion
    auto flushLiteral = [&] {
        out += Quoted(literal);
        literal.clear();
    };
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '%' && i + 1 < f.size()) {
            char c = f[++i];
            while ((c == '-' || c == '_' || c == '0' || c == 'E' || c == 'O') && i + 1 < f.size())
                c = f[++i]; // padding flags and alternative forms
            const Conversion conv = Convert(c, longNames);
            const bool drop = conv.part == Part::Zone || (dropTime && (conv.part == Part::Time || conv.part == Part::Seconds))
                           || (dropSeconds && conv.part == Part::Seconds);
            if (drop) {
                // A separator before it (10:20:30) goes with it, or the unit
                // written after it (10时20分30秒).
                if (!literal.empty() && std::ispunct(static_cast<unsigned char>(literal.back())))
                    literal.pop_back();
                dropping = true;
                continue;
            }
            dropping = false;
            flushLiteral();
            out += conv.pattern;
            continue;
        }
        if (dropping) {
            if (f[i] != ' ')
                continue;
            dropping = false;
        }
        literal += f[i];
    }
    flushLiteral();
    return TrimBlanks(out);
}

namespace {

std::string FirstSeparator(const std::string& pattern, const char* candidates, const char* fallback)
{
    bool quoted = false;
    for (char c : pattern) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && std::strchr(candidates, c))
            return std::string(1, c);
    }
    return fallback;
}

} // namespace

std::optional<TFormatSettings> FormatSettingsOfLocale(const std::string& localeName)
{
    locale_t loc = newlocale(LC_ALL_MASK, localeName.c_str(), locale_t(0));
    if (loc == locale_t(0))
        return std::nullopt;
    auto text = [&](nl_item item) { return std::string(nl_langinfo_l(item, loc)); };
    TFormatSettings f;
    for (int i = 0; i < 7; ++i) {
        f.ShortDayNames[size_t(i)] = text(ABDAY_1 + i);
        f.LongDayNames[size_t(i)] = text(DAY_1 + i);
    }
    for (int i = 0; i < 12; ++i) {
        f.ShortMonthNames[size_t(i)] = text(ABMON_1 + i);
        f.LongMonthNames[size_t(i)] = text(MON_1 + i);
    }
    const std::string dateForm = text(D_FMT);
    const std::string timeForm = text(T_FMT);
    f.ShortDateFormat = PatternOfStrftime(dateForm);
    f.LongDateFormat = PatternOfStrftime(text(D_T_FMT), true, true);
    f.LongTimeFormat = PatternOfStrftime(timeForm);
    f.ShortTimeFormat = PatternOfStrftime(timeForm, false, false, true);
    // Separators: written literally in the date and time forms; our patterns
    // print them through "/" and ":", so those take the locale's characters.
    f.DateSeparator = FirstSeparator(f.ShortDateFormat, "/-.", "/");
    f.TimeSeparator = FirstSeparator(f.LongTimeFormat, ":.", ":");
    auto toPatternSeparators = [](std::string& pattern, const std::string& sep, char ours) {
        bool quoted = false;
        for (char& c : pattern) {
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && sep.size() == 1 && c == sep[0])
                c = ours;
        }
    };
    toPatternSeparators(f.ShortDateFormat, f.DateSeparator, '/');
    toPatternSeparators(f.LongTimeFormat, f.TimeSeparator, ':');
    toPatternSeparators(f.ShortTimeFormat, f.TimeSeparator, ':');
    f.TimeAMString = text(AM_STR);
    f.TimePMString = text(PM_STR);
    f.ThousandSeparator = text(THOUSEP);
    f.DecimalSeparator = text(RADIXCHAR);
    if (f.DecimalSeparator.empty())
        f.DecimalSeparator = ".";
    freelocale(loc);
    return f;
}

TFormatSettings SystemFormatSettings()
{
    // The plain C locale has no thousands separator and a 24-hour clock only;
    // a system without a chosen language reads like English instead.
    std::string chosen;
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            chosen = value;
            break;
        }
    }
    if (chosen.empty() || chosen == "C" || chosen == "POSIX" || chosen.starts_with("C."))
        return EnglishFormatSettings();
    return FormatSettingsOfLocale("").value_or(EnglishFormatSettings());
}

} // namespace vm
