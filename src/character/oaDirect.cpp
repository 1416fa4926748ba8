#include "character/oaDirect.h"

#include "character/MoveState.h"
#include "character/WaitWithMessages.h"
#include "util/Random.h"

namespace vm {
namespace {

// A stop that a concurrent start may have overtaken is repeated this often.
constexpr int kStopRetryMs = 20;
// How often a waiter looks again while its request waits for a free director,
// and whether the animation that has just started loops.
constexpr int kPendingPollMs = 5;
constexpr int kLoopCheckMs = 20;

} // namespace

TAssistantDirector::TAssistantDirector(ISoundOutput* sound) : engine_(actor_, sound)
{
    queue_.SetEnabled(false);
    actor_.OnLoad = [this](TAssistantActor&) {
        specialNames_.Resolve(actor_);
        if (Active())
            Activate();
    };
    actor_.OnUnload = [this](TAssistantActor&) {
        if (Active())
            Deactivate();
    };
    engine_.OnAnimationStart = [this](TAssistantEngine&) { PlayStarted(); };
    engine_.OnAnimationStop = [this](TAssistantEngine&) { PlayStopped(); };
    Random::SeedFromClock();
    SetIdleLevel(kStateIdle1);
    ScheduleIdle();
    thread_ = std::thread([this] { Execute(); });
    threadId_ = thread_.get_id();
}

TAssistantDirector::~TAssistantDirector()
{
    Shutdown();
    // The actor is released after this without OnUnload: nothing is active any more.
    actor_.OnLoad = nullptr;
    actor_.OnUnload = nullptr;
}

// ---- state -------------------------------------------------------------

bool TAssistantDirector::Terminated() const
{
    std::lock_guard lock(stateLock_);
    return terminated_;
}

bool TAssistantDirector::Active() const
{
    std::lock_guard lock(stateLock_);
    return active_;
}

TRequestId TAssistantDirector::CurrentRequest() const
{
    std::lock_guard lock(stateLock_);
    return current_;
}

TRequestId TAssistantDirector::LastFinished() const
{
    std::lock_guard lock(stateLock_);
    return lastFinished_;
}

TRequestId TAssistantDirector::IdleRequest() const
{
    std::lock_guard lock(stateLock_);
    return idleRequest_;
}

bool TAssistantDirector::AutoIdle() const
{
    std::lock_guard lock(stateLock_);
    return autoIdle_;
}

uint16_t TAssistantDirector::MinIdleTime() const
{
    std::lock_guard lock(stateLock_);
    return minIdleTime_;
}

uint16_t TAssistantDirector::MaxIdleTime() const
{
    std::lock_guard lock(stateLock_);
    return maxIdleTime_;
}

void TAssistantDirector::SetMinIdleTime(uint16_t ms)
{
    std::lock_guard lock(stateLock_);
    minIdleTime_ = ms;
}

void TAssistantDirector::SetMaxIdleTime(uint16_t ms)
{
    std::lock_guard lock(stateLock_);
    maxIdleTime_ = ms;
}

int TAssistantDirector::IdleLevel() const
{
    std::lock_guard lock(stateLock_);
    return idleLevel_;
}

int TAssistantDirector::IdleTimeout() const
{
    std::lock_guard lock(stateLock_);
    return idleTimeout_;
}

// ---- activation ----------------------------------------------------------

void TAssistantDirector::SetActive(bool active)
{
    {
        std::lock_guard lock(stateLock_);
        if (active == active_)
            return;
        active_ = active;
    }
    if (actor_.IsEmpty())
        return;
    if (active)
        Activate();
    else
        Deactivate();
}

void TAssistantDirector::Activate()
{
    SetIdleLevel(kStateIdle1);
    engine_.Prepare();
    queue_.SetEnabled(true);
    activeEvent_.Set();
}

void TAssistantDirector::Deactivate()
{
    activeEvent_.Reset();
    {
        std::lock_guard start(startLock_);
        queue_.SetEnabled(false);
        queue_.Clear();
    }
    StopEngineAndWaitReady();
    engine_.Reset();
    std::lock_guard lock(stateLock_);
    current_ = lastFinished_ = idleRequest_ = 0;
}

void TAssistantDirector::Shutdown()
{
    {
        std::lock_guard lock(stateLock_);
        if (terminated_)
            return;
    }
    BeginUpdate();
    engine_.Shutdown();
    engine_.WaitForEnd();
    {
        std::lock_guard lock(stateLock_);
        terminated_ = true;
    }
    updateChanged_.notify_all();
    readyEvent_.Set();
    SetActive(false);
    activeEvent_.Set();
    queue_.SetEnabled(false); // wakes a loop waiting for requests without an actor
    if (thread_.joinable() && !OnDirectorThread())
        thread_.join();
}

// ---- requests ------------------------------------------------------------

TRequestId TAssistantDirector::Play(uint16_t n) { return queue_.Add(n); }

TRequestId TAssistantDirector::PlayState(int state)
{
    uint16_t n = 0;
    {
        ActorLock guard(actor_);
        n = actor_.PickAnimation(state);
    }
    return Play(n);
}

void TAssistantDirector::StopEngineAndWaitReady()
{
    if (engine_.IsEngineThread()) {
        engine_.SetRunning(false);
        return;
    }
    while (!Terminated()) {
        engine_.SetRunning(false);
        if (WaitWithMessages(readyEvent_, kStopRetryMs))
            return;
    }
}

void TAssistantDirector::StopRequest(TRequestId id)
{
    if (id == 0)
        return;
    BeginUpdate();
    if (id == CurrentRequest()) {
        StopEngineAndWaitReady();
        if (queue_.IsEmpty())
            PlayState(kStateRest);
    } else {
        queue_.Remove(id);
    }
    EndUpdate();
}

void TAssistantDirector::StopAll(bool forget)
{
    BeginUpdate();
    queue_.Clear();
    if (CurrentRequest() != 0) {
        StopEngineAndWaitReady();
        if (forget) {
            std::lock_guard lock(stateLock_);
            lastFinished_ = 0;
        } else {
            PlayState(kStateRest);
        }
    }
    EndUpdate();
}

bool TAssistantDirector::IsPending(TRequestId id) const
{
    if (id == 0)
        return false;
    std::lock_guard lock(stateLock_);
    return queue_.Contains(id) || (id == current_ && !readyEvent_.IsSet());
}

bool TAssistantDirector::WaitFor(TRequestId id)
{
    bool result = true;
    while (result && IsPending(id)) {
        // A looping idle animation is no reason to give up: it gives way to the request.
        const TRequestId current = CurrentRequest();
        if (current != 0 && current != IdleRequest() && engine_.IsPlayingLoop())
            result = false;
        else if (readyEvent_.IsSet())
            SleepWithMessages(kPendingPollMs); // queued, about to start
        else
            WaitWithMessages(readyEvent_, kLoopCheckMs);
    }
    return result;
}

bool TAssistantDirector::IsBusy() const { return CurrentRequest() != 0 || !queue_.IsEmpty(); }

void TAssistantDirector::BeginUpdate()
{
    std::lock_guard lock(stateLock_);
    ++updateCount_;
}

void TAssistantDirector::EndUpdate()
{
    {
        std::lock_guard lock(stateLock_);
        if (updateCount_ > 0)
            --updateCount_;
    }
    updateChanged_.notify_all();
}

int TAssistantDirector::MoveState(const Rect& bounds, const Point& target) const
{
    ActorLock guard(actor_);
    return vm::MoveState(actor_, bounds, target);
}

// ---- idling --------------------------------------------------------------

void TAssistantDirector::SetAutoIdle(bool autoIdle)
{
    {
        std::lock_guard lock(stateLock_);
        if (autoIdle == autoIdle_)
            return;
        autoIdle_ = autoIdle;
    }
    BeginUpdate();
    SetIdleLevel(kStateIdle1);
    ScheduleIdle();
    if (queue_.Enabled() && queue_.IsEmpty()) {
        // Wakes the loop, so that the new timeout counts from now.
        queue_.SetEnabled(false);
        std::this_thread::yield();
        queue_.SetEnabled(true);
    }
    EndUpdate();
}

void TAssistantDirector::SetIdleLevel(int level)
{
    bool change = false;
    TRequestId stop = 0;
    {
        std::lock_guard lock(stateLock_);
        if (level != idleLevel_ && level >= kStateIdle1 && level <= kStateIdle3) {
            change = true;
            if (idleLevel_ > kStateIdle1 && level < idleLevel_ && idleRequest_ != 0 && !OnDirectorThread())
                stop = idleRequest_;
        }
    }
    if (stop != 0)
        StopRequest(stop);
    if (change) {
        {
            std::lock_guard lock(stateLock_);
            idleLevel_ = level;
        }
        ScheduleIdle();
    }
    std::lock_guard lock(stateLock_);
    // Level 33 lasts 15 to 29 ticks, 34 lasts 10 to 19; 35 is never left by ticks.
    const int b = 5 * (36 - idleLevel_);
    idleCountdown_ = uint8_t(b + Random::Next(b));
}

void TAssistantDirector::ScheduleIdle()
{
    std::lock_guard lock(stateLock_);
    idleTimeout_ = autoIdle_ ? minIdleTime_ + Random::Next(int32_t(maxIdleTime_) - minIdleTime_ + 1) : kInfinite;
}

void TAssistantDirector::DoIdle()
{
    bool rise = false;
    int level = 0;
    {
        std::lock_guard lock(stateLock_);
        --idleCountdown_;
        level = idleLevel_;
        rise = idleCountdown_ == 0 && level < kStateIdle3;
    }
    if (rise)
        SetIdleLevel(level + 1);
    else
        ScheduleIdle();

    level = IdleLevel();
    bool handled = false;
    // Only what the handler queues can become the idle request, not a request
    // that was waiting already.
    const bool wasEmpty = queue_.IsEmpty();
    if (OnIdleRequest)
        OnIdleRequest(*this, level - (kStateIdle1 - 1), handled);
    TRequestId id = 0;
    if (handled) {
        id = wasEmpty ? queue_.Peek() : 0;
    } else {
        uint16_t n = 0;
        {
            ActorLock guard(actor_);
            n = actor_.PickAnimation(level);
        }
        id = queue_.Add(n);
    }
    std::lock_guard lock(stateLock_);
    idleRequest_ = id;
}

// ---- the loop --------------------------------------------------------------

void TAssistantDirector::Execute()
{
    while (!Terminated()) {
        activeEvent_.Wait();
        if (Terminated())
            break;
        if (!Active()) {
            std::this_thread::yield();
            continue;
        }
        const bool request = queue_.WaitForRequest(IdleTimeout());
        if (Terminated())
            break;
        if (!queue_.Enabled()) {
            std::this_thread::yield();
            continue;
        }
        {
            // Requests wait while updates are open (a movement, a stop).
            std::unique_lock lock(stateLock_);
            if (updateCount_ > 0) {
                updateChanged_.wait(lock, [this] { return updateCount_ == 0 || terminated_; });
                continue;
            }
        }
        if (request) {
            if (queue_.IsEmpty())
                continue; // woken only to take a new idle timeout
            const TRequestId current = CurrentRequest();
            if (current != 0 && current == IdleRequest())
                engine_.SetRunning(false); // an idle animation gives way at once
            readyEvent_.Wait();
            if (Terminated())
                break;
            bool mayStart = false;
            {
                std::lock_guard lock(stateLock_);
                mayStart = updateCount_ == 0;
            }
            if (mayStart && queue_.Enabled())
                StartNext();
            const TRequestId started = CurrentRequest();
            if (started == 0 || started != IdleRequest())
                readyEvent_.Wait(); // the play that started ends
        } else if (readyEvent_.IsSet() && AutoIdle()) {
            DoIdle();
        }
    }
}

bool TAssistantDirector::StartEngine()
{
    return engine_.SetRunning(true);
}

void TAssistantDirector::StartNext()
{
    std::lock_guard start(startLock_);
    readyEvent_.Reset();
    if (!queue_.Enabled()) {
        readyEvent_.Set();
        return;
    }
    const TRequestId last = LastFinished();
    if (last != 0) {
        // The last animation leaves first: exit branches or its return animation.
        if (engine_.PlayExit()) {
            if (!StartEngine())
                readyEvent_.Set();
            return;
        }
        const int i = specialNames_.ReturnIndexFor(AnimationOf(last));
        if (i >= 0 && specialNames_.LeavesGroup(i, AnimationOf(queue_.Peek())) &&
            engine_.LoadAnimation(specialNames_.AnimationAt(i))) {
            if (!StartEngine())
                readyEvent_.Set();
            return;
        }
    }

    TRequestId id = 0;
    {
        std::lock_guard lock(stateLock_);
        id = current_ = queue_.Pop();
    }
    if (id != 0 && engine_.LoadAnimation(AnimationOf(id))) {
        if (id != IdleRequest())
            SetIdleLevel(kStateIdle1); // activity calms the character again
        if (StartEngine())
            return;
    }
    {
        std::lock_guard lock(stateLock_);
        current_ = 0;
    }
    readyEvent_.Set();
}

// ---- engine callbacks (engine thread) ------------------------------------

void TAssistantDirector::PlayStarted()
{
    TRequestId current = 0;
    {
        std::lock_guard lock(stateLock_);
        if (current_ != 0 && current_ != idleRequest_)
            current = current_;
    }
    if (current != 0 && OnRequestStart)
        OnRequestStart(*this, current);
}

void TAssistantDirector::PlayStopped()
{
    TRequestId ended = 0;
    {
        std::lock_guard lock(stateLock_);
        lastFinished_ = current_;
        current_ = 0;
        if (lastFinished_ == idleRequest_)
            idleRequest_ = 0;
        else
            ended = lastFinished_;
    }
    if (ended != 0 && OnRequestEnd)
        OnRequestEnd(*this, ended);
    readyEvent_.Set();
}

} // namespace vm
