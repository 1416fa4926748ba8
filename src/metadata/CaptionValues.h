#pragma once
// The eight extra values a caption template can name besides the EXIF tags,
// and the number texts they use.
#include "metadata/DateFormat.h"
#include "metadata/FormatSettings.h"
#include "metadata/qvJpegInfo.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vm {

// What the show knows about the moment the caption is built.
struct CaptionSources {
    std::string photoPath;
    std::string description;   // the photo's line in "descript.ion" (GetDescript)
    std::string musicPath;     // the track loaded in the music player; empty when none
    double freeMemoryPercent = 0; // free share of physical memory
    TDateTime now;                // the value of NowDateTime
};

// A date in the form EXIF writes its dates: "YYYY:MM:DD HH:MM:SS".
std::string ExifDateText(const TDateTime& date);

// The "%n" number text: thousands separators and two decimals.
std::string FormatThousands(double value, const TFormatSettings& settings);
// "%.1f%%": one decimal and a percent sign.
std::string FormatPercent(double value, const TFormatSettings& settings);
// The photo's size in KiB as "%n" text with "K"; "0.00K" (localised) when unreadable.
std::string SizeText(std::optional<uint64_t> bytes, const TFormatSettings& settings);

// Comment, FileName, Directory, Path, NowDateTime, Music, Memory, Size, in
// this order (later names see what earlier ones inserted).
TagLines GetExtendInfo(const CaptionSources& sources, const TFormatSettings& settings);

} // namespace vm
