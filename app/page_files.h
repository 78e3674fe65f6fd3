// The page files as the child meets them: loading and saving with a box that
// says what went wrong.
#pragma once

// Reads the named page into the page image. On failure shows the missing-file
// or not-a-page box and returns false with the page in memory unchanged.
bool LoadPage(const char* name);

// Saves the page image over the named file. A failed save says so once, naming
// the page, since its colouring is lost when another page is shown; with
// `quietly` (the system is ending the session) nothing is shown.
bool SavePageOrSay(const char* name, bool quietly = false);

// Removes the leftovers of saves cut short in an earlier run.
void RemoveLeftoverSaves();
