// The printing method (0 Default, 1 Alternate 1, 2 Alternate 2), kept in the
// four-byte settings file "printer.dta" in the current directory.
#pragma once

#include <cstdint>

extern int32_t PrintOption;

// Reads the method from "printer.dta", creating the file with 0 when it cannot
// be opened. A file shorter than four bytes supplies only its low-order bytes.
void LoadPrintOption();

// Writes the method over the first four bytes of "printer.dta" (creating it when
// it cannot be opened); later bytes of a longer file are kept.
void StorePrintOption();
