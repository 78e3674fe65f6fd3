#pragma once

#include <windows.h>

// A message box owned by the main window with a string-table text and the
// program caption (text 5). Returns the box's answer.
int ShowProgramBox(unsigned textId, UINT type);
// The same with a text already made (slot 0 of LoadText may hold it).
int ShowProgramBoxText(const char* text, UINT type);
