// Fuzz entry: any bytes as a compressed animation resource.
#include "character/oaLZRWKH.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> out;
    try {
        // The same guard the animation reader uses, so a tiny input cannot unfold into gigabytes.
        vm::DecompressStream({data, size}, out, 16u << 20);
    } catch (const vm::EDamagedAnimation&) {
    }
    return 0;
}
