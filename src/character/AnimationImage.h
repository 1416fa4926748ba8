#pragma once
// The decoded form of an animation resource: per-frame sounds, durations,
// branches and exit branches, and the pixel strip.
//
// Pixel strip: H rows, top first; each row holds that row of all F frames side
// by side, W bytes each, so frame i of row y starts at y * F * W + i * W.
#include "character/oaConst.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vm {

class TAssistantActor;

struct TFrameBranch {
    uint8_t probability = 0; // percent
    uint8_t target = 0;      // frame index, from 0
};

struct TExitBranch {
    uint8_t present = 0; // non-zero: present
    uint8_t target = 0;
};

struct TAnimationImage {
    int frameCount = 0;
    uint16_t frameWidth = 0;
    uint16_t frameHeight = 0;
    std::vector<uint16_t> sounds;   // WAVE resource id per frame, 0 = silent
    std::vector<uint8_t> durations; // hundredths of a second, 0 = never drawn
    std::vector<std::array<TFrameBranch, kBranchesPerFrame>> branches;
    std::vector<TExitBranch> exits;
    std::vector<uint8_t> strip;     // H rows of F * W palette indices

    size_t StripRowSize() const { return size_t(frameCount) * frameWidth; }
    // Row y of frame i: frameWidth palette indices.
    std::span<const uint8_t> FrameRow(int frame, int y) const
    {
        return {strip.data() + size_t(y) * StripRowSize() + size_t(frame) * frameWidth, frameWidth};
    }
};

// Decodes a decompressed animation resource for frames of width x height.
// Raises EDamagedAnimation when the frame count is outside 1..256, the data is
// shorter than its tables and strip, or a branch that can be taken (probability
// above 0, exit flag set) leads to a frame that does not exist.
TAnimationImage DecodeAnimationImage(std::span<const uint8_t> data, uint16_t width, uint16_t height);

// Animation n of an open actor: its RT_RCDATA resource decompressed and
// decoded. Raises Error when n is not an animation of the actor or its
// resource is missing, EDamagedAnimation when the data is damaged.
// Takes the actor's lock while it reads the library.
TAnimationImage ReadAnimationImage(const TAssistantActor& actor, uint16_t n);

} // namespace vm
