#include <windows.h>
#include <mmsystem.h>

#include "support/log.h"

uint32_t LogClockMillis() { return timeGetTime(); }
