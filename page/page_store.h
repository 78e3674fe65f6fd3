// Loading and saving the page in memory (gPageImage and lpDib) from and to a
// page file in the current directory.
#pragma once

// Reads the named page file into the page image. On failure shows the missing-
// file or not-a-page box and returns false with the page in memory unchanged.
// Needs the page palette built first: a 1-bit page takes its colours from it.
bool LoadPage(const char* name);

// Writes the page image to the named file in the 8-bit form. The new bytes go
// to a temporary file that replaces the old one only when complete, so a failed
// or interrupted save leaves the old file intact. False on any failure, silently.
bool SavePage(const char* name);
