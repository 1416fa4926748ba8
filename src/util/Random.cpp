#include "util/Random.h"

#include <chrono>
#include <mutex>

namespace vm::Random {
namespace {
// A linear congruential generator: cheap, and its sequence per seed is fixed,
// which lets frames that use noise be reproduced in tests.
uint32_t state = 1;
bool counting = false;
uint32_t countingSeed = 0;
// The character's engine and director draw from their own threads.
std::mutex guard;
} // namespace

void Seed(uint32_t seed)
{
    std::lock_guard lock(guard);
    state = seed;
}

void SeedFromClock()
{
    std::lock_guard lock(guard);
    if (counting) {
        state = countingSeed++;
        return;
    }
    // Nanoseconds, so that shuffles drawn one right after another still differ.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    state = uint32_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void UseCountingClock(uint32_t start)
{
    std::lock_guard lock(guard);
    counting = true;
    countingSeed = start;
}

int32_t Next(int32_t range)
{
    std::lock_guard lock(guard);
    state = state * 0x08088405u + 1;
    if (range <= 0)
        return 0;
    return int32_t((uint64_t(state) * uint32_t(range)) >> 32);
}

} // namespace vm::Random
