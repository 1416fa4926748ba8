// Waits on the pump's thread keep dispatching; elsewhere they are plain.
#include "character/WaitWithMessages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace vm {
namespace {

// A pump for the thread that made it; counts its rounds and can report a quit.
struct CountingPump : IMessagePump {
    std::thread::id owner = std::this_thread::get_id();
    std::atomic<int> rounds{0};
    int quitAfter = -1; // rounds until a quit is dispatched; -1 never
    TEvent* setAfterRounds = nullptr;
    int setAt = 0;

    bool OnPumpThread() const override { return std::this_thread::get_id() == owner; }
    bool DispatchPending() override
    {
        ++rounds;
        if (setAfterRounds && rounds == setAt)
            setAfterRounds->Set(); // as a dispatched handler would
        return quitAfter < 0 || rounds < quitAfter;
    }
};

struct PumpFixture : testing::Test {
    CountingPump pump;
    void SetUp() override { SetMessagePump(&pump); }
    void TearDown() override { SetMessagePump(nullptr); }
};

TEST_F(PumpFixture, KeepsDispatchingUntilTheEventIsSetFromAnotherThread)
{
    TEvent event;
    std::thread setter([&] {
        while (pump.rounds < 3)
            std::this_thread::yield();
        event.Set();
    });
    EXPECT_TRUE(WaitWithMessages(event, kInfinite));
    setter.join();
    EXPECT_GE(pump.rounds, 3);
}

TEST_F(PumpFixture, AnEventSetByADispatchedHandlerEndsTheWait)
{
    TEvent event;
    pump.setAfterRounds = &event;
    pump.setAt = 2;
    EXPECT_TRUE(WaitWithMessages(event, kInfinite));
    EXPECT_EQ(pump.rounds, 2);
}

TEST_F(PumpFixture, ReturnsAtOnceWhenAnEventIsSetAlready)
{
    TEvent event(true);
    EXPECT_TRUE(WaitWithMessages(event, kInfinite));
    EXPECT_EQ(pump.rounds, 0);
}

TEST_F(PumpFixture, TimesOutAfterDispatchingMeanwhile)
{
    const TEvent never;
    EXPECT_FALSE(WaitWithMessages(never, 30));
    EXPECT_GE(pump.rounds, 2);
    const int before = pump.rounds;
    SleepWithMessages(20);
    EXPECT_GT(pump.rounds, before) << "a sleep that keeps painting";
}

TEST_F(PumpFixture, ReturnsAtOnceAfterAQuit)
{
    const TEvent never;
    pump.quitAfter = 3;
    EXPECT_FALSE(WaitWithMessages(never, kInfinite));
    EXPECT_EQ(pump.rounds, 3);
}

TEST_F(PumpFixture, OtherThreadsWaitPlainly)
{
    TEvent event;
    bool result = false;
    std::thread waiter([&] { result = WaitWithMessages(event, kInfinite); });
    event.Set();
    waiter.join();
    EXPECT_TRUE(result);
    EXPECT_EQ(pump.rounds, 0);
    const TEvent never;
    std::thread([&] { EXPECT_FALSE(WaitWithMessages(never, 10)); }).join();
    EXPECT_EQ(pump.rounds, 0);
}

} // namespace
} // namespace vm
