// The program's one generator is shared by threads: draws from several at once
// are exactly the draws one thread would have made, none lost or repeated.
#include "util/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace vm {
namespace {

TEST(Random, ConcurrentDrawsAreTheSequentialDrawsShared)
{
    constexpr int kThreads = 4, kDraws = 20000;
    constexpr int32_t kRange = 1 << 30;
    Random::Seed(12345);
    std::vector<int32_t> sequential;
    for (int i = 0; i < kThreads * kDraws; ++i)
        sequential.push_back(Random::Next(kRange));

    Random::Seed(12345);
    std::vector<std::vector<int32_t>> drawn(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&drawn, t] {
            for (int i = 0; i < kDraws; ++i)
                drawn[size_t(t)].push_back(Random::Next(kRange));
        });
    for (std::thread& t : threads)
        t.join();
    std::vector<int32_t> shared;
    for (const auto& d : drawn)
        shared.insert(shared.end(), d.begin(), d.end());
    std::sort(sequential.begin(), sequential.end());
    std::sort(shared.begin(), shared.end());
    EXPECT_EQ(shared, sequential);
}

TEST(Random, StaysInItsRange)
{
    Random::Seed(7);
    for (int i = 0; i < 1000; ++i) {
        const int32_t r = Random::Next(3);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 3);
    }
    EXPECT_EQ(Random::Next(0), 0);
    EXPECT_EQ(Random::Next(-5), 0);
}

} // namespace
} // namespace vm
