// The program's message boxes. Every one is owned by the main window and goes
// through ShowAppBox: while a box is up the main window takes no input and
// leaves the focus with the box (see MainWndProc), so nothing the child does
// behind it is lost.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// The owner is the main window unless a dialog of the program is given.
int ShowAppBox(const char* text, const char* caption, UINT type, HWND owner = nullptr);

// A box with a string-table text and the program caption (text 5). Returns the
// box's answer.
int ShowProgramBox(unsigned textId, UINT type);
// The same with a text already made (slot 0 of LoadText may hold it).
int ShowProgramBoxText(const char* text, UINT type);

// The out-of-memory question: true to retry the allocation.
bool AskRetryOnLowMemory(size_t bytes);

// The assertion report: OK goes on, Cancel closes the program.
void ShowAssertionBox(const std::string& text);
