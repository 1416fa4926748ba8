#pragma once
// The EXIF metadata of a JPEG file as name=value text lines, one per tag, in
// the order met. Values are printed by their TIFF field type alone and never
// interpreted: rationals stay unreduced, codes stay numbers.
#include "metadata/qvFileStream.h"

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace vm {

using TagLines = std::vector<std::string>; // "Name=value" lines

// Directory kinds: which name table a directory's tags are looked up in.
enum : uint8_t { kIfd0 = 0, kExifIfd = 1, kGpsIfd = 2, kInteropIfd = 3 };

// A file stream whose jumps stay inside the EXIF segment: once the TIFF header
// is known, a jump more than 65535 bytes beyond it raises
// "Exif section out of bounds".
class TqvExifStream : public TqvFileStream {
public:
    using TqvFileStream::TqvFileStream;

    void SetPosition(int64_t offset) override;

    // Reads the directory at FTiffStart + offset and everything reachable from
    // it, appending lines to `list`. False when it or its chain failed.
    bool ReadIFD(uint32_t offset, uint8_t kind, TagLines& list);

    uint32_t FTiffStart = 0;

private:
    bool ReadIFDEntries(uint32_t offset, uint8_t kind, TagLines& list);
    bool ValueText(uint16_t type, uint32_t count, uint32_t value, int64_t entry, std::string& text);
    void JumpToItems(uint32_t count, unsigned itemSize, uint32_t value, int64_t entry, int64_t inlineLimit);

    std::set<uint32_t> visited_; // directory offsets read so far: a chain that loops back fails
    int depth_ = 0;
};

// True when the file is a JPEG whose first APP1 segment holds EXIF data and
// whose IFD0 chain was read to its end. Lines read before a failure stay in
// `list`. Errors before IFD0 is reached (the file can't be opened, or it ends
// in the marker area or the headers) pass out as vm::Error.
bool ReadExifInfo(const std::string& fileName, TagLines& list);
// The same over a file's bytes in memory.
bool ReadExifInfo(std::span<const uint8_t> bytes, TagLines& list);
// The same once the stream is open: the walk itself.
bool ReadExifInfo(TqvExifStream& stream, TagLines& list);

// The tag's name in the table of `kind`, or "Tag " and four upper-case hex digits.
std::string GetExifTagName(uint8_t kind, uint16_t tag);

// `text` without the characters below 32.
std::string StripControlChars(std::string_view text);

} // namespace vm
