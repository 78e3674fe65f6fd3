// Filling an area under a click and clearing the page, animated on the main
// window with sounds, while the window is disabled and input is dropped.
#include "app/painting.h"

#include <mmsystem.h>

#include "app/globals.h"
#include "app/ids.h"
#include "app/input.h"
#include "app/random.h"
#include "app/screen_draw.h"
#include "app/undo.h"
#include "page/draw.h"
#include "page/fill.h"
#include "page/page_image.h"
#include "sound/sounds.h"
#include "support/gmem.h"
#include "support/scoped_gdi.h"

namespace {

// The walk's view of the platform: the clock, the page drawn onto the main
// window, one message handled per call, and the wave sounds.
//
// The clock is the multimedia system time at a 1 ms period, not the tick
// count: the tick count moves in steps of about 16 ms (on Windows, and under
// Wine while nothing calls the Wine server), too coarse for 10 ms frames.
class WindowWalkHost : public WalkHost {
public:
    WindowWalkHost() : finePeriod_(timeBeginPeriod(1) == TIMERR_NOERROR) {}
    ~WindowWalkHost() override {
        if (finePeriod_) timeEndPeriod(1);
    }
    WindowWalkHost(const WindowWalkHost&) = delete;
    WindowWalkHost& operator=(const WindowWalkHost&) = delete;

    uint32_t TickCount() override { return timeGetTime(); }
    void DrawFrame() override {
        ScopedGetDC dc(hwndMain);
        DrawPage(dc, kPageLeft, kPageTop);
    }
    bool PumpOneMessage() override {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));  // leave it for the main loop
            return true;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return true;
    }
    void WaitForMessage(uint32_t milliseconds) override {
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    void PlaySoundOnce(int sound) override { ::PlaySoundOnce(sound); }
    void PlaySoundLoop(int sound) override { ::PlaySoundLoop(sound); }
    void StopSounds() override { ::StopSounds(); }
    int RandomBelow(int n) override { return ::RandomBelow(n); }

private:
    bool finePeriod_;
};

void BeginLongAction() {
    gScreen.currentCursor = gScreen.waitCursor;
    SetCursor(gScreen.currentCursor);
    EnableWindow(hwndMain, FALSE);
}

void EndLongAction() {
    EnableWindow(hwndMain, TRUE);
    DiscardQueuedInput(hwndMain);
}

void SettleAfterLongAction(HWND window) {
    RefreshCursorFromPointer(window);
    SetFocus(window);
}

}  // namespace

bool PaintingBusy() { return WalkRunning(); }

LRESULT OnPageClick(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (PaintingBusy() || !lpDib) return 0;
    const int x = int(LOWORD(lParam)) - kPageLeft;
    const int y = int(HIWORD(lParam)) - kPageTop;
    const int width = PageWidth(gPageImage), height = PageHeight(gPageImage);
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const uint8_t pixel = lpDib[PixelOffset(x, y, width, height)];
    const uint8_t colour = uint8_t(gScreen.selectedSwatchId - ID_SWATCH_FIRST + 1);
    if (pixel == 0 || pixel == colour) return 0;

    BeginPageChange();
    BeginLongAction();
    WindowWalkHost host;
    FillRegion(host, x, y, colour);
    EndLongAction();
    SetPageClean(gPageImage, false);
    EndPageChange();
    SettleAfterLongAction(window);
    return 0;
}

LRESULT OnClearPage(HWND window) {
    if (PaintingBusy() || !lpDib) return 0;
    if (PageIsClean(gPageImage)) {
        SetFocus(window);  // a click on Clear left the focus on the button
        return 0;
    }
    BeginPageChange();
    BeginLongAction();
    WindowWalkHost host;
    ClearWave(host);
    EndLongAction();
    SetPageClean(gPageImage, true);
    EndPageChange();
    SettleAfterLongAction(window);
    return 0;
}
