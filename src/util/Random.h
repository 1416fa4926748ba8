#pragma once
// The program's one pseudo-random generator. Seeded from the clock at start;
// reseeded by the shuffles and by the one effect that needs repeatable noise.
#include <cstdint>

namespace vm::Random {

void Seed(uint32_t seed);
void SeedFromClock();
// 0 <= result < range; 0 when range <= 0.
int32_t Next(int32_t range);

} // namespace vm::Random
