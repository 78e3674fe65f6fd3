#pragma once

#include <cstddef>

// The program's out-of-memory handler: asks the user to retry or give up.
bool AskRetryOnLowMemory(size_t bytes);
