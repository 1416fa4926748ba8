#include "character/oaEngine.h"

#include "character/AnimationFlow.h"
#include "character/FrameRegion.h"
#include "character/oaActor.h"
#include "util/Random.h"

#include <chrono>

namespace vm {

TAssistantEngine::TAssistantEngine(TAssistantActor& actor, ISoundOutput* sound) : actor_(actor), sound_(sound)
{
    thread_ = std::thread([this] { Execute(); });
    threadId_ = thread_.get_id();
}

TAssistantEngine::~TAssistantEngine()
{
    Shutdown();
    WaitForEnd();
}

void TAssistantEngine::Prepare()
{
    ActorLock guard(actor_);
    const TPalette* palette = actor_.Palette();
    {
        std::lock_guard canvas(canvasLock_);
        if (palette)
            bitmap_.Prepare(actor_.FrameWidth(), actor_.FrameHeight(), *palette);
        else
            bitmap_.Release();
    }
    std::lock_guard lock(lock_);
    transparentIndex_ = actor_.TransparentIndex();
}

void TAssistantEngine::Reset()
{
    {
        std::unique_lock lock(lock_);
        StopAndWaitIdle(lock);
        ClearAnimation();
    }
    std::lock_guard canvas(canvasLock_);
    bitmap_.Release();
}

void TAssistantEngine::ClearAnimation()
{
    animation_ = TAnimationImage{};
    regions_.clear();
    waves_.clear();
    currentAnimation_ = 0;
    currentFrame_ = 0;
    currentRegion_ = -1;
    exiting_ = false;
    finished_ = false;
}

bool TAssistantEngine::LoadAnimation(uint16_t n)
{
    {
        ActorLock guard(actor_);
        if (n == 0 || n > actor_.AnimationCount())
            return false;
    }
    {
        std::unique_lock lock(lock_);
        StopAndWaitIdle(lock);
        if (n == currentAnimation_) {
            exiting_ = false;
            finished_ = false;
            currentFrame_ = 0;
            return true;
        }
    }

    TAnimationImage image;
    std::map<uint16_t, Wave> waves;
    uint8_t transparent = 0;
    try {
        ActorLock guard(actor_);
        image = ReadAnimationImage(actor_, n);
        transparent = actor_.TransparentIndex();
        // Sounds are copied now, so that playing never needs the library.
        for (uint16_t id : image.sounds)
            if (id != 0 && !waves.contains(id))
                if (auto bytes = actor_.WaveResource(id))
                    waves[id] = std::make_shared<const std::vector<uint8_t>>(bytes->begin(), bytes->end());
    } catch (const std::exception&) {
        std::unique_lock lock(lock_);
        StopAndWaitIdle(lock);
        ClearAnimation();
        return false;
    }
    std::vector<Region> regions;
    regions.reserve(size_t(image.frameCount));
    for (int i = 0; i < image.frameCount; ++i)
        regions.push_back(FrameRegion(image, i, transparent));

    std::unique_lock lock(lock_);
    StopAndWaitIdle(lock); // in case another thread started the old animation meanwhile
    animation_ = std::move(image);
    regions_ = std::move(regions);
    waves_ = std::move(waves);
    transparentIndex_ = transparent;
    currentAnimation_ = n;
    currentFrame_ = 0;
    currentRegion_ = -1;
    exiting_ = false;
    finished_ = false;
    ++decodeCount_;
    return true;
}

bool TAssistantEngine::PlayExit()
{
    uint16_t returnTo = 0;
    {
        ActorLock guard(actor_);
        std::lock_guard lock(lock_);
        if (currentAnimation_ == 0 || exiting_)
            return false;
        const TAnimationInfo* r = actor_.Animations(currentAnimation_);
        if (!r)
            return false;
        if ((r->returnKind == ReturnKind::ExitBranches || !finished_) && vm::HasExitBranches(animation_)) {
            exiting_ = true;
            return true;
        }
        if (!finished_ || r->returnKind != ReturnKind::ReturnAnimation)
            return false;
        returnTo = r->returnAnimation;
    }
    // Outside the actor's lock: loading may wait for the engine's thread,
    // whose callbacks may take that lock.
    return LoadAnimation(returnTo);
}

bool TAssistantEngine::HasExitBranches() const
{
    std::lock_guard lock(lock_);
    return vm::HasExitBranches(animation_);
}

bool TAssistantEngine::IsLooping() const
{
    std::lock_guard lock(lock_);
    return vm::IsLooping(animation_);
}

bool TAssistantEngine::IsRunning() const
{
    std::lock_guard lock(lock_);
    return !stoppedEvent_;
}

bool TAssistantEngine::IsPlayingLoop() const
{
    std::lock_guard lock(lock_);
    return !stoppedEvent_ && vm::IsLooping(animation_);
}

bool TAssistantEngine::SetRunning(bool run)
{
    std::unique_lock lock(lock_);
    return SetRunningLocked(lock, run);
}

bool TAssistantEngine::SetRunningLocked(std::unique_lock<std::mutex>& lock, bool run)
{
    // A stop the thread has not taken in yet would be lost under a new start.
    if (run && runEvent_ && stoppedEvent_ && !IsEngineThread())
        changed_.wait(lock, [this] { return !(runEvent_ && stoppedEvent_) || terminated_; });
    if (animation_.frameCount == 0 || terminated_)
        run = false;
    if (run == !stoppedEvent_)
        return run;
    stoppedEvent_ = !run;
    if (run)
        runEvent_ = true;
    changed_.notify_all();
    return run;
}

void TAssistantEngine::StopAndWaitIdle(std::unique_lock<std::mutex>& lock)
{
    SetRunningLocked(lock, false);
    // From the engine's own callbacks there is nothing to wait for.
    if (!IsEngineThread())
        changed_.wait(lock, [this] { return (parked_ && !runEvent_) || ended_; });
}

void TAssistantEngine::PaintTo(Bitmap& dc, int x, int y) const
{
    std::lock_guard canvas(canvasLock_);
    bitmap_.PaintTo(dc, x, y);
}

void TAssistantEngine::Shutdown()
{
    std::lock_guard lock(lock_);
    terminated_ = true;
    stoppedEvent_ = true;
    changed_.notify_all();
}

void TAssistantEngine::WaitForEnd()
{
    if (thread_.joinable() && !IsEngineThread())
        thread_.join();
}

uint16_t TAssistantEngine::CurrentAnimation() const
{
    std::lock_guard lock(lock_);
    return currentAnimation_;
}

int TAssistantEngine::FrameCount() const
{
    std::lock_guard lock(lock_);
    return animation_.frameCount;
}

int TAssistantEngine::CurrentFrame() const
{
    std::lock_guard lock(lock_);
    return currentFrame_;
}

bool TAssistantEngine::Finished() const
{
    std::lock_guard lock(lock_);
    return finished_;
}

bool TAssistantEngine::Exiting() const
{
    std::lock_guard lock(lock_);
    return exiting_;
}

std::optional<Region> TAssistantEngine::CurrentRegion() const
{
    std::lock_guard lock(lock_);
    if (currentRegion_ < 0 || size_t(currentRegion_) >= regions_.size())
        return std::nullopt;
    return regions_[size_t(currentRegion_)];
}

uint32_t TAssistantEngine::DecodeCount() const
{
    std::lock_guard lock(lock_);
    return decodeCount_;
}

// Called with the engine lock held; lets go of it around the callback and the sound.
void TAssistantEngine::RenderFrame(std::unique_lock<std::mutex>& lock, int frame)
{
    {
        std::lock_guard canvas(canvasLock_);
        bitmap_.CopyFrame(animation_, frame);
    }
    currentRegion_ = frame;
    const bool running = !stoppedEvent_;
    Wave wave;
    if (running && !mute_) {
        const auto it = waves_.find(animation_.sounds[size_t(frame)]);
        if (it != waves_.end())
            wave = it->second;
    }
    lock.unlock();
    if (running && OnFrame)
        OnFrame(*this);
    if (wave && sound_)
        sound_->PlayWave(wave->data(), wave->size());
    lock.lock();
}

void TAssistantEngine::Execute()
{
    std::unique_lock lock(lock_);
    bool starting = true;
    auto stopRequested = [this] { return stoppedEvent_ || terminated_; };
    for (;;) {
        parked_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return runEvent_ || terminated_; });
        if (terminated_)
            break;
        parked_ = false;
        int nextFrame = -1;

        if (starting) {
            finished_ = false;
            lock.unlock();
            if (OnAnimationStart)
                OnAnimationStart(*this);
            lock.lock();
        }
        // A callback on this thread may have reset the engine meanwhile.
        if (currentFrame_ < 0 || currentFrame_ >= animation_.frameCount) {
            stoppedEvent_ = true;
        } else {
            const int frame = currentFrame_;
            const uint8_t duration = animation_.durations[size_t(frame)];
            if (duration != 0)
                RenderFrame(lock, frame);
            if (frame < animation_.frameCount) {
                const FrameStep next = NextFrame(animation_, frame, exiting_, Random::Next);
                finished_ = finished_ || next.finished;
                const int waitMs = FrameWaitMs(duration, speed_);
                bool stopped = true;
                if (waitMs < 0)
                    changed_.wait(lock, stopRequested);
                else
                    stopped = changed_.wait_for(lock, std::chrono::milliseconds(waitMs), stopRequested);
                if (!stopped && !finished_) {
                    currentFrame_ = next.frame;
                    starting = false;
                    continue;
                }
                nextFrame = next.frame;
            }
        }

        // The play ends: asked to stop, or the animation finished.
        stoppedEvent_ = true;
        runEvent_ = false;
        const bool silence = !finished_;
        if (currentFrame_ >= 0 && currentFrame_ < animation_.frameCount) {
            if (finished_)
                currentFrame_ = NextFrame(animation_, currentFrame_, !exiting_, Random::Next).frame;
            else if (nextFrame >= 0)
                currentFrame_ = nextFrame;
        }
        starting = true;
        if (!terminated_) {
            lock.unlock();
            if (silence && sound_)
                sound_->StopAll();
            if (OnAnimationStop)
                OnAnimationStop(*this);
            lock.lock();
        }
    }
    ended_ = true;
    parked_ = true;
    changed_.notify_all();
}

} // namespace vm
