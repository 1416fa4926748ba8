#pragma once
// TAnimateThread: the worker of a threaded transition. It waits for the last frame to
// be painted (FrameReady), moves Progress one step, and sleeps out the rest of Delay,
// until the end is reached or it is told to stop; then it posts ThreadDone.
#include "transitions/CustomPicShow.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vm {

class TAnimateThread {
public:
    // Starts running at once (GUI thread).
    TAnimateThread(TCustomPicShow& control, uint64_t generation, TThreadPriority priority);
    ~TAnimateThread(); // waits for the thread

    void Terminate(); // any thread
    bool Terminated() const { return terminated_; }
    bool Started() const { return started_; }
    bool Failed() const { return failed_; }
    void WaitFor(); // GUI thread
    uint64_t Generation() const { return generation_; }
    const TCustomPicShow& Control() const { return control_; }
    // The worker whose thread calls this, or none.
    static TAnimateThread* Current();

private:
    void Execute();
    void StepOnce();
    void SleepUnlessTerminated(int milliseconds);

    TCustomPicShow& control_;
    const uint64_t generation_;
    const TThreadPriority priority_;
    std::atomic<bool> started_ = false;
    std::atomic<bool> terminated_ = false;
    std::atomic<bool> failed_ = false;
    std::mutex sleepLock_;
    std::condition_variable wake_;
    std::thread thread_;
};

} // namespace vm
