#include "app/random.h"

int RandomFromSeed(uint32_t seed, int n) {
    const uint32_t state = seed * 214013u + 2531011u;
    const int number = int((state >> 16) & 0x7FFF);
    return number % n;
}
