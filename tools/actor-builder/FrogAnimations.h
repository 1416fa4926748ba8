#pragma once
// What the frog can do: every animation as a list of poses with their timing,
// sounds, branches and exit branches.
#include "FrogArt.h"
#include "character/oaConst.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vm::builder {

struct FrameSpec {
    FrogPose pose;
    uint8_t duration = 10; // hundredths of a second
    uint16_t sound = 0;
    std::vector<std::pair<uint8_t, uint8_t>> branches; // (probability, target frame), at most four
    std::optional<uint8_t> exit;                        // exit branch target
};

struct AnimationSpec {
    std::string name;
    std::vector<int> states;
    ReturnKind returnKind = ReturnKind::None;
    std::string returnTo; // the return animation's name, for return kind 1
    std::vector<FrameSpec> frames;
};

std::vector<AnimationSpec> FrogAnimations();

} // namespace vm::builder
