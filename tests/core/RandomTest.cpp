#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Random.h"

TEST(RandomTest, GeneratorSequence) {
    SeedRandom(1);
    EXPECT_EQ(SeedRandom(1), 1u);
    int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(Random15(), value);

    SeedRandom(1);
    int32_t value31 = int32_t(((41u << 30) | (18467u << 15) | 6334u) & 0x7FFFFFFFu);
    EXPECT_EQ(Random31(), value31);
    SeedRandom(1);
    EXPECT_EQ(Random(1000), value31 % 1000);
    EXPECT_EQ(Random15(), 26500);  // Random took exactly three steps

    // Degenerate ranges take no step at all.
    SeedRandom(1);
    EXPECT_EQ(Random(1), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(RandomInRange(7, 3), 7);
    EXPECT_EQ(RandomInRange(5, 5), 5);
    EXPECT_EQ(Random15(), 41);
}

TEST(RandomTest, RangesStayInBounds) {
    SeedRandom(12345);
    for (int i = 0; i < 2000; ++i) {
        int32_t r = RandomInRange(-3, 3);
        ASSERT_GE(r, -3);
        ASSERT_LE(r, 3);
        int32_t full = RandomInRange(INT32_MIN, INT32_MAX);
        (void)full;  // must not overflow (UBSan watches)
        int32_t n = Random(10);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 10);
    }
}

TEST(RandomTest, RoundHalfAway) {
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfAway(-0.5), -1);
    EXPECT_EQ(RoundHalfAway(2.4999), 2);
    EXPECT_EQ(RoundHalfAway(0.49999999999999994), 0);  // adding 0.5 would round this up
    EXPECT_EQ(RoundHalfAway(std::nan("")), 0);
    EXPECT_EQ(RoundHalfAway(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(RoundHalfAway(-1e300), std::numeric_limits<int64_t>::min());
}
