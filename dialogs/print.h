// Printing the current page on one sheet: the print dialog, the job, and the
// three ways of drawing the turned, framed page on the printer.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstdint>

// The whole print job for the Print command: the dialog, then the page drawn by
// the chosen method while the main window is disabled and its input dropped.
void PrintPage(HINSTANCE instance, HWND window);

// True while a job's document is being made: the window stays disabled even if
// it is repainted meanwhile (the abort procedure handles paints).
bool PrintingBusy();

// The print dialog's record for a job: the default printer, no page range, no
// selection, no print-to-file box, one copy, and a printer context returned.
void FillPrintDialogRecord(PRINTDLGA& record, HWND owner);

// Runs the print dialog; the printer context it made, or null when the user
// cancelled or the dialog failed.
HDC ChoosePrinter(HWND owner);

// The job's abort procedure: handles the waiting messages, so the screen stays
// alive during a long job, and always goes on.
BOOL CALLBACK PrintAbortProc(HDC printer, int error);

// Draw the page into the started page of the printer context, whose printable
// area is xPage x yPage. False, drawing nothing, without a page in memory.
bool RenderPrintDefault(HDC printer, int16_t xPage, int16_t yPage);
// Alternate 1 or 2, as PrintOption says.
bool RenderPrintAlternate(HDC printer, int16_t xPage, int16_t yPage);
