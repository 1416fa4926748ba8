#pragma once
// Frame sounds of the character: WAVE bytes from memory, played without
// blocking the caller. A sound that plays is never cut off by a new one: the
// new one yields and is dropped, as it would be while the device is busy.
//
// Threads: PlayWave and StopAll may be called from any thread (the animation
// engine calls them from its own); they never wait for the sound.
#include <cstdint>
#include <memory>
#include <vector>

namespace vm {

class FrameSound {
public:
    virtual ~FrameSound() = default;
    // Starts the sound and returns true; false when another one still plays or
    // the bytes are no playable WAVE (no default sound instead).
    virtual bool PlayWave(std::shared_ptr<const std::vector<uint8_t>> wave) = 0;
    // Stops what plays (a stopped animation silences its sound).
    virtual void StopAll() = 0;
    virtual bool Playing() const = 0;
};

} // namespace vm
