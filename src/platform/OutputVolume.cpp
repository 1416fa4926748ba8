#include "platform/OutputVolume.h"

#include <algorithm>
#include <vector>

namespace vm {

OutputVolume& OutputVolume::Program()
{
    static OutputVolume volume;
    return volume;
}

int OutputVolume::StepIndex() const
{
    std::lock_guard lock(mutex_);
    return step_;
}

double OutputVolume::Level() const { return double(StepIndex()) / kSteps; }

void OutputVolume::Change(bool up) { SetStepIndex(StepIndex() + (up ? 1 : -1)); }

void OutputVolume::SetStepIndex(int step)
{
    {
        std::lock_guard lock(mutex_);
        const int clamped = std::clamp(step, 0, kSteps);
        if (clamped == step_)
            return;
        step_ = clamped;
    }
    Notify();
}

int OutputVolume::Subscribe(Listener listener)
{
    std::lock_guard lock(mutex_);
    listeners_.emplace(nextId_, std::move(listener));
    return nextId_++;
}

void OutputVolume::Unsubscribe(int id)
{
    std::lock_guard lock(mutex_);
    listeners_.erase(id);
}

void OutputVolume::Notify()
{
    // Called outside the lock so that a listener may read the level.
    std::vector<Listener> listeners;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [id, listener] : listeners_)
            listeners.push_back(listener);
    }
    const double level = Level();
    for (const Listener& listener : listeners)
        listener(level);
}

void SetVolume(bool up) { OutputVolume::Program().Change(up); }

} // namespace vm
