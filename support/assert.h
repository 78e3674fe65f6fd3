// The assertion report: names a condition that should have held, with the source
// file (no directory or extension) and line, and lets the user go on or close.
#pragma once

#include <string>

// One assertion of the program. The file and line are part of the report's fixed
// text, the name under which the check has always been reported, not where it
// stands in today's sources.
struct AssertionText {
    const char* expression;
    const char* file;
    unsigned line;
};

void ReportAssertion(const AssertionText& assertion);

// "at line 49 in file Print: \"xPage || yPage\": OK to continue."
std::string FormatAssertion(const AssertionText& assertion);

// Where reports go: the program installs its message box at start-up, tests
// install a recorder; with none (nullptr) a report is written to stderr.
using AssertionSink = void (*)(const std::string& text);
void SetAssertionSink(AssertionSink sink);
