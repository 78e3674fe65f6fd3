#include "support/assert.h"

#include <cstdio>

namespace {
AssertionSink gSink = nullptr;
}

void SetAssertionSink(AssertionSink sink) { gSink = sink; }

std::string FormatAssertion(const char* expression, const char* file, unsigned line) {
    char text[512];
    std::snprintf(text, sizeof text, "at line %u in file %s: \"%s\": OK to continue.", line, file,
                  expression);
    return text;
}

void ReportAssertion(const char* expression, const char* file, unsigned line) {
    const std::string text = FormatAssertion(expression, file, line);
    if (gSink)
        gSink(text);
    else
        ShowAssertionReport(text);
}
