// The Info dialog, the About box and the Printing Options dialog.
#pragma once

#include <windows.h>

#include "dialogs/dialog_template.h"

// The template of a dialog in a fresh 4096-byte global block, or null when the
// memory cannot be had or the dialog's table does not fit the block.
HGLOBAL BuildDialogTemplate(int dialogNumber);

// Builds, runs modally and frees a dialog; the dialog's result, or 0 after
// saying "Insufficient memory." when it cannot be built.
INT_PTR RunDialog(HWND owner, int dialogNumber, DLGPROC procedure);

// Centres the dialog on the 800 x 600 screen; for a dialog number of 0 or more
// also gives every control of its item list the 10-point bold font.
void CentreDialog(HWND dialog, int dialogNumber);

// Transparent background and black text; returns the null brush.
HBRUSH SetDialogTextColours(HDC dc);

INT_PTR CALLBACK InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PrintOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
