#include "app/app_box.h"

#include "app/globals.h"
#include "app/ids.h"
#include "app/text.h"

int ShowAppBox(const char* text, const char* caption, UINT type, HWND owner) {
    ++gScreen.boxesOpen;
    const int answer = MessageBoxA(owner ? owner : hwndMain, text, caption, type);
    --gScreen.boxesOpen;
    return answer;
}

int ShowProgramBoxText(const char* text, UINT type) {
    return ShowAppBox(text, LoadText(IDS_PROGRAM_CAPTION, 1), type);
}

int ShowProgramBox(unsigned textId, UINT type) {
    return ShowProgramBoxText(LoadText(textId, 0), type);
}

bool AskRetryOnLowMemory(size_t /*bytes*/) {
    return ShowAppBox("There is not enough memory to play this game.", "Error", MB_RETRYCANCEL) == IDRETRY;
}

void ShowAssertionBox(const std::string& text) {
    MessageBeep(0);
    const int answer = ShowAppBox(text.c_str(), "ASSERTION FAILURE", MB_OKCANCEL | MB_ICONHAND | MB_TASKMODAL);
    // Cancel closes the program through the main window's destruction.
    if (answer != IDOK && hwndMain) DestroyWindow(hwndMain);
}
