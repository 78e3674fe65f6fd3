#include "app/text.h"

#include "app/globals.h"

namespace {
char gSlots[2][512];
}

const char* LoadText(unsigned id, int slot) {
    char* buffer = gSlots[slot & 1];
    if (LoadStringA(hInst, UINT(id & 0xFFFF), buffer, 511) <= 0) buffer[0] = '\0';
    return buffer;
}
