#include "metadata/Caption.h"

#include "metadata/DateFormat.h"
#include "util/DelphiText.h"
#include "util/Error.h"
#include "util/xStrings.h"

namespace vm {

namespace {

constexpr int kPasses = 3;

void ExpandToken(std::string& text, std::string_view line, const TagLines& list, const TFormatSettings& settings)
{
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq == 0)
        return;
    const std::string_view name = line.substr(0, eq);
    const std::string token = "%" + std::string(name) + "%";
    const size_t at = text.find(token);
    if (at == std::string::npos)
        return;
    const std::string value = ValueOfName(list, name).value_or(std::string());
    if (name.find("DateTime") == std::string_view::npos) {
        text = ReplaceFirst(text, token, value);
        return;
    }
    const size_t open = at + token.size();
    if (open >= text.size() || text[open] != '[')
        return;
    const size_t close = text.find(']', open + 1);
    const std::string format = close == std::string::npos ? std::string() : text.substr(open + 1, close - open - 1);
    const auto date = ExifDateToDateTime(value);
    if (!date)
        return; // not a date: the token stays, the caption is still built
    text = ReplaceFirst(text, token + "[" + format + "]", FormatDateTime(format, *date, settings));
}

} // namespace

std::optional<std::string> ValueOfName(const TagLines& list, std::string_view name)
{
    for (const std::string& line : list) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), name))
            return line.substr(eq + 1);
    }
    return std::nullopt;
}

std::string ExpandCaption(std::string text, bool hasExif, const TagLines& exif, const TagLines& extra,
                          const TFormatSettings& settings)
{
    for (int pass = 0; pass < kPasses && !TextBetween(text, '%', '%').empty(); ++pass) {
        if (hasExif)
            for (const std::string& line : exif)
                ExpandToken(text, line, exif, settings);
        for (const std::string& line : extra)
            ExpandToken(text, line, extra, settings);
    }
    return text;
}

std::string ReturnSpeakInfo(const CaptionTemplates& templates, const CaptionSources& sources,
                            const TFormatSettings& settings)
{
    TagLines exif;
    bool hasExif = false;
    try {
        hasExif = ReadExifInfo(sources.photoPath, exif);
    } catch (const Error&) {
        hasExif = false; // unreadable or cut short before its EXIF data
    }
    const TagLines extra = GetExtendInfo(sources, settings);
    return ExpandCaption(hasExif ? templates.exif : templates.noExif, hasExif, exif, extra, settings);
}

bool IsSpeakable(std::string_view caption)
{
    return !Trim(caption).empty();
}

std::optional<std::string> SpeakableCaption(const std::string& caption)
{
    if (!IsSpeakable(caption))
        return std::nullopt;
    return caption + "\r\n";
}

} // namespace vm
