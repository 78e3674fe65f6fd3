#include "support/log.h"

#include <chrono>

uint32_t LogClockMillis() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
