#include "core/Random.h"

#include <cmath>

namespace {
uint32_t gSeed = 1;
}

uint32_t SeedRandom(uint32_t seed) {
    uint32_t previous = gSeed;
    gSeed = seed;
    return previous;
}

int32_t Random15() {
    gSeed = gSeed * 214013u + 2531011u;
    return int32_t((gSeed >> 16) & 0x7FFF);
}

int32_t Random31() {
    uint32_t a = uint32_t(Random15());
    uint32_t b = uint32_t(Random15());
    uint32_t c = uint32_t(Random15());
    return int32_t(((a << 30) | (b << 15) | c) & 0x7FFFFFFFu);
}

int32_t Random(int32_t n) {
    if (n < 2) return 0;
    return Random31() % n;
}

int32_t RandomInRange(int32_t low, int32_t high) {
    if (low >= high) return low;
    // The span of a full-width range does not fit 32 bits.
    int64_t span = int64_t(high) - low + 1;
    return int32_t(low + Random31() % span);
}

int64_t RoundHalfAway(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9223372036854775807.0) return INT64_MAX;
    if (value <= -9223372036854775808.0) return INT64_MIN;
    // Not std::round: the Windows runtime's version adds 0.5 first, which turns the
    // largest double below one half into 1. The fraction taken off here is exact.
    double whole = std::trunc(value);
    double fraction = value - whole;
    if (fraction >= 0.5)
        whole += 1;
    else if (fraction <= -0.5)
        whole -= 1;
    if (whole >= 9223372036854775807.0) return INT64_MAX;
    return int64_t(whole);
}
