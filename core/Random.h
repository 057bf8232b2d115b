// The process-wide pseudo-random source (a linear congruential generator, seeded with 1
// at start) used by the text tools and the mailer, and the rounding used by layout.
// Reproducible by design: SeedRandom with the same seed replays the same numbers.
#pragma once

#include <cstdint>

// Sets the seed and returns the previous one.
uint32_t SeedRandom(uint32_t seed);
// One generator step: 15 bits.
int32_t Random15();
// Three steps: 31 bits.
int32_t Random31();
// 0..n-1; 0 (and no step taken) when n < 2.
int32_t Random(int32_t n);
// low..high inclusive; low (and no step taken) when low >= high.
int32_t RandomInRange(int32_t low, int32_t high);

// Nearest whole number, halves away from zero; NaN gives 0, and values beyond the
// 64-bit range give its ends.
int64_t RoundHalfAway(double value);
