#include "app/startup.h"

#include "app/app_box.h"
#include "app/bitmaps.h"
#include "app/display.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/mainwnd.h"
#include "app/page_files.h"
#include "app/screen_draw.h"
#include "app/text.h"
#include "dialogs/dialog_template.h"
#include "editions/edition.h"
#include "page/fill.h"
#include "page/palette.h"
#include "page/point_queue.h"
#include "sound/sounds.h"
#include "support/assert.h"
#include "support/gmem.h"

namespace {
constexpr unsigned kUiTimerPeriod = 50;  // milliseconds
}  // namespace

HINSTANCE hInst = nullptr;
HWND hwndMain = nullptr;
ScreenState gScreen;

void ResetScreenState() {
    gScreen = ScreenState{};
    gScreen.screenPhase = PHASE_INTRO_PENDING;
    gScreen.pageIndex = 0;
    gScreen.selectedSwatchId = ID_SWATCH_FIRST + 1;
}

void RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_BYTEALIGNWINDOW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "TWLIcon");
    wc.lpszClassName = gEdition.className;
    RegisterClassA(&wc);
}

bool InitInstance(HINSTANCE instance, int showCommand) {
    hInst = instance;
    HWND window = CreateWindowExA(0, gEdition.className, gEdition.windowTitle, WS_POPUP, 0, 0, kScreenWidth,
                                  kScreenHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return false;
    hwndMain = window;
    if (CheckDisplay(hwndMain) == DisplayCheck::TooSmall) return false;
    SetFullScreenMode();
    SetOutOfMemoryHandler(AskRetryOnLowMemory);
    SetAssertionSink(ShowAssertionBox);
    if (!AllocateGlobalBlocks()) return false;
    RemoveLeftoverSaves();
    FillDialogItemLists(gEdition);
    LoadSounds(instance);
    if (!SetTimer(hwndMain, TIMER_ID_UI, kUiTimerPeriod, nullptr)) {
        const char* text = LoadText(IDS_TIMER_FAILED, 0);
        const char* caption = LoadText(IDS_STARTUP_CAPTION, 1);
        ShowAppBox(text, caption, MB_ICONWARNING);
        ShutdownApp(hwndMain);
        return false;
    }
    ShowWindow(hwndMain, showCommand);
    // The intro card is painted before the music starts, so it shows at once.
    UpdateWindow(hwndMain);
    return true;
}

LRESULT ShutdownApp(HWND window) {
    // The cursors came from LoadCursorA as shared cursors: the system frees them.
    KillTimer(window, TIMER_ID_UI);
    ReleaseSounds();
    DeleteScreenBitmaps();
    FreeGlobalBlock(lpDib);
    FreeGlobalBlock(lpDibClear);
    FreeGlobalBlock(lpDibPrint);
    if (!WalkRunning()) ReleaseWalkStorage();  // a walk in progress still uses it
    ReleasePagePalette();
    RestoreScreenMode();
    PostQuitMessage(0);
    return 0;
}
