// Program-wide handles and the shared screen state of the one interface thread.
#pragma once

#include <windows.h>

extern HINSTANCE hInst;
extern HWND hwndMain;

// Screen phases, in the order a run passes through them.
enum ScreenPhaseValue {
    PHASE_COLOURING = 0,
    PHASE_INTRO_DISMISSED = 1,
    PHASE_INTRO_SHOWN = 2,
    PHASE_INTRO_PENDING = 3,
};

struct ScreenState {
    ScreenPhaseValue screenPhase;  // 3, 2, 1, then 0 for the rest of the run
    bool inputBlocked;             // a dialog or a print job runs: the main window drops input
    int boxesOpen;                 // program message boxes up: the main window drops input, keeps off the focus
    int pageIndex;                 // index into the edition's page names
    int selectedSwatchId;          // ID_SWATCH_FIRST..ID_SWATCH_LAST: the current colour is its index + 1
    bool pageLoaded;               // a page is in the page image (nothing is saved before)
    HCURSOR currentCursor;
    HCURSOR arrowCursor;
    HCURSOR editCursor;
    HCURSOR waitCursor;
};

extern ScreenState gScreen;

// The state at the start of a run.
void ResetScreenState();
