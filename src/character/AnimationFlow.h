#pragma once
// How an animation moves from frame to frame: branches taken by chance, exit
// branches when the animation is left, and how long a frame stays.
#include "character/AnimationImage.h"

#include <cstdint>
#include <functional>

namespace vm {

// Draws an integer in [0, range).
using RandomDraw = std::function<int32_t(int32_t range)>;

struct FrameStep {
    int frame = 0;         // the frame shown next (unchanged when finished at the last frame)
    bool finished = false; // the animation has reached its end
};

// The frame after f. Exiting: the exit branch when f has one, else f + 1.
// Otherwise each of f's four branches is tried in order: with r drawn from
// [0, remaining share), the branch is taken when r < its probability, else its
// probability leaves the share; with none taken, f + 1. Leaving the last frame
// finishes the animation, and so does arriving at a last frame of duration 0.
FrameStep NextFrame(const TAnimationImage& image, int f, bool exiting, const RandomDraw& random);

// Some frame has a sure branch (probability 100) back to itself or before it:
// the animation never ends by itself.
bool IsLooping(const TAnimationImage& image);
// Some frame has its exit flag set.
bool HasExitBranches(const TAnimationImage& image);

// Milliseconds a frame of `duration` hundredths stays at `speed` percent;
// negative (no end) at speed 0.
int FrameWaitMs(uint8_t duration, uint16_t speed);

} // namespace vm
