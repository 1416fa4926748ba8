#pragma once
// A manual-reset event: stays signalled until reset; any thread may set, reset or wait.
#include <condition_variable>
#include <mutex>

namespace vm {

class ManualResetEvent {
public:
    explicit ManualResetEvent(bool signalled) : signalled_(signalled) {}

    void Set()
    {
        {
            std::lock_guard lock(mutex_);
            signalled_ = true;
        }
        changed_.notify_all();
    }
    void Reset()
    {
        std::lock_guard lock(mutex_);
        signalled_ = false;
    }
    void Wait()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return signalled_; });
    }
    bool IsSet()
    {
        std::lock_guard lock(mutex_);
        return signalled_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_;
};

} // namespace vm
