#include "ExifFixture.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace vm::test {

void ByteWriter::U16(uint16_t v)
{
    if (big_) {
        U8(uint8_t(v >> 8));
        U8(uint8_t(v));
    } else {
        U8(uint8_t(v));
        U8(uint8_t(v >> 8));
    }
}

void ByteWriter::U32(uint32_t v)
{
    if (big_) {
        U16(uint16_t(v >> 16));
        U16(uint16_t(v));
    } else {
        U16(uint16_t(v));
        U16(uint16_t(v >> 16));
    }
}

Bytes Shorts(bool big, std::initializer_list<uint16_t> values)
{
    ByteWriter w(big);
    for (uint16_t v : values)
        w.U16(v);
    return w.bytes();
}

Bytes Longs(bool big, std::initializer_list<uint32_t> values)
{
    ByteWriter w(big);
    for (uint32_t v : values)
        w.U32(v);
    return w.bytes();
}

Bytes Ascii(const std::string& text)
{
    Bytes b(text.begin(), text.end());
    b.push_back(0);
    return b;
}

Bytes BuildTiff(bool big, const std::vector<Ifd>& ifds)
{
    std::vector<uint32_t> ifdOffset;
    uint32_t at = 8;
    for (const Ifd& ifd : ifds) {
        ifdOffset.push_back(at);
        at += 2 + 12 * uint32_t(ifd.entries.size()) + 4;
    }
    ByteWriter w(big);
    w.Text(big ? "MM" : "II");
    w.U16(42);
    w.U32(8);
    Bytes data;
    for (size_t i = 0; i < ifds.size(); ++i) {
        const Ifd& ifd = ifds[i];
        w.U16(uint16_t(ifd.entries.size()));
        for (const Entry& e : ifd.entries) {
            w.U16(e.tag);
            w.U16(e.type);
            w.U32(e.count);
            if (e.subIfd >= 0) {
                w.U32(ifdOffset.at(size_t(e.subIfd)));
            } else if (!e.data.empty()) {
                w.U32(at + uint32_t(data.size()));
                data.insert(data.end(), e.data.begin(), e.data.end());
                if (data.size() % 2)
                    data.push_back(0);
            } else if (!e.inlineBytes.empty()) {
                Bytes four = e.inlineBytes;
                four.resize(4, 0);
                w.Raw(four);
            } else {
                w.U32(e.value);
            }
        }
        w.U32(ifd.rawNext ? *ifd.rawNext : ifd.next >= 0 ? ifdOffset.at(size_t(ifd.next)) : 0);
    }
    w.Raw(data);
    return w.bytes();
}

Bytes Segment(uint8_t marker, const Bytes& payload)
{
    Bytes b{0xFF, marker, uint8_t((payload.size() + 2) >> 8), uint8_t(payload.size() + 2)};
    b.insert(b.end(), payload.begin(), payload.end());
    return b;
}

Bytes JpegWithExif(const Bytes& tiff, const std::vector<Bytes>& segmentsBefore)
{
    Bytes out{0xFF, 0xD8};
    for (const Bytes& s : segmentsBefore)
        out.insert(out.end(), s.begin(), s.end());
    Bytes app1{'E', 'x', 'i', 'f', 0, 0};
    app1.insert(app1.end(), tiff.begin(), tiff.end());
    const Bytes seg = Segment(0xE1, app1);
    out.insert(out.end(), seg.begin(), seg.end());
    const Bytes sos = Segment(0xDA, {1, 1, 0, 0, 63, 0});
    out.insert(out.end(), sos.begin(), sos.end());
    for (uint8_t b : {0x12, 0x34, 0x56, 0xFF, 0xD9})
        out.push_back(b);
    return out;
}

Bytes CameraTiff(bool big)
{
    const Bytes makerNote{'N', 'i', 'k', 'o', 'n', 0, 2, 0x10, 0, 0};
    return BuildTiff(big, {
        // 0: IFD0
        Ifd{{
                {0x010F, 2, 9, 0, Ascii("FUJIFILM")},
                {0x0110, 2, 5, 0, Ascii("X100")},
                {0x0112, 3, 1, 0, {}, -1, Shorts(big, {1})},
                {0x011A, 5, 1, 0, Longs(big, {72, 1})},
                {0x0128, 3, 1, 0, {}, -1, Shorts(big, {2})},
                {0x0132, 2, 20, 0, Ascii("2004:07:18 06:15:02")},
                {0x0213, 3, 1, 0, {}, -1, Shorts(big, {2})},
                {0x8769, 4, 1, 0, {}, 1},
                {0x8825, 4, 1, 0, {}, 2},
            },
            3},
        // 1: Exif IFD
        Ifd{{
            {0x829A, 5, 1, 0, Longs(big, {1, 60})},
            {0x829D, 5, 1, 0, Longs(big, {28, 10})},
            {0x8827, 3, 1, 0, {}, -1, Shorts(big, {200})},
            {0x9000, 7, 4, 0, {}, -1, {'0', '2', '2', '0'}},
            {0x9003, 2, 20, 0, Ascii("2004:07:18 06:15:02")},
            {0x9204, 10, 1, 0, Longs(big, {uint32_t(-2), 3})},
            {0x927C, 7, uint32_t(makerNote.size()), 0, makerNote},
            {0xA005, 4, 1, 0, {}, 4},
            {0xA401, 3, 1, 0, {}, -1, Shorts(big, {0})},
        }},
        // 2: GPS IFD
        Ifd{{
            {0x0000, 1, 4, 0, {}, -1, {2, 2, 0, 0}},
            {0x0001, 2, 2, 0, {}, -1, {'N', 0}},
            {0x0002, 5, 3, 0, Longs(big, {51, 1, 30, 1, 1234, 100})},
            {0x0003, 2, 2, 0, {}, -1, {'W', 0}},
            {0x0004, 5, 3, 0, Longs(big, {0, 1, 7, 1, 3900, 100})},
            {0x0006, 5, 1, 0, Longs(big, {35, 1})},
        }},
        // 3: IFD1, the thumbnail directory
        Ifd{{
            {0x0103, 3, 1, 0, {}, -1, Shorts(big, {6})},
            {0x0201, 4, 1, 4000},
            {0x0202, 4, 1, 1234},
        }},
        // 4: Interoperability IFD
        Ifd{{
            {0x0001, 2, 4, 0, {}, -1, {'R', '9', '8', 0}},
            {0x0002, 7, 4, 0, {}, -1, {'0', '1', '0', '0'}},
        }},
    });
}

std::vector<std::string> CameraLines()
{
    return {
        "Make=FUJIFILM",
        "Model=X100",
        "Orientation=1",
        "XResolution=72/1",
        "ResolutionUnit=2",
        "DateTime=2004:07:18 06:15:02",
        "YCbCrPositioning=2",
        "ExposureTime=1/60",
        "FNumber=28/10",
        "ISOSpeedRatings=200",
        "ExifVersion=30 32 32 30",
        "DateTimeOriginal=2004:07:18 06:15:02",
        "ExposureBiasValue=-2/3",
        "MakerNote=4E 69 6B 6F 6E 00 02 10 00 00",
        "InteroperabilityIndex=R98",
        "InteroperabilityVersion=30 31 30 30",
        "Tag A401=0",
        "GPSVersionID=2,2,0,0",
        "GPSLatitudeRef=N",
        "GPSLatitude=51/1,30/1,1234/100",
        "GPSLongitudeRef=W",
        "GPSLongitude=0/1,7/1,3900/100",
        "GPSAltitude=35/1",
        "Compression=6",
        "JPEGInterchangeFormat=4000",
        "JPEGInterchangeFormatLength=1234",
    };
}

std::string WriteTempFile(const std::string& name, const Bytes& bytes)
{
    const auto dir = std::filesystem::temp_directory_path() / ("vm-metadata-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return path.string();
}

} // namespace vm::test
