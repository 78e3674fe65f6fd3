#include <windows.h>

#include "app/globals.h"
#include "app/page_folder.h"
#include "app/startup.h"
#include "editions/edition.h"
#include "sound/music.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // One copy per edition: a second start brings the first to the front.
    if (HWND running = FindWindowA(gEdition.className, nullptr)) {
        if (IsWindow(running)) {
            SetForegroundWindow(running);
            if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
        }
        return -1;
    }
    ChoosePageFolder();
    ResetScreenState();
    RegisterMainClass(instance);
    if (!InitInstance(instance, showCommand)) return 0;
    StartMusic(gEdition.musicFile);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return int(msg.wParam);
}
