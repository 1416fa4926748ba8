#pragma once
// The caption of a photo: a template with %Name% tokens for EXIF tags and
// the extra values, and %Name%[format] for dates, expanded in up to three
// passes. Each pass replaces at most one occurrence of each token, EXIF tags
// first (only when the photo has EXIF data), then the extra values in their
// order; inserted values take part in the later steps. Tokens without a
// value, date names without a bracket and dates that aren't valid stay as
// written.
#include "metadata/CaptionValues.h"
#include "metadata/FormatSettings.h"
#include "metadata/qvJpegInfo.h"

#include <string>

namespace vm {

struct CaptionTemplates {
    std::string exif;   // used when the photo carries readable EXIF data ("ExifFormat")
    std::string noExif; // otherwise ("NoExifFormat")
};

// The passes over `text`, for tests and for callers that have their lists.
std::string ExpandCaption(std::string text, bool hasExif, const TagLines& exif, const TagLines& extra,
                          const TFormatSettings& settings);

// Reads the photo's EXIF data and builds its caption. A photo whose EXIF data
// can't be read (not even opened) takes the no-EXIF template.
std::string ReturnSpeakInfo(const CaptionTemplates& templates, const CaptionSources& sources,
                            const TFormatSettings& settings);

// A caption of only blanks and control characters is not spoken.
bool IsSpeakable(std::string_view caption);
// What the character is given to say: the caption with CR LF after it, or
// nothing when it is not spoken (the open balloon is then only closed).
std::optional<std::string> SpeakableCaption(const std::string& caption);

// The value of the first line called `name` (case ignored), or nothing.
std::optional<std::string> ValueOfName(const TagLines& list, std::string_view name);

} // namespace vm
