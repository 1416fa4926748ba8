#include "platform/WaveFile.h"

#include <cstring>
#include <string_view>

namespace vm {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;
constexpr int kMaxSampleRate = 384000;

uint16_t U16(std::span<const uint8_t> b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
uint32_t U32(std::span<const uint8_t> b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
bool Tag(std::span<const uint8_t> b, size_t at, std::string_view tag)
{
    return std::memcmp(b.data() + at, tag.data(), 4) == 0;
}

std::optional<WaveSampleType> SampleType(uint16_t formatTag, uint16_t bits)
{
    if (formatTag == kFormatPcm && bits == 8)
        return WaveSampleType::UInt8;
    if (formatTag == kFormatPcm && bits == 16)
        return WaveSampleType::Int16;
    if (formatTag == kFormatPcm && bits == 32)
        return WaveSampleType::Int32;
    if (formatTag == kFormatFloat && bits == 32)
        return WaveSampleType::Float;
    return std::nullopt;
}

std::optional<WaveFormat> ParseFormat(std::span<const uint8_t> chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    uint16_t formatTag = U16(chunk, 0);
    const int channels = U16(chunk, 2);
    const uint32_t sampleRate = U32(chunk, 4);
    const uint16_t bits = U16(chunk, 14);
    // The extensible form names the real format in the first two bytes of its GUID.
    if (formatTag == kFormatExtensible) {
        if (chunk.size() < 26)
            return std::nullopt;
        formatTag = U16(chunk, 24);
    }
    const auto type = SampleType(formatTag, bits);
    if (!type || channels < 1 || channels > kMaxChannels || sampleRate < 1 || sampleRate > kMaxSampleRate)
        return std::nullopt;
    return WaveFormat{*type, channels, int(sampleRate)};
}

} // namespace

int WaveFormat::BytesPerFrame() const
{
    const int bytes = sampleType == WaveSampleType::UInt8 ? 1 : sampleType == WaveSampleType::Int16 ? 2 : 4;
    return bytes * channels;
}

std::optional<WaveData> ParseWave(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 12 || !Tag(bytes, 0, "RIFF") || !Tag(bytes, 8, "WAVE"))
        return std::nullopt;
    std::optional<WaveFormat> format;
    size_t at = 12;
    while (bytes.size() - at >= 8) {
        const uint32_t declared = U32(bytes, at + 4);
        const size_t bodyStart = at + 8;
        const size_t available = bytes.size() - bodyStart;
        const size_t size = declared < available ? declared : available;
        const std::span<const uint8_t> body = bytes.subspan(bodyStart, size);
        if (Tag(bytes, at, "fmt ")) {
            format = ParseFormat(body);
            if (!format)
                return std::nullopt;
        } else if (Tag(bytes, at, "data")) {
            if (!format)
                return std::nullopt;
            const size_t frame = size_t(format->BytesPerFrame());
            return WaveData{*format, body.first(size - size % frame)};
        }
        // Chunks are padded to an even length.
        const size_t next = bodyStart + size + (size & 1);
        if (next > bytes.size())
            break;
        at = next;
    }
    return std::nullopt;
}

} // namespace vm
