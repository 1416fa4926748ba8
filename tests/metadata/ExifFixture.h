#pragma once
// Builds JPEG files with EXIF data byte by byte, so a test can say exactly
// which layout it reads: directories are laid out one after another from
// TIFF offset 8, out-of-line values after them.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vm::test {

using Bytes = std::vector<uint8_t>;

struct Entry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    uint32_t value = 0;   // the value field as a number (ignored when `data` or `subIfd` is set)
    Bytes data = {};      // placed out of line; the value field gets its offset
    int subIfd = -1;      // index of a directory; the value field gets its offset
    Bytes inlineBytes = {}; // the value field's four bytes as written (padded with 0)
};

struct Ifd {
    std::vector<Entry> entries;
    int next = -1;                  // index of the chained directory
    std::optional<uint32_t> rawNext = {}; // a next offset as written, overriding `next`
};

class ByteWriter {
public:
    explicit ByteWriter(bool bigEndian) : big_(bigEndian) {}
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void Raw(const Bytes& b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    void Text(const std::string& s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    Bytes& bytes() { return bytes_; }

private:
    bool big_;
    Bytes bytes_;
};

// Item data in the given byte order.
Bytes Shorts(bool big, std::initializer_list<uint16_t> values);
Bytes Longs(bool big, std::initializer_list<uint32_t> values);
Bytes Ascii(const std::string& text); // with its terminating NUL

// The TIFF block: header ("II" or "MM", 42, IFD0 at 8) and the directories.
Bytes BuildTiff(bool big, const std::vector<Ifd>& ifds);

// SOI, the given segments, an APP1 "Exif\0\0" + tiff, a tiny scan and EOI.
Bytes JpegWithExif(const Bytes& tiff, const std::vector<Bytes>& segmentsBefore = {});
// One segment: FF, marker, big-endian length counting itself, payload.
Bytes Segment(uint8_t marker, const Bytes& payload);

// A typical camera file: Make, Model, dates, Exif IFD with MakerNote and
// Interoperability IFD, GPS IFD, IFD1 thumbnail directory.
Bytes CameraTiff(bool big);
std::vector<std::string> CameraLines();

std::string WriteTempFile(const std::string& name, const Bytes& bytes);

} // namespace vm::test
