#include "app/app_box.h"

#include "app/globals.h"
#include "app/ids.h"
#include "app/text.h"

int ShowProgramBoxText(const char* text, UINT type) {
    // While the box is up the main window takes no input and leaves the focus
    // with the box (see MainWndProc), so nothing the child does behind it is lost.
    ++gScreen.boxesOpen;
    const int answer = MessageBoxA(hwndMain, text, LoadText(IDS_PROGRAM_CAPTION, 1), type);
    --gScreen.boxesOpen;
    return answer;
}

int ShowProgramBox(unsigned textId, UINT type) {
    return ShowProgramBoxText(LoadText(textId, 0), type);
}
