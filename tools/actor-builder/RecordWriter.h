#pragma once
// The byte forms of the actor record and of an animation image, as a library
// stores them.
#include "character/AnimationImage.h"
#include "character/oaTypes.h"

#include <cstdint>
#include <vector>

namespace vm::builder {

std::vector<uint8_t> EncodeActorInfo(const TActorInfo& info);
// The decompressed animation resource; the strip must hold H rows of F x W bytes.
std::vector<uint8_t> EncodeAnimationImage(const TAnimationImage& image);

} // namespace vm::builder
