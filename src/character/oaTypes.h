#pragma once
// The actor library's records as plain data, decoded from the library's bytes.
#include "character/oaConst.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vm {

struct TPaletteEntry {
    uint8_t red = 0, green = 0, blue = 0, flags = 0;
};

// A LOGPALETTE as the record stores it: all 256 slots are kept, whatever the
// entry count says, so an 8-bit pixel always has a colour.
struct TPalette {
    uint16_t version = 0;
    uint16_t entryCount = 0;
    std::array<TPaletteEntry, kPaletteEntryCount> entries{};
};

// One animation record (66 bytes in the library).
struct TAnimationInfo {
    std::string name;
    uint16_t resourceId = 0;
    std::array<uint8_t, kStateSetBits / 8> states{};
    ReturnKind returnKind = ReturnKind::None;
    uint16_t returnAnimation = 0;

    bool HasState(int state) const
    {
        return state >= 0 && state < kStateSetBits && (states[size_t(state / 8)] >> (state % 8)) & 1;
    }
};

// The actor information record that GetActorInfo points at.
struct TActorInfo {
    uint16_t version = 0;
    uint16_t frameWidth = 0;
    uint16_t frameHeight = 0;
    TPalette palette;
    uint8_t transparentIndex = 0;
    std::vector<TAnimationInfo> animations; // animation number n is animations[n - 1]
};

// Colour number 0x00BBGGRR.
inline uint32_t ColorOf(const TPaletteEntry& e)
{
    return uint32_t(e.red) | uint32_t(e.green) << 8 | uint32_t(e.blue) << 16;
}

} // namespace vm
