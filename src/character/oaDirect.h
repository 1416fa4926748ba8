#pragma once
// TAssistantDirector: decides what the character does. Callers queue requests
// (an animation, or some animation of a state) and may wait for them, stop
// them or stop everything; the director's thread hands them to the engine one
// at a time, lets an interrupted or finished animation leave gracefully (exit
// branches, return animations, the special "...Return" animations), and fills
// quiet time with idle animations whose liveliness rises in three levels.
//
// Threads:
// - the director's thread runs the loop, StartNext and DoIdle, and calls
//   OnIdleRequest;
// - the engine's thread runs the play callbacks and calls OnRequestStart and
//   OnRequestEnd;
// - the main thread (and a movement thread) call everything public. Their
//   waits go through WaitWithMessages, so the GUI keeps painting.
// Callbacks must not call SetActive or Shutdown, and callbacks on the engine's
// thread must not wait for requests.
//
// Shutdown (also by the destructor) ends both threads promptly whatever they
// do, and no callback follows it.
#include "character/Event.h"
#include "character/RequestQueue.h"
#include "character/SpecialNames.h"
#include "character/oaActor.h"
#include "character/oaEngine.h"
#include "raster/Rect.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace vm {

class TAssistantDirector {
public:
    using RequestCallback = std::function<void(TAssistantDirector& director, TRequestId id)>;
    // level 1..3; handled = true: no idle animation is queued.
    using IdleCallback = std::function<void(TAssistantDirector& director, int level, bool& handled)>;

    // Starts the thread, inactive. Frame sounds go to `sound` (null: silent), not owned.
    explicit TAssistantDirector(ISoundOutput* sound = nullptr);
    TAssistantDirector(const TAssistantDirector&) = delete;
    TAssistantDirector& operator=(const TAssistantDirector&) = delete;
    ~TAssistantDirector();

    TAssistantActor& Actor() { return actor_; }
    TAssistantEngine& Engine() { return engine_; }
    const TRequestQueue& Queue() const { return queue_; }
    const TSpecialNames& SpecialNames() const { return specialNames_; }

    bool Active() const;
    // Shown and playing; takes effect at once when an actor is open, else when one opens.
    void SetActive(bool active);

    // The request's ID, or 0 when n is 0 or the director is inactive.
    TRequestId Play(uint16_t n);
    TRequestId PlayState(int state);
    // The current request is stopped (and the rest pose queued when nothing
    // else waits); a queued one is dropped.
    void StopRequest(TRequestId id);
    // Drops every queued request and stops the current one; then either
    // forgets it (no exit or return animation follows) or queues the rest pose.
    void StopAll(bool forget);
    // Waits while the request is queued or playing. False when it gave up
    // because the request playing (this one or one before it, not an idle
    // animation) never ends by itself.
    bool WaitFor(TRequestId id);
    bool IsPending(TRequestId id) const;
    bool IsBusy() const;
    // While updates are open no request starts; the next one starts when the last closes.
    void BeginUpdate();
    void EndUpdate();
    // The movement state for the stage at `bounds` going to `target`.
    int MoveState(const Rect& bounds, const Point& target) const;
    void Shutdown();

    bool AutoIdle() const;
    void SetAutoIdle(bool autoIdle);
    uint16_t MinIdleTime() const;
    uint16_t MaxIdleTime() const;
    void SetMinIdleTime(uint16_t ms);
    void SetMaxIdleTime(uint16_t ms);
    int IdleLevel() const; // 33, 34 or 35
    // A lower level stops a running idle animation (unless called from the
    // director's own thread); the countdown to the next level is re-armed.
    void SetIdleLevel(int level);
    // The next idle timeout: a random time between MinIdleTime and
    // MaxIdleTime, or never without AutoIdle.
    void ScheduleIdle();
    int IdleTimeout() const; // milliseconds, kInfinite = never

    TRequestId CurrentRequest() const;
    TRequestId LastFinished() const;
    TRequestId IdleRequest() const;

    // Set before activating.
    RequestCallback OnRequestStart; // a request (not idle, not an exit or return) starts
    RequestCallback OnRequestEnd;   // ... and ends
    IdleCallback OnIdleRequest;

private:
    void Execute();
    void StartNext();
    bool StartEngine();
    void DoIdle();
    void Activate();
    void Deactivate();
    void PlayStarted();
    void PlayStopped();
    void StopEngineAndWaitReady();
    bool Terminated() const;
    bool OnDirectorThread() const { return std::this_thread::get_id() == threadId_; }

    TSpecialNames specialNames_;
    TRequestQueue queue_;
    TAssistantActor actor_;
    TAssistantEngine engine_;

    TEvent activeEvent_{false}; // set while active: wakes the loop
    TEvent readyEvent_{true};   // set while nothing plays

    // Guards the fields below; a leaf lock, never held while calling out.
    mutable std::mutex stateLock_;
    std::condition_variable updateChanged_;
    TRequestId current_ = 0;
    TRequestId lastFinished_ = 0;
    TRequestId idleRequest_ = 0;
    int idleTimeout_ = kInfinite;
    uint8_t idleCountdown_ = 0;
    int updateCount_ = 0;
    bool active_ = false;
    bool autoIdle_ = true;
    int idleLevel_ = kStateIdle1;
    uint16_t minIdleTime_ = 1000;
    uint16_t maxIdleTime_ = 8000;
    bool terminated_ = false;

    // Held by StartNext: a deactivation either stops what it started or keeps it from starting.
    std::mutex startLock_;

    std::thread::id threadId_;
    std::thread thread_;
};

} // namespace vm
