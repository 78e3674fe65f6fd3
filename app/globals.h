// Program-wide handles and the shared screen state of the one interface thread.
#pragma once

#include <windows.h>

// Screen phases, in the order a run passes through them.
enum ScreenPhaseValue {
    PHASE_COLOURING = 0,
    PHASE_INTRO_DISMISSED = 1,
    PHASE_INTRO_SHOWN = 2,
    PHASE_INTRO_PENDING = 3,
};

extern HINSTANCE hInst;
extern HWND hwndMain;

struct ScreenState {
    int screenPhase;       // ScreenPhaseValue: 3, 2, 1, then 0 for the rest of the run
    bool inputBlocked;     // a dialog or a print job runs: the main window drops input
    int boxesOpen;         // program message boxes up: the main window drops input, keeps off the focus
    int pageIndex;         // index into the edition's page names
    int selectedSwatchId;  // ID_SWATCH_FIRST..ID_SWATCH_LAST
    int currentColour;     // always selectedSwatchId - 1999
    bool pageLoaded;       // a page is in the page image (nothing is saved before)
    HCURSOR currentCursor;
    HCURSOR arrowCursor;
    HCURSOR editCursor;
    HCURSOR waitCursor;
    POINTS lastMousePos;
    HBRUSH nullBrush;      // the dialogs' transparent background
};

extern ScreenState gScreen;

// The state at the start of a run.
void ResetScreenState();
