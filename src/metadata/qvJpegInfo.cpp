#include "metadata/qvJpegInfo.h"

#include "util/Error.h"

#include <charconv>

namespace vm {

namespace {

// The largest JPEG segment: no offset inside the EXIF data can reach further.
constexpr int64_t kSegmentReach = 65535;
// Real files nest three directories deep; a deeper walk is corrupt data.
constexpr int kMaxDepth = 32;
constexpr int64_t kNeverInline = -1;

template <typename Int>
void AppendNumber(std::string& text, Int value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

} // namespace

void TqvExifStream::SetPosition(int64_t offset)
{
    if (FTiffStart != 0 && offset > int64_t(FTiffStart) + kSegmentReach)
        throw Error("Exif section out of bounds");
    TqvFileStream::SetPosition(offset);
}

bool TqvExifStream::ReadIFD(uint32_t offset, uint8_t kind, TagLines& list)
{
    try {
        return ReadIFDEntries(offset, kind, list);
    } catch (const Error&) {
        return false; // the lines read so far stay
    }
}

bool TqvExifStream::ReadIFDEntries(uint32_t offset, uint8_t kind, TagLines& list)
{
    if (!visited_.insert(offset).second)
        throw Error("Exif directory read twice");
    if (depth_ >= kMaxDepth)
        throw Error("Exif directories nested too deep");
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(++d) {}
        ~Nesting() { --depth; }
    } nesting(depth_);

    SetPosition(int64_t(FTiffStart) + offset);
    const uint16_t entries = ReadWord();
    std::string text;
    for (unsigned i = 0; i < entries; ++i) {
        const int64_t entry = Position();
        const uint16_t tag = ReadWord();
        const uint16_t type = ReadWord();
        const uint32_t count = ReadLong();
        const uint32_t value = ReadLong();
        text.clear();
        if (!ValueText(type, count, value, entry, text))
            return false;
        uint8_t subKind = 0;
        switch (tag) {
        case 0x8769: subKind = kExifIfd; break;
        case 0x8825: subKind = kGpsIfd; break;
        case 0xA005: subKind = kInteropIfd; break;
        }
        if (subKind != 0) {
            if (!ReadIFD(value, subKind, list))
                list.push_back(GetExifTagName(kind, tag) + "=[ ERROR ]");
        } else {
            std::string line = GetExifTagName(kind, tag);
            line += '=';
            line += text;
            list.push_back(std::move(line));
        }
        SetPosition(entry + 12);
    }
    const uint32_t next = ReadLong();
    if (next > 65535)
        return false;
    if (next == 0)
        return true;
    return ReadIFD(next, kind, list);
}

// Positions the stream at a field's first item: the entry's own value field
// when the items fit in it, else the offset it holds. Items that would run
// beyond the segment are refused before anything is reserved for them.
void TqvExifStream::JumpToItems(uint32_t count, unsigned itemSize, uint32_t value, int64_t entry,
                                int64_t inlineLimit)
{
    if (int64_t(count) <= inlineLimit) {
        SetPosition(entry + 8);
        return;
    }
    SetPosition(int64_t(FTiffStart) + value);
    if (count <= 0x7FFFFFFF && uint64_t(value) + uint64_t(count) * itemSize > uint64_t(kSegmentReach) + 1)
        throw Error("Exif section out of bounds");
}

bool TqvExifStream::ValueText(uint16_t type, uint32_t count, uint32_t value, int64_t entry, std::string& text)
{
    // Counts above the signed range read no items at all.
    const uint32_t items = count <= 0x7FFFFFFF ? count : 0;
    auto list = [&](unsigned itemSize, int64_t inlineLimit, char separator, auto&& appendItem) {
        JumpToItems(count, itemSize, value, entry, inlineLimit);
        for (uint32_t i = 0; i < items; ++i) {
            if (i > 0)
                text += separator;
            appendItem();
        }
    };
    switch (type) {
    case 1: // BYTE
        list(1, 4, ',', [&] { AppendNumber(text, ReadByte()); });
        return true;
    case 2: { // ASCII
        JumpToItems(count, 1, value, entry, 4);
        std::string raw(items, '\0');
        raw.resize(size_t(ReadBytes(raw.data(), int32_t(items))));
        text = StripControlChars(raw);
        return true;
    }
    case 3: // SHORT
        list(2, 2, ',', [&] { AppendNumber(text, ReadWord()); });
        return true;
    case 4: // LONG
        if (count <= 1)
            AppendNumber(text, value);
        else
            list(4, 1, ',', [&] { AppendNumber(text, ReadLong()); });
        return true;
    case 5: // RATIONAL
        list(8, kNeverInline, ',', [&] {
            AppendNumber(text, ReadLong());
            text += '/';
            AppendNumber(text, ReadLong());
        });
        return true;
    case 7: { // UNDEFINED: two hex digits a byte, one space between
        static constexpr char kHex[] = "0123456789ABCDEF";
        JumpToItems(count, 1, value, entry, 4);
        text.assign(items == 0 ? 0 : size_t(items) * 3 - 1, ' ');
        char* out = text.data();
        for (uint32_t i = 0; i < items; ++i, out += 3) {
            const uint8_t b = ReadByte();
            out[0] = kHex[b >> 4];
            out[1] = kHex[b & 15];
        }
        return true;
    }
    case 9: // SLONG
        if (count <= 1)
            AppendNumber(text, int32_t(value));
        else
            list(4, 1, ',', [&] { AppendNumber(text, int32_t(ReadLong())); });
        return true;
    case 10: // SRATIONAL
        list(8, kNeverInline, ',', [&] {
            AppendNumber(text, int32_t(ReadLong()));
            text += '/';
            AppendNumber(text, int32_t(ReadLong()));
        });
        return true;
    default:
        return false;
    }
}

bool ReadExifInfo(TqvExifStream& stream, TagLines& list)
{
    if (stream.Eof())
        return false;
    if (stream.ReadWord() != 0xFFD8)
        return false;
    for (;;) {
        if (stream.ReadByte() != 0xFF)
            return false;
        const uint8_t marker = stream.ReadByte();
        if (marker == 0xD9)
            return false;
        if (marker == 0xE1)
            break;
        const uint16_t length = stream.ReadWord(); // counts its own two bytes
        stream.SetPosition(stream.Position() + uint16_t(length - 2));
    }
    stream.ReadWord(); // APP1 length
    char id[4];
    for (char& c : id)
        c = stream.ReadChar();
    if (std::string_view(id, 4) != "Exif")
        return false;
    if (stream.ReadWord() != 0)
        return false;
    stream.FTiffStart = uint32_t(stream.Position());
    const uint16_t order = stream.ReadWord();
    if (order == 0x4949)
        stream.SetBigEndian(false);
    else if (order == 0x4D4D)
        stream.SetBigEndian(true);
    else
        return false;
    if (stream.ReadWord() != 42)
        return false;
    return stream.ReadIFD(stream.ReadLong(), kIfd0, list);
}

bool ReadExifInfo(const std::string& fileName, TagLines& list)
{
    TqvExifStream stream(fileName);
    return ReadExifInfo(stream, list);
}

bool ReadExifInfo(std::span<const uint8_t> bytes, TagLines& list)
{
    TqvExifStream stream(bytes);
    return ReadExifInfo(stream, list);
}

std::string StripControlChars(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 32)
            out += c;
    return out;
}

} // namespace vm
