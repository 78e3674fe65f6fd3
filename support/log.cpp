#include "support/log.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

bool gLogEnabled = false;

namespace {
std::mutex gLogMutex;  // the music timer thread logs too: one line at a time
uint32_t (*gClock)() = nullptr;
}  // namespace

void SetLogClock(uint32_t (*millis)()) { gClock = millis; }

bool LogMessage(const char* format, ...) {
    if (!gLogEnabled) return true;
    std::lock_guard<std::mutex> lock(gLogMutex);
    FILE* file = std::fopen("log.txt", "a+");
    if (!file) return false;
    const int32_t millis = int32_t(gClock ? gClock() : LogClockMillis());
    std::fprintf(file, "%i:  ", int(millis / 100));
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
    return true;
}
