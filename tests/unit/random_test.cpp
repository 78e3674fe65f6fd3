#include <gtest/gtest.h>

#include "app/random.h"

TEST(Random, FollowsTheLinearCongruentialSequence) {
    // seed 0: state 2531011, (state >> 16) & 0x7FFF = 38
    EXPECT_EQ(RandomFromSeed(0, 32768), 38);
    // seed 1: state 2745024 -> 41
    EXPECT_EQ(RandomFromSeed(1, 32768), 41);
    // wraps modulo 2^32: seed 0xFFFFFFFF gives state 2316998 -> 35
    EXPECT_EQ(RandomFromSeed(0xFFFFFFFFu, 32768), 35);
}

TEST(Random, OneIsAlwaysZeroAndResultsStayBelowN) {
    for (uint32_t seed = 0; seed < 5000; ++seed) {
        EXPECT_EQ(RandomFromSeed(seed * 7919u, 1), 0);
        const int r = RandomFromSeed(seed * 104729u, 4);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 4);
    }
}

TEST(Random, SameSeedSameNumber) {
    EXPECT_EQ(RandomFromSeed(123456, 4), RandomFromSeed(123456, 4));
}

TEST(Random, AllFourFillSoundsAreReachable) {
    int seen[4] = {};
    for (uint32_t tick = 0; tick < 1000; ++tick) ++seen[RandomFromSeed(tick, 4)];
    for (int count : seen) EXPECT_GT(count, 100);
}
