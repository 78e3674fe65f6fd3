#include <windows.h>

#include "app/random.h"

int RandomBelow(int n) { return RandomFromSeed(GetTickCount(), n); }
