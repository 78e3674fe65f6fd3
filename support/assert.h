// The assertion report: names a condition that should have held, with the source
// file (no directory or extension) and line, and lets the user go on or close.
#pragma once

#include <string>

void ReportAssertion(const char* expression, const char* file, unsigned line);

// "at line 97 in file Drawbrdr: \"DeleteObject ( HBMSave )\": OK to continue."
std::string FormatAssertion(const char* expression, const char* file, unsigned line);

// Shows the report (a message box on Windows). Defined once per platform.
void ShowAssertionReport(const std::string& text);

// Tests observe reports through a sink; nullptr restores ShowAssertionReport.
using AssertionSink = void (*)(const std::string& text);
void SetAssertionSink(AssertionSink sink);
