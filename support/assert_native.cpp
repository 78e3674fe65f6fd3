#include <cstdio>

#include "support/assert.h"

void ShowAssertionReport(const std::string& text) {
    std::fprintf(stderr, "ASSERTION FAILURE: %s\n", text.c_str());
}
