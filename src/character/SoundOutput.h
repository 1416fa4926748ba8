#pragma once
// Where the engine sends frame sounds: WAVE files held in memory, played
// asynchronously. A sound that still plays is never cut off by a new one (the
// new one is dropped), a missing or unplayable sound plays nothing (no default
// sound), and the caller never waits for the device.
//
// Threads: both methods are called from the engine's thread, never while it
// holds a lock. The bytes are valid only during the call: an output that plays
// them later keeps a copy.
#include <cstddef>
#include <cstdint>

namespace vm {

class ISoundOutput {
public:
    virtual ~ISoundOutput() = default;
    virtual void PlayWave(const uint8_t* bytes, size_t size) = 0;
    // Silences whatever still plays (an animation stopped before its end).
    virtual void StopAll() = 0;
};

} // namespace vm
