// Time per photo to read the EXIF data of a typical camera JPEG: our
// ReadExifInfo against libexif's exif_data_new_from_file, same file, same run.
//
// The photo: IFD0 with make, model and dates; an Exif IFD with exposure
// values, a UserComment and a 3.5 KB Canon-style MakerNote (an IFD of 40
// entries and its data); an Interoperability IFD; a GPS IFD; an IFD1 with an
// 8 KB thumbnail; then the scan data of a real photo.
#include "ExifFixture.h"
#include "metadata/qvJpegInfo.h"

#include <benchmark/benchmark.h>
#include <libexif/exif-data.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

using namespace vm;
using namespace vm::test;

namespace {

Bytes MakerNote(bool big)
{
    ByteWriter w(big);
    const uint16_t entries = 40;
    w.U16(entries);
    for (uint16_t i = 0; i < entries; ++i) {
        w.U16(uint16_t(0x0001 + i));
        w.U16(i % 3 == 0 ? 4 : 3);
        w.U32(1);
        w.U32(i % 3 == 0 ? 100000u + i : uint32_t(i) << 16);
    }
    w.U32(0);
    Bytes note = w.bytes();
    for (size_t i = 0; note.size() < 3500; ++i)
        note.push_back(uint8_t(i * 31 + 7));
    return note;
}

Bytes CameraExif()
{
    const bool big = false; // Canon writes Intel order
    Bytes userComment{'A', 'S', 'C', 'I', 'I', 0, 0, 0};
    userComment.resize(264, ' ');
    Bytes thumbnail(8192, 0x55);
    return BuildTiff(big, {
        Ifd{{
                {0x010F, 2, 6, 0, Ascii("Canon")},
                {0x0110, 2, 21, 0, Ascii("Canon EOS 5D Mark II")},
                {0x0112, 3, 1, 0, {}, -1, Shorts(big, {1})},
                {0x011A, 5, 1, 0, Longs(big, {72, 1})},
                {0x011B, 5, 1, 0, Longs(big, {72, 1})},
                {0x0128, 3, 1, 0, {}, -1, Shorts(big, {2})},
                {0x0131, 2, 10, 0, Ascii("Firmware1")},
                {0x0132, 2, 20, 0, Ascii("2004:07:18 06:15:02")},
                {0x013B, 2, 12, 0, Ascii("Ann Example")},
                {0x0213, 3, 1, 0, {}, -1, Shorts(big, {2})},
                {0x8769, 4, 1, 0, {}, 1},
                {0x8825, 4, 1, 0, {}, 3},
            },
            4},
        Ifd{{
            {0x829A, 5, 1, 0, Longs(big, {1, 125})},
            {0x829D, 5, 1, 0, Longs(big, {56, 10})},
            {0x8822, 3, 1, 0, {}, -1, Shorts(big, {2})},
            {0x8827, 3, 1, 0, {}, -1, Shorts(big, {200})},
            {0x9000, 7, 4, 0, {}, -1, {'0', '2', '2', '1'}},
            {0x9003, 2, 20, 0, Ascii("2004:07:18 06:15:02")},
            {0x9004, 2, 20, 0, Ascii("2004:07:18 06:15:02")},
            {0x9101, 7, 4, 0, {}, -1, {1, 2, 3, 0}},
            {0x9201, 10, 1, 0, Longs(big, {458752, 65536})},
            {0x9202, 5, 1, 0, Longs(big, {327680, 65536})},
            {0x9204, 10, 1, 0, Longs(big, {0, 3})},
            {0x9207, 3, 1, 0, {}, -1, Shorts(big, {5})},
            {0x9209, 3, 1, 0, {}, -1, Shorts(big, {16})},
            {0x920A, 5, 1, 0, Longs(big, {50, 1})},
            {0x927C, 7, 3500, 0, MakerNote(big)},
            {0x9286, 7, 264, 0, userComment},
            {0x9290, 2, 3, 0, {}, -1, {'0', '0', 0}},
            {0xA000, 7, 4, 0, {}, -1, {'0', '1', '0', '0'}},
            {0xA001, 3, 1, 0, {}, -1, Shorts(big, {1})},
            {0xA002, 3, 1, 0, {}, -1, Shorts(big, {5616})},
            {0xA003, 3, 1, 0, {}, -1, Shorts(big, {3744})},
            {0xA005, 4, 1, 0, {}, 2},
            {0xA20E, 5, 1, 0, Longs(big, {5616000, 1459})},
            {0xA20F, 5, 1, 0, Longs(big, {3744000, 958})},
            {0xA210, 3, 1, 0, {}, -1, Shorts(big, {2})},
            {0xA401, 3, 1, 0, {}, -1, Shorts(big, {0})},
            {0xA402, 3, 1, 0, {}, -1, Shorts(big, {0})},
            {0xA403, 3, 1, 0, {}, -1, Shorts(big, {0})},
            {0xA406, 3, 1, 0, {}, -1, Shorts(big, {0})},
        }},
        Ifd{{
            {0x0001, 2, 4, 0, {}, -1, {'R', '9', '8', 0}},
            {0x0002, 7, 4, 0, {}, -1, {'0', '1', '0', '0'}},
        }},
        Ifd{{
            {0x0000, 1, 4, 0, {}, -1, {2, 2, 0, 0}},
            {0x0001, 2, 2, 0, {}, -1, {'N', 0}},
            {0x0002, 5, 3, 0, Longs(big, {51, 1, 30, 1, 252, 100})},
            {0x0003, 2, 2, 0, {}, -1, {'W', 0}},
            {0x0004, 5, 3, 0, Longs(big, {0, 1, 7, 1, 2856, 100})},
            {0x0005, 1, 1, 0, {}, -1, {0}},
            {0x0006, 5, 1, 0, Longs(big, {35, 1})},
            {0x0007, 5, 3, 0, Longs(big, {6, 1, 15, 1, 2, 1})},
            {0x0012, 2, 7, 0, Ascii("WGS-84")},
            {0x001D, 2, 11, 0, Ascii("2004:07:18")},
        }},
        Ifd{{
            {0x0103, 3, 1, 0, {}, -1, Shorts(big, {6})},
            {0x011A, 5, 1, 0, Longs(big, {72, 1})},
            {0x011B, 5, 1, 0, Longs(big, {72, 1})},
            {0x0128, 3, 1, 0, {}, -1, Shorts(big, {2})},
            {0x0201, 4, 1, 0, thumbnail},
            {0x0202, 4, 1, uint32_t(thumbnail.size())},
        }},
    });
}

// The camera EXIF in front of the scan data of a real photo.
const std::string& CameraPhotoPath()
{
    static const std::string path = [] {
        std::ifstream in(std::string(VM_SOURCE_DIR) + "/tests/metadata/photos/canon_mm.jpg", std::ios::binary);
        const Bytes real((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Skip the real photo's own SOI and APP1; keep everything after.
        const size_t app1Length = size_t(real.at(4)) << 8 | real.at(5);
        Bytes file = JpegWithExif(CameraExif());
        file.resize(file.size() - 15); // drop the fixture's tiny scan and EOI
        file.insert(file.end(), real.begin() + long(4 + app1Length), real.end());
        return WriteTempFile("bench_camera.jpg", file);
    }();
    return path;
}

void BM_ReadExifInfo(benchmark::State& state)
{
    const std::string& path = CameraPhotoPath();
    size_t lines = 0;
    for (auto _ : state) {
        TagLines list;
        if (!ReadExifInfo(path, list))
            throw std::runtime_error("the camera photo did not read");
        lines = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["tags"] = double(lines);
}
BENCHMARK(BM_ReadExifInfo);

void BM_LibExif(benchmark::State& state)
{
    const std::string& path = CameraPhotoPath();
    size_t entries = 0;
    for (auto _ : state) {
        ExifData* data = exif_data_new_from_file(path.c_str());
        if (!data)
            throw std::runtime_error("libexif found no EXIF data");
        entries = 0;
        for (int i = 0; i < EXIF_IFD_COUNT; ++i)
            entries += data->ifd[i] ? data->ifd[i]->count : 0;
        benchmark::DoNotOptimize(data);
        exif_data_unref(data);
    }
    state.counters["tags"] = double(entries);
}
BENCHMARK(BM_LibExif);

} // namespace

BENCHMARK_MAIN();
