#pragma once
// Fixed numbers of the actor library format and the states the program uses.
#include <cstddef>
#include <cstdint>

namespace vm {

// Record layout.
inline constexpr uint16_t kActorInfoVersion = 200;
inline constexpr size_t kActorInfoHeaderSize = 1058; // up to and including the animation count
inline constexpr size_t kAnimationInfoSize = 66;
inline constexpr size_t kPaletteEntryCount = 256;
inline constexpr size_t kMaxAnimationNameLength = 50;
inline constexpr int kStateSetBits = 80;   // bits stored per animation
inline constexpr int kCountedStates = 78;  // states 0..77 have a counter; 78 and 79 never do

// Animation image.
inline constexpr int kMaxFrames = 256;
inline constexpr int kBranchesPerFrame = 4;

// Resource types inside the library.
inline constexpr uint16_t kResourceTypeRcData = 10; // RT_RCDATA
inline constexpr const char* kResourceTypeWave = "WAVE";

// Return kinds of an animation record.
enum class ReturnKind : uint8_t { None = 0, ReturnAnimation = 1, ExitBranches = 2 };

// States the program chooses animations by.
enum State : int {
    kStateHiding = 32,
    kStateIdle1 = 33,
    kStateIdle2 = 34,
    kStateIdle3 = 35,
    kStateMoveDown = 46,
    kStateMoveDownRight = 47,
    kStateMoveDownLeft = 48,
    kStateMoveRight = 49,
    kStateMoveLeft = 50,
    kStateMoveUp = 51,
    kStateMoveUpRight = 52,
    kStateMoveUpLeft = 53,
    kStateRest = 60,
    kStateShowing = 64,
};

// The special animations, in the order the director groups them (start, continued, return).
inline constexpr const char* kSpecialNames[9] = {
    "GetAttention", "GetAttentionContinued", "GetAttentionReturn",
    "Read",         "ReadContinued",         "ReadReturn",
    "Write",        "WriteContinued",        "WriteReturn",
};

} // namespace vm
