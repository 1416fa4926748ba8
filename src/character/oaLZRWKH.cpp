#include "character/oaLZRWKH.h"

#include <cstring>

namespace vm {
namespace {

// Copies that cannot overlap go in 16-byte chunks, into the buffer's spare room.
constexpr size_t kSlack = kLzrwBufferSize - kLzrwBlockSize;

uint16_t ReadLength(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// Copies `length` bytes from `offset` back; a copy closer than its own length
// repeats the bytes it has just written, as the format requires.
inline void CopyBack(uint8_t* out, size_t offset, size_t length)
{
    const uint8_t* from = out - offset;
    if (offset >= kSlack) {
        std::memcpy(out, from, kSlack);
        if (length > kSlack)
            std::memcpy(out + kSlack, from + kSlack, length - kSlack);
        return;
    }
    for (size_t i = 0; i < length; ++i)
        out[i] = from[i];
}

uint16_t DecodeItems(const uint8_t* source, uint8_t* destination, size_t end)
{
    size_t in = 3;
    size_t out = 0;
    unsigned control = unsigned(source[1]) << 8 | source[2];
    int bits = 16;
    while (in < end) {
        if (bits == 0) {
            if (end - in < 2)
                throw EDamagedAnimation();
            control = unsigned(source[in]) << 8 | source[in + 1];
            in += 2;
            bits = 16;
        }
        if ((control & 0x8000) == 0) {
            if (in >= end || out >= kLzrwBlockSize)
                throw EDamagedAnimation();
            destination[out++] = source[in++];
        } else {
            if (end - in < 2)
                throw EDamagedAnimation();
            const unsigned b0 = source[in];
            const unsigned b1 = source[in + 1];
            const size_t offset = b0 << 4 | b1 >> 4;
            if (offset != 0) {
                const size_t length = (b1 & 15) + 3;
                if (offset > out || length > kLzrwBlockSize - out)
                    throw EDamagedAnimation();
                CopyBack(destination + out, offset, length);
                in += 2;
                out += length;
            } else {
                if (end - in < 4)
                    throw EDamagedAnimation();
                const size_t count = (b1 << 8) + source[in + 2] + 16;
                if (count > kLzrwBlockSize - out)
                    throw EDamagedAnimation();
                std::memset(destination + out, source[in + 3], count);
                in += 4;
                out += count;
            }
        }
        control = (control << 1) & 0xFFFF;
        --bits;
    }
    return uint16_t(out);
}

} // namespace

uint16_t DecompressBlock(const uint8_t* source, uint8_t* destination, uint16_t length)
{
    if (length == 0)
        return 0;
    if (source[0] == kLzrwStoredFlag) {
        const size_t stored = size_t(length) - 1;
        if (stored > kLzrwBlockSize)
            throw EDamagedAnimation();
        std::memcpy(destination, source + 1, stored);
        return uint16_t(stored);
    }
    // A compressed block too short for its control word has no items.
    if (length < 3)
        return 0;
    return DecodeItems(source, destination, length);
}

void DecompressStream(std::span<const uint8_t> resource, std::vector<uint8_t>& memory, uint64_t limit)
{
    if (resource.size() < 4)
        throw EDamagedAnimation();
    const size_t start = memory.size();
    size_t in = 4;
    for (;;) {
        // The format has no end mark after a full block: the resource's end is the stream's end.
        if (in == resource.size())
            return;
        if (resource.size() - in < 2)
            throw EDamagedAnimation();
        const uint16_t length = ReadLength(resource.data() + in);
        in += 2;
        if (resource.size() - in < length)
            throw EDamagedAnimation();
        const size_t before = memory.size();
        memory.resize(before + kLzrwBlockSize + kSlack);
        uint16_t decoded = 0;
        try {
            decoded = DecompressBlock(resource.data() + in, memory.data() + before, length);
        } catch (...) {
            memory.resize(before);
            throw;
        }
        memory.resize(before + decoded);
        if (memory.size() - start > limit) {
            memory.resize(before);
            throw EDamagedAnimation();
        }
        in += length;
        if (decoded != kLzrwBlockSize)
            return;
    }
}

} // namespace vm
