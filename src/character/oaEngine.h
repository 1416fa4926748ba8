#pragma once
// TAssistantEngine: plays one animation of the open actor frame by frame on a
// thread of its own. It decodes the animation once per switch, keeps a window
// region per frame, draws the current frame into the frame bitmap, starts the
// frame sounds, waits each frame's duration and follows the branches. Which
// animation plays is the director's business.
//
// Threads:
// - the engine's thread runs the play loop and calls OnAnimationStart,
//   OnFrame and OnAnimationStop (never while it holds a lock of its own);
// - the director's thread calls LoadAnimation, PlayExit and SetRunning;
// - the main thread calls PaintTo, Prepare, Reset and SetRunning(false).
// Every public method may be called from any thread. Lock order: the actor's
// lock, then the engine lock, then the canvas lock.
//
// Every start that SetRunning(true) makes is answered by exactly one
// OnAnimationStart and, unless the engine shuts down meanwhile, one
// OnAnimationStop. LoadAnimation, PlayExit (when it loads) and Reset wait for
// a play that is being stopped to have ended, so a new animation never mixes
// with the old one's last frame.
#include "character/AnimationImage.h"
#include "character/FrameBitmap.h"
#include "character/SoundOutput.h"
#include "raster/Region.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vm {

class TAssistantActor;

class TAssistantEngine {
public:
    using Callback = std::function<void(TAssistantEngine& engine)>;

    // Starts the thread, idle. Neither the actor nor the sound output (null:
    // silent) is owned; both outlive the engine.
    explicit TAssistantEngine(TAssistantActor& actor, ISoundOutput* sound = nullptr);
    TAssistantEngine(const TAssistantEngine&) = delete;
    TAssistantEngine& operator=(const TAssistantEngine&) = delete;
    ~TAssistantEngine(); // Shutdown, then waits for the thread

    // Frame size, palette and transparent index from the actor.
    void Prepare();
    // Stops, forgets the animation and empties the frame bitmap.
    void Reset();
    // False when n is 0 or not an animation of the actor, or its data is
    // missing or damaged (then no animation is current). Otherwise stops, loads
    // n unless it is current already (then it only rewinds), starts from frame
    // 0 not exiting, and returns true.
    bool LoadAnimation(uint16_t n);
    // Prepares how the current animation is left: along its exit branches
    // (return kind 2, or stopped before its end), or by loading its return
    // animation (return kind 1, finished). True when there is something to play.
    bool PlayExit();
    bool HasExitBranches() const;
    bool IsLooping() const;
    bool IsRunning() const;
    // Running an animation that never ends by itself (both read at one moment).
    bool IsPlayingLoop() const;
    // Starts or stops playing; with no frames it only stops. Returns whether
    // the engine plays now.
    bool SetRunning(bool run);
    // Copies the frame bitmap to dc at (x, y); nothing when it is empty.
    void PaintTo(Bitmap& dc, int x, int y) const;
    // Ends the thread: no callback follows once it has ended.
    void Shutdown();
    // Waits until the thread has ended (after Shutdown).
    void WaitForEnd();
    bool IsEngineThread() const { return std::this_thread::get_id() == threadId_; }

    uint16_t Speed() const { return speed_; }
    void SetSpeed(uint16_t percent) { speed_ = percent; } // 0: frames never end
    bool Mute() const { return mute_; }
    void SetMute(bool mute) { mute_ = mute; }

    uint16_t CurrentAnimation() const;
    int FrameCount() const;
    int CurrentFrame() const; // the frame shown, or about to be shown
    bool Finished() const;
    bool Exiting() const;
    // Shape of the frame rendered last; nullopt before the first one.
    std::optional<Region> CurrentRegion() const;
    // How often animation data was decoded: a rewind does not decode again.
    uint32_t DecodeCount() const;

    // Set before the first play.
    Callback OnAnimationStart;
    Callback OnAnimationStop; // not during shutdown
    Callback OnFrame;         // after each frame rendered while running

private:
    using Wave = std::shared_ptr<const std::vector<uint8_t>>;

    void Execute();
    void RenderFrame(std::unique_lock<std::mutex>& lock, int frame);
    bool SetRunningLocked(std::unique_lock<std::mutex>& lock, bool run);
    void StopAndWaitIdle(std::unique_lock<std::mutex>& lock);
    void ClearAnimation();

    TAssistantActor& actor_;
    ISoundOutput* const sound_;

    // The engine lock: the play state below and the start/stop transitions.
    mutable std::mutex lock_;
    std::condition_variable changed_;
    bool runEvent_ = false;    // set while the engine is to play
    bool stoppedEvent_ = true; // set while it is not playing
    bool parked_ = true;       // the thread waits for the run event
    bool terminated_ = false;
    bool ended_ = false;       // the thread has returned

    TAnimationImage animation_; // frameCount 0: none
    std::vector<Region> regions_;
    std::map<uint16_t, Wave> waves_; // the animation's sounds, copied at load
    uint16_t currentAnimation_ = 0;
    uint8_t transparentIndex_ = 0;
    bool exiting_ = false;
    bool finished_ = false;
    int currentFrame_ = 0;
    int currentRegion_ = -1;
    uint32_t decodeCount_ = 0;
    std::atomic<uint16_t> speed_{100};
    std::atomic<bool> mute_{false};

    mutable std::mutex canvasLock_;
    TFrameBitmap bitmap_;

    std::thread::id threadId_;
    std::thread thread_;
};

} // namespace vm
