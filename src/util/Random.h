#pragma once
// The program's one pseudo-random generator. Seeded from the clock at start;
// reseeded by the shuffles and by the one effect that needs repeatable noise.
// Every function may be called from any thread.
#include <cstdint>

namespace vm::Random {

void Seed(uint32_t seed);
void SeedFromClock();
// Tests: from now on SeedFromClock seeds start, start + 1, ... so that
// shuffles are repeatable.
void UseCountingClock(uint32_t start);
// 0 <= result < range; 0 when range <= 0.
int32_t Next(int32_t range);

} // namespace vm::Random
