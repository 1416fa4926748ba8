#include "PngFile.h"

#include "util/Error.h"

#include <fstream>
#include <zlib.h>

namespace vm::tool {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 3; i >= 0; --i)
        out.push_back(uint8_t(v >> (8 * i)));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    Put32(out, uint32_t(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, uint32_t(crc32(0, out.data() + start, uInt(out.size() - start))));
}

} // namespace

void WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    std::vector<uint8_t> raw;
    raw.reserve(size_t(height) * (size_t(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        const auto row = rgb.begin() + long(y) * width * 3;
        raw.insert(raw.end(), row, row + width * 3);
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 6) != Z_OK)
        throw Error("cannot compress the picture");
    packed.resize(packedSize);

    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    Put32(header, uint32_t(width));
    Put32(header, uint32_t(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", packed);
    Chunk(png, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    if (!out.flush())
        throw Error("cannot write " + path);
}

} // namespace vm::tool
