#pragma once
// TAssistantActor: one opened actor library, its record and what is derived
// from it (palette, transparent colour, animations per state).
//
// Threads: the main thread sets FileName, opens and closes. The engine and the
// director read the record and the resources from their own threads, holding
// Lock() while they do, so that Close cannot release the library under them.
// OnLoad and OnUnload run on the thread that opens or closes.
#include "character/ActorRecord.h"
#include "character/oaTypes.h"
#include "util/Error.h"

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vm {

class EActorError : public Error {
public:
    using Error::Error;
};

class TAssistantActor {
public:
    using Callback = std::function<void(TAssistantActor& actor)>;

    TAssistantActor() = default;
    TAssistantActor(const TAssistantActor&) = delete;
    TAssistantActor& operator=(const TAssistantActor&) = delete;
    // Releases an open library without calling OnUnload.
    ~TAssistantActor();

    const std::string& FileName() const { return fileName_; }
    // Closes the current library and opens the new one; a name equal to the
    // current one ignoring case changes nothing. When opening fails the name
    // becomes empty and the EActorError propagates.
    void SetFileName(const std::string& fileName);

    void Open();  // raises EActorError; nothing when already open
    void Close(); // OnUnload first, then the library is released
    bool IsEmpty() const { return !loaded_; }

    uint16_t AnimationCount() const;
    uint16_t FrameWidth() const;
    uint16_t FrameHeight() const;
    uint8_t TransparentIndex() const;
    // Animation record n (1..N); null when closed or n is out of range.
    const TAnimationInfo* Animations(size_t n) const;
    // Null when closed.
    const TPalette* Palette() const;
    // Colour number (0x00BBGGRR) of the transparent palette entry; 0 when closed.
    uint32_t TransparentColor() const { return transparentColor_; }
    // Counters for states 0..77: how many animations have that state.
    const std::array<uint16_t, kCountedStates>& StateCounts() const { return stateCounts_; }

    // A random animation of the state (each one equally likely), or 0.
    uint16_t PickAnimation(int state) const;
    // The highest-numbered animation with that name, ignoring case, or 0.
    uint16_t FindAnimation(std::string_view name) const;

    // Resource bytes of the open library (animation data by RT_RCDATA id,
    // frame sounds by WAVE id); nullopt when closed or missing. Valid until
    // Close: read them under Lock().
    std::optional<std::span<const uint8_t>> AnimationResource(uint16_t id) const;
    std::optional<std::span<const uint8_t>> WaveResource(uint16_t id) const;

    void Lock() const { lock_.lock(); }
    void Unlock() const { lock_.unlock(); }

    Callback OnLoad;
    Callback OnUnload;

private:
    bool LoadLibrary();

    std::string fileName_;
    const TActorInfo* record_ = nullptr; // inside loaded_ while a library is open
    std::optional<TActorLibrary> loaded_;
    uint32_t transparentColor_ = 0;
    std::array<uint16_t, kCountedStates> stateCounts_{};
    // Re-entrant, like the critical section it stands for: the engine takes it
    // and then calls back into the actor.
    mutable std::recursive_mutex lock_;
};

// Holds the actor's lock for a scope.
class ActorLock {
public:
    explicit ActorLock(const TAssistantActor& actor) : actor_(actor) { actor_.Lock(); }
    ~ActorLock() { actor_.Unlock(); }
    ActorLock(const ActorLock&) = delete;
    ActorLock& operator=(const ActorLock&) = delete;

private:
    const TAssistantActor& actor_;
};

} // namespace vm
