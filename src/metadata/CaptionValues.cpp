#include "metadata/CaptionValues.h"

#include "util/xStrings.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace vm {

namespace {

std::string Fixed(double value, int decimals, const TFormatSettings& settings, bool thousands)
{
    // Halves round away from zero, as the number formats always have.
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::round(std::fabs(value) * scale);
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", scaled);
    std::string text = digits;
    if (text.size() <= size_t(decimals))
        text.insert(0, size_t(decimals) + 1 - text.size(), '0');
    const std::string whole = text.substr(0, text.size() - size_t(decimals));
    std::string out = value < 0 && scaled != 0 ? "-" : "";
    for (size_t i = 0; i < whole.size(); ++i) {
        if (thousands && i > 0 && (whole.size() - i) % 3 == 0)
            out += settings.ThousandSeparator;
        out += whole[i];
    }
    if (decimals > 0)
        out += settings.DecimalSeparator + text.substr(whole.size());
    return out;
}

} // namespace

std::string FormatThousands(double value, const TFormatSettings& settings)
{
    return Fixed(value, 2, settings, true);
}

std::string FormatPercent(double value, const TFormatSettings& settings)
{
    return Fixed(value, 1, settings, false) + "%";
}

std::string SizeText(std::optional<uint64_t> bytes, const TFormatSettings& settings)
{
    return FormatThousands(bytes ? double(*bytes) / 1024.0 : 0.0, settings) + "K";
}

std::string ExifDateText(const TDateTime& d)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute,
                  d.second);
    return text;
}

TagLines GetExtendInfo(const CaptionSources& sources, const TFormatSettings& settings)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(sources.photoPath, ec);
    const std::string music = sources.musicPath.empty() ? std::string() : FileTitleOfPath(sources.musicPath);
    return {
        "Comment=" + sources.description + " ",
        "FileName=" + FileTitleOfPath(sources.photoPath),
        "Directory=" + ParentFolderName(sources.photoPath) + " ",
        "Path=" + sources.photoPath,
        "NowDateTime=" + ExifDateText(sources.now), // a date name, converted like the EXIF dates
        "Music=" + music + " ",
        "Memory=" + FormatPercent(sources.freeMemoryPercent, settings),
        "Size=" + SizeText(ec ? std::nullopt : std::optional<uint64_t>(size), settings),
    };
}

} // namespace vm
