#pragma once
// LZRW1-KH decoding of the animation resources. Only the decoder lives in the
// program; the compressor belongs to the actor builder.
//
// A compressed stream is a 4-byte header we never look at, then blocks: a
// 16-bit little-endian length L and L bytes. Every block decodes on its own to
// at most 32768 bytes; the stream ends after the first block that decodes to
// less than that, or at the end of the resource.
#include "util/Error.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vm {

inline constexpr size_t kLzrwBlockSize = 32768;
// Room a block's destination needs: the decoder may write 16 bytes past the block size.
inline constexpr size_t kLzrwBufferSize = kLzrwBlockSize + 16;
inline constexpr uint8_t kLzrwStoredFlag = 0x80;

// Raised for input that the format does not allow: items running past the end
// of a block, copies reaching before the block's first byte, a block decoding
// to more than 32768 bytes, a resource cut short.
class EDamagedAnimation : public Error {
public:
    EDamagedAnimation() : Error("The animation data is damaged") {}
};

// Decodes one block of `length` bytes into `destination`, which must have room
// for kLzrwBufferSize bytes. Returns the number of bytes decoded (at most 32768).
uint16_t DecompressBlock(const uint8_t* source, uint8_t* destination, uint16_t length);

// Appends the decoded bytes of the compressed stream `resource` to `memory`.
// More than `limit` decoded bytes count as damage (a guard against data that
// would unfold into gigabytes). On an error `memory` holds what was decoded
// before the damaged block.
void DecompressStream(std::span<const uint8_t> resource, std::vector<uint8_t>& memory,
                      uint64_t limit = UINT64_MAX);

} // namespace vm
