#include "transitions/AnimateThread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>

namespace vm {
namespace {

// Linux has no per-thread priority for ordinary threads; the nice value of the thread
// stands in. Raising it needs privileges, so a refusal is ignored.
void ApplyPriority(TThreadPriority priority)
{
    static constexpr int kNice[] = {19, 10, 5, 0, -5, -10, -20};
    const int nice = kNice[int(priority)];
    if (nice != 0)
        (void)setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), nice);
}

thread_local TAnimateThread* currentWorker = nullptr;

} // namespace

TAnimateThread* TAnimateThread::Current() { return currentWorker; }

TAnimateThread::TAnimateThread(TCustomPicShow& control, uint64_t generation, TThreadPriority priority)
    : control_(control), generation_(generation), priority_(priority), thread_([this] { Execute(); })
{
}

TAnimateThread::~TAnimateThread()
{
    Terminate();
    WaitFor();
}

void TAnimateThread::Terminate()
{
    terminated_ = true;
    {
        std::lock_guard lock(sleepLock_);
    }
    wake_.notify_all();
    {
        std::lock_guard lock(control_.paintLock_);
    }
    control_.painted_.notify_all();
}

void TAnimateThread::WaitFor()
{
    if (thread_.joinable())
        thread_.join();
}

void TAnimateThread::Execute()
{
    currentWorker = this;
    started_ = true;
    ApplyPriority(priority_);
    try {
        while (!terminated_) {
            const uint32_t t0 = control_.TickCount();
            StepOnce();
            if (!terminated_) {
                const int remaining = int(control_.Delay()) - int(control_.TickCount() - t0);
                if (remaining >= 0)
                    SleepUnlessTerminated(remaining);
            }
        }
    } catch (...) {
        // An effect or handler failed: end the run; the control treats it as stopped.
        failed_ = true;
        terminated_ = true;
    }
    control_.PostThreadDone(generation_);
}

void TAnimateThread::StepOnce()
{
    control_.FrameReady.Wait();
    if (terminated_)
        return;
    control_.FrameReady.Reset();
    control_.SetProgress(control_.NextProgress());
    if (control_.AtEnd())
        terminated_ = true;
}

void TAnimateThread::SleepUnlessTerminated(int milliseconds)
{
    std::unique_lock lock(sleepLock_);
    wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return terminated_.load(); });
}

} // namespace vm
