// Undo and redo on the real program: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z after
// fills and a clear, checked on the screen and in the page file saved.
#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/support/session.h"

using namespace e2e;

namespace {

constexpr int kW = 660, kH = 460;
using Screen = std::vector<COLORREF>;

Screen PageOnScreen() { return ScreenRegion(kPageX, kPageY, kW, kH); }

// Pixels of the page area that differ from `expected` now.
int Differences(const Screen& expected) {
    const Screen now = PageOnScreen();
    int differ = 0;
    for (size_t i = 0; i < now.size(); ++i) differ += !NearColour(now[i], expected[i], 4);
    return differ;
}

bool PageShows(const Screen& expected, DWORD timeoutMs = 3000) {
    return WaitUntil([&] { return Differences(expected) == 0; }, timeoutMs);
}

void PressWithCtrl(WORD key, bool shift = false) {
    std::vector<INPUT> in;
    auto add = [&](WORD vk, DWORD flags) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.dwFlags = flags;
        in.push_back(i);
    };
    add(VK_CONTROL, 0);
    if (shift) add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
    add(VK_CONTROL, KEYEVENTF_KEYUP);
    SendInput(UINT(in.size()), in.data(), sizeof(INPUT));
}

// Ctrl held down as the user's, and a Z key-down posted to the main window
// whatever window has the focus.
void CtrlZToMainWindow(Session& s) {
    INPUT ctrl = {};
    ctrl.type = INPUT_KEYBOARD;
    ctrl.ki.wVk = VK_CONTROL;
    SendInput(1, &ctrl, sizeof ctrl);
    Sleep(300);  // the program has taken the Ctrl key down
    PostMessageA(s.window(), WM_KEYDOWN, 'Z', 1);
    Sleep(500);
    ctrl.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &ctrl, sizeof ctrl);
}

void FillAt(Session& s, int x, int y, COLORREF colour) {
    Click(kPageX + x, kPageY + y);
    ASSERT_TRUE(s.WaitForPixel(kPageX + x, kPageY + y, colour, 10000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000));
    ASSERT_TRUE(s.WaitForSettled());
}

constexpr COLORREF kGreen = 0x006F00;  // swatch 2004, at (488, 12)

}  // namespace

TEST(Undo, StepsBackAndForthThroughFillsAndAClearEndsWithThePageAndIsSavedAsShown) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    ASSERT_TRUE(s.WaitForSettled());
    const Screen blank = PageOnScreen();

    FillAt(s, 200, 200, kRed);  // area A
    const Screen redA = PageOnScreen();
    Click(488 + 22, 12 + 22);
    ASSERT_TRUE(WaitForArt(s.art(), "#105", 0, 45, 488, 12, 45, 45, 3000));
    ASSERT_TRUE(s.WaitForSettled());
    FillAt(s, 400, 200, kGreen);  // area B
    const Screen redAgreenB = PageOnScreen();

    Activate(s.window());
    PressWithCtrl('Z');
    EXPECT_TRUE(PageShows(redA)) << Differences(redA);
    PressWithCtrl('Z');
    EXPECT_TRUE(PageShows(blank)) << Differences(blank);
    PressWithCtrl('Z');  // nothing left to undo
    PressWithCtrl('Y');
    EXPECT_TRUE(PageShows(redA)) << Differences(redA);
    ASSERT_TRUE(s.WaitForSettled());

    // A clear, taken back, done again with Ctrl+Shift+Z and taken back again.
    TypeChar('c');
    ASSERT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kPaper, 15000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 15000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_TRUE(PageShows(blank));
    PressWithCtrl('Y');  // the clear dropped the green fill that could have been redone
    PressWithCtrl('Z');
    EXPECT_TRUE(PageShows(redA)) << Differences(redA);
    PressWithCtrl('Z', true);
    EXPECT_TRUE(PageShows(blank)) << Differences(blank);
    PressWithCtrl('Z');
    EXPECT_TRUE(PageShows(redA)) << Differences(redA);
    ASSERT_TRUE(s.WaitForSettled());

    // While the Info dialog is open Ctrl+Z does nothing, even given to the main
    // window; the same keys with the dialog closed do undo.
    TypeChar('i');
    HWND info = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows("#32770", s.program().id()))
                if (IsWindowVisible(w) && GetDlgItem(w, 110)) info = w;
            return info != nullptr;
        },
        5000));
    ASSERT_TRUE(s.WaitForSettled());
    CtrlZToMainWindow(s);
    RECT done = {};
    GetWindowRect(GetDlgItem(info, IDOK), &done);
    Click((done.left + done.right) / 2, (done.top + done.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(info); }, 5000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(Differences(redA), 0) << "Ctrl+Z behind the dialog";
    CtrlZToMainWindow(s);
    EXPECT_TRUE(PageShows(blank)) << "Ctrl+Z given the same way";
    PressWithCtrl('Y');
    EXPECT_TRUE(PageShows(redA));

    // A page step saves the page and ends its history.
    PressKey(VK_DOWN);
    ASSERT_TRUE(s.WaitForTitleStrip(1));
    ASSERT_TRUE(s.WaitForSettled());
    const auto left = testdata::ReadBytes(s.PagePath(0));
    ASSERT_EQ(left.size(), 304678u);
    EXPECT_EQ(testdata::GetU16(left, testdata::kBfReserved1), 0) << "the clear was undone: not clean";
    PressKey(VK_UP);
    ASSERT_TRUE(s.WaitForTitleStrip(0));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_TRUE(PageShows(redA));
    PressWithCtrl('Z');
    PressWithCtrl('Y');
    Sleep(500);
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(Differences(redA), 0) << "nothing to undo or redo on a page shown afresh";

    const Screen shown = PageOnScreen();
    ASSERT_EQ(s.Quit(), 0u);
    // Every pixel of the file, through the file's own colour table, is the colour shown.
    const auto saved = testdata::ReadBytes(s.PagePath(0));
    ASSERT_EQ(saved.size(), 304678u);
    int wrong = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const uint8_t index = saved[1078 + size_t(kH - 1 - y) * kW + size_t(x)];
            const uint8_t* entry = &saved[54 + 4 * size_t(index)];
            wrong += !NearColour(RGB(entry[0], entry[1], entry[2]), shown[size_t(y) * kW + x]);
        }
    EXPECT_EQ(wrong, 0);
}
