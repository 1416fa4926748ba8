#include "character/WaitWithMessages.h"

#include <algorithm>
#include <atomic>
#include <chrono>

namespace vm {
namespace {

std::atomic<IMessagePump*> messagePump{nullptr};

// How long the pump's thread sleeps between looks at its events: short enough
// for painting, long enough to leave the processor alone.
constexpr int kPumpSliceMs = 5;

} // namespace

void SetMessagePump(IMessagePump* pump) { messagePump = pump; }

bool WaitWithMessages(const TEvent& event, int timeoutMs)
{
    IMessagePump* pump = messagePump;
    if (!pump || !pump->OnPumpThread())
        return event.WaitFor(timeoutMs);

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        if (event.IsSet())
            return true;
        if (!pump->DispatchPending())
            return event.IsSet();
        int slice = kPumpSliceMs;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                return event.IsSet();
            slice = int(std::min<long long>(left, kPumpSliceMs));
        }
        if (event.WaitFor(slice))
            return true;
    }
}

void SleepWithMessages(int ms)
{
    const TEvent never;
    WaitWithMessages(never, ms);
}

} // namespace vm
