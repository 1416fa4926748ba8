#include "metadata/DateFormat.h"

#include "util/DelphiText.h"

#include <cctype>
#include <ctime>

namespace vm {

namespace {

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

std::string Padded(int value, int digits)
{
    std::string s = std::to_string(value);
    if (int(s.size()) < digits)
        s.insert(0, size_t(digits) - s.size(), '0');
    return s;
}

class Formatter {
public:
    Formatter(const TDateTime& date, const TFormatSettings& settings) : d_(date), s_(settings) {}

    void Append(std::string_view format, int level)
    {
        if (level >= 2)
            return; // locale forms inside locale forms: no deeper
        char lastToken = ' ';
        bool use12Hour = false;
        size_t i = 0;
        auto count = [&](char starter) {
            size_t n = 1;
            while (i < format.size() && format[i] == starter) {
                ++i;
                ++n;
            }
            return int(n);
        };
        while (i < format.size()) {
            const char starter = format[i++];
            char token = char(std::toupper(static_cast<unsigned char>(starter)));
            if (std::isalpha(static_cast<unsigned char>(starter))) {
                if (token == 'M' && lastToken == 'H')
                    token = 'N';
                lastToken = token;
            }
            switch (token) {
            case 'Y': {
                const int n = count(starter);
                out_ += n <= 2 ? Padded(d_.year % 100, 2) : Padded(d_.year, 4);
                break;
            }
            case 'M': {
                const int n = count(starter);
                if (n <= 2)
                    out_ += Padded(d_.month, n);
                else
                    out_ += (n == 3 ? s_.ShortMonthNames : s_.LongMonthNames)[size_t(d_.month - 1)];
                break;
            }
            case 'D': {
                const int n = count(starter);
                if (n <= 2)
                    out_ += Padded(d_.day, n);
                else if (n == 3)
                    out_ += s_.ShortDayNames[size_t(DayOfWeek(d_))];
                else if (n == 4)
                    out_ += s_.LongDayNames[size_t(DayOfWeek(d_))];
                else
                    Append(n == 5 ? s_.ShortDateFormat : s_.LongDateFormat, level + 1);
                break;
            }
            case 'H': {
                const int n = count(starter);
                use12Hour = TwelveHourAhead(format.substr(i));
                int h = d_.hour;
                if (use12Hour)
                    h = h == 0 ? 12 : h > 12 ? h - 12 : h;
                out_ += Padded(h, n > 2 ? 2 : n);
                break;
            }
            case 'N': {
                const int n = count(starter);
                out_ += Padded(d_.minute, n > 2 ? 2 : n);
                break;
            }
            case 'S': {
                const int n = count(starter);
                out_ += Padded(d_.second, n > 2 ? 2 : n);
                break;
            }
            case 'Z': {
                const int n = count(starter);
                out_ += Padded(d_.msec, n > 3 ? 3 : n);
                break;
            }
            case 'T': {
                const int n = count(starter);
                Append(n == 1 ? s_.ShortTimeFormat : s_.LongTimeFormat, level + 1);
                break;
            }
            case 'C': {
                count(starter);
                Append(s_.ShortDateFormat, level + 1);
                if (d_.hour != 0 || d_.minute != 0 || d_.second != 0 || d_.msec != 0) {
                    out_ += ' ';
                    Append(s_.LongTimeFormat, level + 1);
                }
                break;
            }
            case 'A':
                AmPm(format, i, starter);
                break;
            case '/':
                out_ += s_.DateSeparator;
                break;
            case ':':
                out_ += s_.TimeSeparator;
                break;
            case '\'':
            case '"': {
                const size_t end = format.find(starter, i);
                const size_t stop = end == std::string_view::npos ? format.size() : end;
                out_.append(format.substr(i, stop - i));
                i = stop == format.size() ? stop : stop + 1;
                break;
            }
            default:
                out_ += starter;
            }
        }
    }

    std::string Take() { return std::move(out_); }

private:
    // An hour switches to the 12-hour clock when an am/pm pattern follows
    // before the next hour or the next other "a" (quoted text aside).
    static bool TwelveHourAhead(std::string_view rest)
    {
        bool quoted = false;
        for (size_t p = 0; p < rest.size(); ++p) {
            const char c = rest[p];
            if (c == '\'' || c == '"') {
                quoted = !quoted;
            } else if (!quoted && (c == 'a' || c == 'A')) {
                const std::string_view at = rest.substr(p);
                return StartsWithNoCase(at, "am/pm") || StartsWithNoCase(at, "a/p") || StartsWithNoCase(at, "ampm");
            } else if (!quoted && (c == 'h' || c == 'H')) {
                return false;
            }
        }
        return false;
    }

    void AmPm(std::string_view format, size_t& i, char starter)
    {
        const std::string_view at = format.substr(i - 1);
        const bool pm = d_.hour >= 12;
        if (StartsWithNoCase(at, "am/pm")) {
            out_.append(at.substr(pm ? 3 : 0, 2)); // in the case written
            i += 4;
        } else if (StartsWithNoCase(at, "a/p")) {
            out_.append(at.substr(pm ? 2 : 0, 1));
            i += 2;
        } else if (StartsWithNoCase(at, "ampm")) {
            out_ += pm ? s_.TimePMString : s_.TimeAMString;
            i += 3;
        } else if (StartsWithNoCase(at, "aaaa")) {
            out_ += s_.LongDayNames[size_t(DayOfWeek(d_))];
            i += 3;
        } else if (StartsWithNoCase(at, "aaa")) {
            out_ += s_.ShortDayNames[size_t(DayOfWeek(d_))];
            i += 2;
        } else {
            out_ += starter;
        }
    }

    const TDateTime& d_;
    const TFormatSettings& s_;
    std::string out_;
};

} // namespace

int DayOfWeek(const TDateTime& date)
{
    // Sakamoto's method.
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = date.year;
    if (date.month < 3)
        y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + kOffsets[date.month - 1] + date.day) % 7;
}

bool IsValidDateTime(const TDateTime& d)
{
    return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1
        && d.day <= DaysInMonth(d.year, d.month) && d.hour >= 0 && d.hour < 24 && d.minute >= 0 && d.minute < 60
        && d.second >= 0 && d.second < 60 && d.msec >= 0 && d.msec < 1000;
}

std::string FormatDateTime(std::string_view format, const TDateTime& date, const TFormatSettings& settings)
{
    if (!IsValidDateTime(date))
        return {};
    Formatter f(date, settings);
    f.Append(format, 0);
    return f.Take();
}

std::optional<TDateTime> ExifDateToDateTime(std::string_view value)
{
    auto field = [&](long index, long length) { return TryStrToInt(Copy(value, index, length)); };
    const auto year = field(1, 4), month = field(6, 2), day = field(9, 2);
    const auto hour = field(12, 2), minute = field(15, 2), second = field(18, 2);
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    const TDateTime d{*year, *month, *day, *hour, *minute, *second, 0};
    if (!IsValidDateTime(d))
        return std::nullopt;
    return d;
}

TDateTime NowDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return TDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                     local.tm_sec, 0};
}

} // namespace vm
