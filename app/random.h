#pragma once

#include <cstdint>

// The linear congruential generator seeded with `seed`, one number drawn
// (0..32767), modulo n. n must be positive.
int RandomFromSeed(uint32_t seed, int n);

// A pseudo-random number in 0..n-1, reseeded with the millisecond tick count on
// every call (so calls within one millisecond agree).
int RandomBelow(int n);
