// Bare TIFF blocks wrapped into the APP1 segment of a minimal JPEG, so the
// fuzzer spends its time on the directories rather than on the markers.
#include "metadata/qvJpegInfo.h"
#include "util/Error.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t tiffSize = size < 65527 ? size : 65527;
    const size_t length = tiffSize + 8; // the length word, "Exif", two zero bytes
    std::vector<uint8_t> file{0xFF, 0xD8, 0xFF, 0xE1, uint8_t(length >> 8), uint8_t(length), 'E', 'x', 'i', 'f', 0, 0};
    file.insert(file.end(), data, data + tiffSize);
    vm::TagLines lines;
    try {
        vm::ReadExifInfo(std::span<const uint8_t>(file), lines);
    } catch (const vm::Error&) {
        if (!lines.empty())
            std::abort();
    }
    size_t total = 0;
    for (const std::string& line : lines)
        total += line.size();
    if (total > 64 * 65536 * 16) // bounded by the segment, whatever the counts say
        std::abort();
    return 0;
}
