// Request IDs and the queue the director takes them from.
#include "character/RequestQueue.h"

#include <gtest/gtest.h>

#include <thread>

namespace vm {
namespace {

TEST(RequestQueue, IdsCarryASequenceNumberAboveTheAnimationNumber)
{
    TRequestQueue queue;
    const TRequestId first = queue.Add(7);
    const TRequestId second = queue.Add(7);
    EXPECT_EQ(first, 0x00010007u);
    EXPECT_EQ(second, 0x00020007u);
    EXPECT_EQ(AnimationOf(second), 7);
    EXPECT_EQ(SequenceOf(second), 2);
}

TEST(RequestQueue, The65537thRequestHasSequenceNumber1Again)
{
    TRequestQueue queue;
    TRequestId id = 0;
    for (int i = 1; i <= 65537; ++i) {
        id = queue.Add(3);
        if (i == 65535)
            EXPECT_EQ(SequenceOf(id), 65535);
        if (i == 65536)
            EXPECT_EQ(id, 3u) << "sequence 0: the ID is the animation number alone";
        queue.Pop();
    }
    EXPECT_EQ(id, 0x00010003u);
}

TEST(RequestQueue, RefusesAnimation0AndEverythingWhileDisabled)
{
    TRequestQueue queue;
    EXPECT_EQ(queue.Add(0), 0u);
    queue.SetEnabled(false);
    EXPECT_EQ(queue.Add(5), 0u);
    queue.SetEnabled(true);
    EXPECT_EQ(SequenceOf(queue.Add(5)), 1) << "refused requests use no sequence number";
}

TEST(RequestQueue, KeepsArrivalOrder)
{
    TRequestQueue queue;
    const TRequestId a = queue.Add(1), b = queue.Add(2), c = queue.Add(3);
    EXPECT_EQ(queue.Peek(), a);
    queue.Remove(b);
    EXPECT_FALSE(queue.Contains(b));
    EXPECT_TRUE(queue.Contains(c));
    EXPECT_EQ(queue.Pop(), a);
    EXPECT_EQ(queue.Pop(), c);
    EXPECT_EQ(queue.Pop(), 0u);
    EXPECT_EQ(queue.Peek(), 0u);
    EXPECT_TRUE(queue.IsEmpty());
}

TEST(RequestQueue, TheRequestEventFollowsWhetherRequestsWait)
{
    TRequestQueue queue;
    EXPECT_FALSE(queue.WaitForRequest(0));
    const TRequestId a = queue.Add(1);
    EXPECT_TRUE(queue.WaitForRequest(0));
    queue.Remove(a);
    EXPECT_FALSE(queue.WaitForRequest(0)) << "cleared when the queue becomes empty";
    queue.Add(1);
    queue.Add(2);
    queue.Pop();
    EXPECT_TRUE(queue.WaitForRequest(0));
    queue.Pop();
    EXPECT_FALSE(queue.WaitForRequest(0));
    queue.Add(3);
    queue.Clear();
    EXPECT_FALSE(queue.WaitForRequest(0));
}

TEST(RequestQueue, DisablingDropsTheRequestsAndWakesAWaiter)
{
    TRequestQueue queue;
    queue.Add(1);
    queue.SetEnabled(false);
    EXPECT_TRUE(queue.IsEmpty());
    EXPECT_TRUE(queue.WaitForRequest(0));
    queue.Clear();
    EXPECT_TRUE(queue.WaitForRequest(kInfinite)) << "a disabled queue never keeps a waiter";
    queue.SetEnabled(true);
    EXPECT_FALSE(queue.WaitForRequest(0)) << "enabling clears the event";
}

TEST(RequestQueue, AWaiterWakesForARequestFromAnotherThread)
{
    TRequestQueue queue;
    std::thread adder([&] { queue.Add(9); });
    EXPECT_TRUE(queue.WaitForRequest(kInfinite));
    adder.join();
}

TEST(RequestQueue, AWaiterWakesWhenTheQueueIsDisabledAndAtOnceEnabledAgain)
{
    TRequestQueue queue;
    std::atomic<bool> woken{false};
    std::thread waiter([&] { woken = queue.WaitForRequest(kInfinite); });
    // Keep toggling until the waiter has seen it: it may not be waiting yet.
    while (!woken) {
        queue.SetEnabled(false);
        queue.SetEnabled(true);
        std::this_thread::yield();
    }
    waiter.join();
    EXPECT_TRUE(queue.IsEmpty());
}

} // namespace
} // namespace vm
