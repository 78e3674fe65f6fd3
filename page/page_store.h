// Loading and saving the page in memory (gPageImage and lpDib) from and to a
// page file in the current directory. Nothing here speaks to the user: the
// callers say what went wrong.
#pragma once

#include "page/page_file.h"

// Reads the named page file, whose first two bytes must be the edition's
// signature, into the page image; on any failure the page in
// memory is unchanged. Needs the page palette built first: a 1-bit page takes
// its colours from it.
PageLoadResult ReadPage(const char* name, uint16_t signature);

// Writes the page image to the named file in the 8-bit form. The new bytes go
// to "<name>.tmp", which replaces the old file only when complete, so a failed
// or interrupted save leaves the old file intact. A page file marked read-only
// is never replaced. False on any failure.
bool SavePage(const char* name);

// Removes the "<name>.tmp" that a save cut short may have left behind.
void RemoveLeftoverSave(const char* name);
