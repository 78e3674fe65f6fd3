// Undo and redo of the fills and clears on the page being coloured. The
// history lasts for one visit of a page: it ends when the page is saved and
// left, and nothing of it is written to disk.
#pragma once

#include <windows.h>

// Around every change to the page by a fill or a clear.
void BeginPageChange();
void EndPageChange();

// The page has been saved and is being left (a page step, quitting): its
// history ends.
void EndPageHistory();

// Ctrl+Z undoes the last fill or clear, Ctrl+Y or Ctrl+Shift+Z does it again,
// showing the page at once. True when the key was one of these, whether or not
// anything could be undone; nothing happens during a fill, a clear, a print
// job, a dialog or a message box.
bool OnUndoKey(WPARAM key);
