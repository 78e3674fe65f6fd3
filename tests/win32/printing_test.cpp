// Print jobs of the whole program in this process, on the test suite's virtual
// printer: what the print dialog offers, what the window is like after a job,
// input given during a job, and the drawing objects twenty jobs leave behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>

#include "app/controls.h"
#include "app/globals.h"
#include "app/ids.h"
#include "dialogs/print.h"
#include "dialogs/print_option.h"
#include "editions/edition.h"
#include "page/page_image.h"
#include "support/gmem.h"
#include "tests/win32/support/print_dialog.h"
#include "tests/win32/support/program_in_process.h"
#include "tests/win32/support/pump.h"
#include "tests/win32/support/temp_folder.h"

namespace {

// Control ids of the system's print dialog.
constexpr int kSelectionRadio = 0x421, kPagesRadio = 0x422, kPrintToFileBox = 0x410, kCopiesEdit = 0x482;

// Drawing objects this process holds, counted through the slots of Wine's GDI
// handle table (GetGuiResources is not implemented there): `probes` new
// objects take every free slot and then fresh ones, so the highest slot they
// get, less their number, grows by one for every object left alive.
int LiveGdiObjects() {
    constexpr int probes = 3000;
    static HBRUSH brushes[probes];
    unsigned highest = 0;
    for (auto& b : brushes) {
        b = CreateSolidBrush(RGB(1, 2, 3));
        highest = std::max(highest, unsigned(LOWORD(reinterpret_cast<UINT_PTR>(b))));
    }
    for (auto b : brushes) DeleteObject(b);
    return int(highest) - probes;
}

// What the print dialog showed, seen from a second thread that then presses a button.
struct DialogSeen {
    bool shown = false;
    HWND owner = nullptr;
    bool pagesEnabled = true, selectionEnabled = true, printToFileVisible = true;
    std::string copies;
    bool blockedWhileOpen = false;
};

// Waits for the print dialog, records it, presses `button`, then runs `after`.
std::thread AnswerPrintDialog(DialogSeen* seen, int button, std::function<void()> after = {}) {
    return std::thread([=] {
        HWND dialog = WaitForOwnPrintDialog(10000);
        if (!dialog) return;
        seen->shown = true;
        seen->owner = GetWindow(dialog, GW_OWNER);
        seen->pagesEnabled = IsWindowEnabled(GetDlgItem(dialog, kPagesRadio));
        seen->selectionEnabled = IsWindowEnabled(GetDlgItem(dialog, kSelectionRadio));
        seen->printToFileVisible = IsWindowVisible(GetDlgItem(dialog, kPrintToFileBox));
        char copies[16] = {};
        GetDlgItemTextA(dialog, kCopiesEdit, copies, sizeof copies);
        seen->copies = copies;
        seen->blockedWhileOpen = gScreen.inputBlocked;
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(dialog, button)));
        if (after) after();
    });
}

class PrintingInProcess : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartProgramOnTestPages());
        Settle();
    }
    void TearDown() override {
        EndProgram();
        PrintOption = 0;
    }
    static void Settle() { PumpUntil([] { return false; }, 100); }
    // The print command as the Print button gives it; returns when the job is over.
    static void Print() { SendMessageA(hwndMain, WM_COMMAND, ID_PRINT, 0); }

    TempCurrentFolder folder_{"printing"};
};

int gAbortTestMessages = 0;
LRESULT CALLBACK CountingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_USER + 7) ++gAbortTestMessages;
    return DefWindowProcA(w, m, wp, lp);
}

uint8_t PagePixel(int x, int y) { return lpDib[PixelOffset(x, y, kPageWidth, kPageHeight)]; }

}  // namespace

TEST_F(PrintingInProcess, TheDialogOffersOneCopyOfTheWholePageAndTheWindowIsBackAfterwards) {
    SetCursorPos(400, 300);  // over the page
    Settle();
    gScreen.currentCursor = gScreen.arrowCursor;
    DialogSeen seen;
    std::thread answer = AnswerPrintDialog(&seen, IDOK);
    Print();
    answer.join();
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.owner, hwndMain);
    EXPECT_FALSE(seen.pagesEnabled) << "no page range";
    EXPECT_FALSE(seen.selectionEnabled) << "no selection";
    EXPECT_FALSE(seen.printToFileVisible) << "no print-to-file box";
    EXPECT_EQ(seen.copies, "1");
    EXPECT_TRUE(seen.blockedWhileOpen);

    EXPECT_FALSE(gScreen.inputBlocked);
    EXPECT_TRUE(IsWindowEnabled(hwndMain));
    EXPECT_EQ(gScreen.currentCursor, gScreen.waitCursor) << "until the posted mouse move arrives";
    Settle();
    EXPECT_EQ(gScreen.currentCursor, gScreen.editCursor) << "the pointer is over the page";
}

int gPaintsDuringJob = 0, gEnabledDuringJob = 0;
// Sent messages: the job disables the window, and a paint is asked for then,
// which the abort procedure handles while the job runs.
LRESULT CALLBACK WatchEnabling(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->hwnd == hwndMain && PrintingBusy() && message->message == WM_ENABLE) {
        if (message->wParam)
            ++gEnabledDuringJob;
        else
            InvalidateRect(hwndMain, nullptr, FALSE);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
// Queued messages taken from the queue: the paint.
LRESULT CALLBACK WatchPainting(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->hwnd == hwndMain && PrintingBusy())
        gPaintsDuringJob += message->message == WM_PAINT;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PrintingInProcess, TheWindowStaysDisabledThroughTheJobThoughItIsRepainted) {
    gPaintsDuringJob = gEnabledDuringJob = 0;
    HHOOK sent = SetWindowsHookExA(WH_CALLWNDPROC, WatchEnabling, nullptr, GetCurrentThreadId());
    HHOOK queued = SetWindowsHookExA(WH_GETMESSAGE, WatchPainting, nullptr, GetCurrentThreadId());
    ASSERT_NE(sent, nullptr);
    ASSERT_NE(queued, nullptr);
    DialogSeen seen;
    std::thread answer = AnswerPrintDialog(&seen, IDOK);
    Print();
    answer.join();
    UnhookWindowsHookEx(sent);
    UnhookWindowsHookEx(queued);
    ASSERT_TRUE(seen.shown);
    EXPECT_GT(gPaintsDuringJob, 0);
    EXPECT_EQ(gEnabledDuringJob, 0);
    EXPECT_TRUE(IsWindowEnabled(hwndMain));
}

TEST_F(PrintingInProcess, KeysAndClicksGivenDuringTheJobHaveNoEffectAfterIt) {
    for (int y = 101; y < 300; ++y)
        for (int x = 101; x < 300; ++x) lpDib[PixelOffset(x, y, kPageWidth, kPageHeight)] = 5;
    SetPageClean(gPageImage, false);
    PrintOption = 2;  // the slowest method
    DialogSeen seen;
    // Posted right behind the Print button: they reach the window while the job runs.
    std::thread answer = AnswerPrintDialog(&seen, IDOK, [] {
        PostMessageA(hwndMain, WM_CHAR, 'c', 0);
        PostMessageA(hwndMain, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(hwndMain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70 + 400, 70 + 200));
    });
    Print();
    answer.join();
    ASSERT_TRUE(seen.shown);
    Settle();
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(gScreen.pageIndex, 0) << "no page turn";
    EXPECT_EQ(PagePixel(200, 200), 5) << "no clear";
    EXPECT_EQ(PagePixel(400, 200), 37) << "no fill";
    // The same input now acts.
    PostMessageA(hwndMain, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(PumpUntil([] { return gScreen.pageIndex == 1; }, 5000));
}

TEST_F(PrintingInProcess, TwentyJobsLeaveNoDrawingObjectsBehind) {
    // Jobs and a cancelled dialog first: the system keeps some drawing objects
    // (cached window contexts among them) from the first few dialogs and jobs on.
    for (int i = 0; i < 10; ++i) {
        PrintOption = i % 3;
        DialogSeen seen;
        std::thread answer = AnswerPrintDialog(&seen, i == 0 ? IDCANCEL : IDOK);
        Print();
        answer.join();
        ASSERT_TRUE(seen.shown);
    }
    Settle();
    LiveGdiObjects();
    // The system may still fill a cache of its own during the next jobs (it did on a
    // new machine), but such a cache stops growing; a leak grows with every batch.
    int before = LiveGdiObjects(), after = -1;
    for (int batch = 0; batch < 4 && after != before; ++batch) {
        if (after >= 0) before = after;
        for (int i = 0; i < 20; ++i) {
            PrintOption = i % 3;
            DialogSeen seen;
            std::thread answer = AnswerPrintDialog(&seen, IDOK);
            Print();
            answer.join();
            ASSERT_TRUE(seen.shown) << i;
        }
        Settle();
        after = LiveGdiObjects();
    }
    EXPECT_EQ(after, before) << "twenty jobs in a row leave drawing objects behind";
}

TEST(PrintAbort, HandlesWaitingMessagesAndLeavesTheQuitMessageForTheMainLoop) {
    gAbortTestMessages = 0;
    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(window, GWLP_WNDPROC, LONG_PTR(CountingProc));
    PostMessageA(window, WM_USER + 7, 0, 0);
    PostMessageA(window, WM_USER + 7, 0, 0);
    PostQuitMessage(3);
    EXPECT_TRUE(PrintAbortProc(nullptr, 0));
    EXPECT_EQ(gAbortTestMessages, 2);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    DestroyWindow(window);
}
