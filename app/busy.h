// Whether the main window may act on input now, and if not, why: every reason
// the program has for keeping input from the colouring screen, in one place.
#pragma once

#include <windows.h>

enum class InputBar {
    None,        // the window takes input
    MessageBox,  // a program message box is up (gScreen.boxesOpen): it has the input and the focus
    Dialog,      // the Info dialog or the print dialog runs (gScreen.inputBlocked)
    PrintJob,    // a print job runs (PrintingBusy(); gScreen.inputBlocked is set as well)
    Painting,    // a fill or a clear animates (PaintingBusy())
    Disabled,    // the window is disabled for none of the reasons above (a screen being composed)
};

// The first reason the program has for keeping input from the main window, not
// counting the window's own enabled state; None when it has none.
InputBar ProgramInputBar();

// ProgramInputBar, or Disabled when the window is disabled all the same.
InputBar MainWindowInputBar();

// Whether the main window acts on this message now. Messages that are not
// input always pass; the actions of a message that passes may still find
// nothing to do.
bool MainWindowTakes(UINT message);

// A quit asked for (WM_CLOSE) while a fill, a clear or a print job runs waits
// for it to end: LongActionRunning says whether one runs, AskQuitAfterLongAction
// leaves the request, and TakeQuitAfterLongAction answers it once, when none runs.
bool LongActionRunning();
void AskQuitAfterLongAction();
bool TakeQuitAfterLongAction();
