#pragma once
// The frog's frame sounds, synthesized: 8-bit mono WAVE files.
#include <cstdint>
#include <vector>

namespace vm::builder {

enum FrogSound : uint16_t { kSoundRibbit = 1, kSoundCroak = 2, kSoundHop = 3, kSoundPop = 4 };

std::vector<uint8_t> SynthesizeSound(FrogSound sound);

} // namespace vm::builder
