// The diagnostic log: time-stamped lines appended to "log.txt" while the switch is on.
#pragma once

#include <cstdint>

// The log switch. Off: nothing in the program turns it on, so no file is written.
extern bool gLogEnabled;

// Appends "<tenths of a second since system start>:  <message>\n" to log.txt in the
// current directory. Safe to call from the interface and the music timer threads.
// Returns false only when the switch is on and the file cannot be opened.
bool LogMessage(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Milliseconds since system start (the multimedia system time on Windows).
uint32_t LogClockMillis();

// Tests replace the clock; nullptr restores the system clock.
void SetLogClock(uint32_t (*millis)());
