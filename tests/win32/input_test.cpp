// Input and repaints of the whole program in this process: the colouring
// screen's paint drops only the input given while it composes, and a paint
// behind a dialog leaves the input to the dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/globals.h"
#include "app/ids.h"
#include "app/screen_draw.h"
#include "dialogs/dialog_ids.h"
#include "page/colours.h"
#include "page/page_image.h"
#include "support/gmem.h"
#include "tests/win32/support/program_in_process.h"
#include "tests/win32/support/pump.h"
#include "tests/win32/support/temp_folder.h"

namespace {

constexpr uint8_t kRedIndex = 2;  // the colour chosen at start

uint8_t PagePixel(int x, int y) { return lpDib[PixelOffset(x, y, kPageWidth, kPageHeight)]; }

LPARAM ClientPoint(int pageX, int pageY) { return MAKELPARAM(kPageLeft + pageX, kPageTop + pageY); }

class InputInProcess : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartProgramOnTestPages());
        PumpUntil([] { return false; }, 100);
    }
    void TearDown() override { EndProgram(); }

    TempCurrentFolder folder_{"input"};
};

// Sent messages: while the screen paint has the window disabled, a click is given.
LRESULT CALLBACK ClickWhileComposing(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->hwnd == hwndMain && message->message == WM_ENABLE && !message->wParam)
        PostMessageA(hwndMain, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(400, 200));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(InputInProcess, ARepaintKeepsTheClickGivenBeforeItAndDropsTheOneGivenWhileItComposes) {
    // A click waits in the queue (area A) when a late repaint comes; a second
    // click (area B) is given while that paint composes the screen.
    PostMessageA(hwndMain, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(200, 200));
    Sleep(30);  // the click is older than the paint
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, ClickWhileComposing, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    RedrawWindow(hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    UnhookWindowsHookEx(hook);

    PumpUntil([] { return PagePixel(200, 200) == kRedIndex && IsWindowEnabled(hwndMain); }, 10000);
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(PagePixel(200, 200), kRedIndex) << "the click given before the repaint fills area A";
    EXPECT_EQ(PagePixel(400, 200), kPaperIndex) << "the click given while the screen was composed has no effect";
    EXPECT_TRUE(IsWindowEnabled(hwndMain));
}

namespace {

// What a second thread saw of the Printing Options opened from the Info
// dialog while the colouring screen behind them was repainted.
struct OptionsSeen {
    bool opened = false;
    bool mainEnabled = true;
    bool focusInOptions = false;
    bool radioUnderPointer = false;
    bool radioChosen = false;
    bool closedByEscape = false;
};

struct DialogSearch {
    int controlId;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND w, LPARAM p) {
    auto* search = reinterpret_cast<DialogSearch*>(p);
    if (IsWindowVisible(w) && GetDlgItem(w, search->controlId)) search->found = w;
    return search->found == nullptr;
}

// A visible window of the program's thread holding a control with the id.
HWND OwnDialogWith(int controlId) {
    DialogSearch search{controlId, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(hwndMain, nullptr), FindDialog, LPARAM(&search));
    return search.found;
}

HWND WaitForOwnDialog(int controlId) {
    for (int i = 0; i < 500; ++i) {
        if (HWND w = OwnDialogWith(controlId)) return w;
        Sleep(10);
    }
    return nullptr;
}

HWND KeyboardFocus() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwndMain, nullptr), &info);
    return info.hwndFocus;
}

// Gives a click where a hand would: to the window under the screen point.
void ClickAt(POINT screen) {
    HWND target = WindowFromPoint(screen);
    POINT client = screen;
    ScreenToClient(target, &client);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
}

void WatchOptions(OptionsSeen* seen) {
    HWND info = WaitForOwnDialog(IDC_ABOUT);
    if (!info) return;
    PostMessageA(info, WM_COMMAND, MAKEWPARAM(IDC_PRINT_OPTIONS, BN_CLICKED), LPARAM(GetDlgItem(info, IDC_PRINT_OPTIONS)));
    HWND options = WaitForOwnDialog(IDC_PRINT_DEFAULT);
    if (!options) return;
    seen->opened = true;
    Sleep(200);
    // A late repaint of the colouring screen behind the dialogs.
    RedrawWindow(hwndMain, nullptr, nullptr, RDW_INVALIDATE);
    Sleep(300);
    seen->mainEnabled = IsWindowEnabled(hwndMain) != FALSE;
    HWND focus = KeyboardFocus();
    seen->focusInOptions = focus == options || IsChild(options, focus);

    HWND radio = GetDlgItem(options, IDC_PRINT_ALTERNATE_1);
    RECT r = {};
    GetWindowRect(radio, &r);
    const POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    seen->radioUnderPointer = WindowFromPoint(centre) == radio;
    ClickAt(centre);
    for (int i = 0; i < 100 && !seen->radioChosen; ++i, Sleep(10))
        seen->radioChosen = SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED;

    // Escape goes where the keyboard focus is.
    focus = KeyboardFocus();
    PostMessageA(focus ? focus : hwndMain, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    for (int i = 0; i < 200 && !seen->closedByEscape; ++i, Sleep(10)) seen->closedByEscape = !IsWindow(options);
    if (IsWindow(options)) PostMessageA(options, WM_COMMAND, IDC_ESCAPE, 0);
    for (int i = 0; i < 200 && IsWindow(options); ++i) Sleep(10);
    PostMessageA(info, WM_COMMAND, IDC_ESCAPE, 0);
}

}  // namespace

TEST_F(InputInProcess, ThePrintingOptionsKeepTheInputWhenTheScreenBehindIsRepainted) {
    OptionsSeen seen;
    std::thread watcher(WatchOptions, &seen);
    SendMessageA(hwndMain, WM_COMMAND, ID_INFO, 0);  // the Info button: returns when the Info dialog has closed
    watcher.join();
    ASSERT_TRUE(seen.opened);
    EXPECT_FALSE(seen.mainEnabled) << "the colouring screen stays disabled behind the dialogs";
    EXPECT_TRUE(seen.focusInOptions) << "the keyboard focus stays in the Printing Options";
    EXPECT_TRUE(seen.radioUnderPointer) << "the dialog stays above the colouring screen";
    EXPECT_TRUE(seen.radioChosen) << "a click on a printing method chooses it";
    EXPECT_TRUE(seen.closedByEscape) << "Escape closes the Printing Options";
    EXPECT_FALSE(gScreen.inputBlocked);
}
