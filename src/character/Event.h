#pragma once
// A manual-reset event: stays set until reset; any thread may set, reset or
// wait. The character's threads pass their states (running, stopped, ready,
// active) through these.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace vm {

inline constexpr int kInfinite = -1; // a time-out that never ends

class TEvent {
public:
    explicit TEvent(bool set = false) : set_(set) {}
    TEvent(const TEvent&) = delete;
    TEvent& operator=(const TEvent&) = delete;

    void Set()
    {
        {
            std::lock_guard lock(mutex_);
            set_ = true;
        }
        changed_.notify_all();
    }
    void Reset()
    {
        std::lock_guard lock(mutex_);
        set_ = false;
    }
    bool IsSet() const
    {
        std::lock_guard lock(mutex_);
        return set_;
    }
    // True when the event is set within timeoutMs (kInfinite: no limit).
    bool WaitFor(int timeoutMs) const
    {
        std::unique_lock lock(mutex_);
        if (timeoutMs < 0) {
            changed_.wait(lock, [this] { return set_; });
            return true;
        }
        return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return set_; });
    }
    void Wait() const { WaitFor(kInfinite); }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool set_;
};

} // namespace vm
