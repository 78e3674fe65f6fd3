// Milliseconds from the high-resolution counter, for timing in benchmarks.
#pragma once

#include <windows.h>

inline double MillisNow() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}
