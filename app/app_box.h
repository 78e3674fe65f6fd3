#pragma once

#include <windows.h>

// A message box owned by the main window with a string-table text and the
// program caption (text 5). Returns the box's answer.
int ShowProgramBox(unsigned textId, UINT type);
