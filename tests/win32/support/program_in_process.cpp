#include "tests/win32/support/program_in_process.h"

#include <windows.h>

#include "app/controls.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/startup.h"
#include "editions/edition.h"
#include "tests/testdata/page_writer.h"
#include "tests/win32/support/pump.h"

bool StartProgramOnTestPages() {
    const auto isLine = testdata::OutlinedRects({{100, 100, 300, 300}, {350, 100, 600, 300}});
    for (const char* name : gEdition.pageNames) testdata::WriteMonoPage(name, gEdition.number, isLine);
    ResetScreenState();
    RegisterMainClass(hInst);
    if (!InitInstance(hInst, SW_SHOW)) return false;
    PostMessageA(hwndMain, WM_COMMAND, ID_INTRO_OK, 0);
    return PumpUntil([] { return gScreen.screenPhase == PHASE_COLOURING && ButtonWindow(ID_QUIT); }, 10000);
}

void EndProgram() {
    if (IsWindow(hwndMain)) DestroyWindow(hwndMain);
    PumpUntil([] { return false; }, 50);  // takes the quit message
    UnregisterClassA(gEdition.className, hInst);
}
