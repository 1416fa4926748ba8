#include "util/Random.h"

#include <chrono>

namespace vm::Random {
namespace {
// A linear congruential generator: cheap, and its sequence per seed is fixed,
// which lets frames that use noise be reproduced in tests.
uint32_t state = 1;
} // namespace

void Seed(uint32_t seed) { state = seed; }

void SeedFromClock()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    Seed(uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

int32_t Next(int32_t range)
{
    state = state * 0x08088405u + 1;
    if (range <= 0)
        return 0;
    return int32_t((uint64_t(state) * uint32_t(range)) >> 32);
}

} // namespace vm::Random
