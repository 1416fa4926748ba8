// Whole files through the EXIF reader: any bytes must end in a result or a
// vm::Error, never in a crash, a hang or a read outside the data.
#include "metadata/qvJpegInfo.h"
#include "util/Error.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vm::TagLines lines;
    try {
        vm::ReadExifInfo(std::span<const uint8_t>(data, size), lines);
    } catch (const vm::Error&) {
        if (!lines.empty())
            std::abort(); // only errors before the directories leave the reader
    }
    for (const std::string& line : lines)
        if (line.find('=') == std::string::npos)
            std::abort();
    return 0;
}
