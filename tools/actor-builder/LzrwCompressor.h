#pragma once
// LZRW1-KH compression, for building actor libraries. The program itself only
// decodes (src/character/oaLZRWKH).
#include <cstdint>
#include <span>
#include <vector>

namespace vm::builder {

// One block of at most 32768 bytes, as it is stored after its length word:
// a compressed block when that is shorter, a stored block (flag 0x80) otherwise.
std::vector<uint8_t> CompressBlock(std::span<const uint8_t> block);

// A whole resource: a 4-byte header (the decoded size), then the blocks with
// their length words. Data of a multiple of 32768 bytes gets an empty last
// block, so the stream always ends with a short block.
std::vector<uint8_t> CompressStream(std::span<const uint8_t> data);

} // namespace vm::builder
