#include "support/assert.h"

#include <cstdio>

namespace {
AssertionSink gSink = nullptr;
}

void SetAssertionSink(AssertionSink sink) { gSink = sink; }

std::string FormatAssertion(const AssertionText& assertion) {
    char text[512];
    std::snprintf(text, sizeof text, "at line %u in file %s: \"%s\": OK to continue.", assertion.line,
                  assertion.file, assertion.expression);
    return text;
}

void ReportAssertion(const AssertionText& assertion) {
    const std::string text = FormatAssertion(assertion);
    if (gSink)
        gSink(text);
    else
        std::fprintf(stderr, "ASSERTION FAILURE: %s\n", text.c_str());
}
