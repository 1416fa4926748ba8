#pragma once
// Turns animation tables into an actor library: frames drawn into pixel
// strips, images compressed into RT_RCDATA resources, sounds into WAVE
// resources, and the record that ties them together.
#include "FrogAnimations.h"
#include "PeWriter.h"

#include <vector>

namespace vm::builder {

inline constexpr uint16_t kFirstAnimationResource = 100;

// Raises vm::Error for tables that break the format (too many frames, a branch
// to a missing frame, an unknown return animation).
BuiltLibrary AssembleActorLibrary(const std::vector<AnimationSpec>& animations, const TPalette& palette,
                                  uint8_t transparentIndex);

// The default library: the frog with its sounds.
BuiltLibrary BuildFrogLibrary();

} // namespace vm::builder
