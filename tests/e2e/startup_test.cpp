// Start-up and shutdown of the real programs.
#include <gtest/gtest.h>

#include "editions/edition.h"
#include "tests/e2e/support/desktop.h"

using namespace e2e;

namespace {
constexpr DWORD kStartTimeout = 15000;

void CloseAndExpectCleanExit(Program& program, HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10000), 0u);
}
}  // namespace

TEST(Startup, SecondCopyOfAnEditionLeavesOneWindowAndReturnsMinusOne) {
    TempFolder folder;
    Program first(1, folder.path());
    ASSERT_TRUE(first.started());
    HWND window = WaitForWindow("TNTWLWIN1", first.id(), kStartTimeout);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), "Tintwell");
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 800);
    EXPECT_EQ(rect.bottom - rect.top, 600);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_BORDER), LONG(WS_POPUP));

    Program second(1, folder.path());
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.WaitForExit(10000), DWORD(-1));
    EXPECT_EQ(TopLevelWindows("TNTWLWIN1", 0).size(), 1u);
    CloseAndExpectCleanExit(first, window);
}

TEST(Startup, SecondCopyRestoresAMinimisedFirstCopy) {
    TempFolder folder;
    Program first(3, folder.path());
    HWND window = WaitForWindow("TNTWLWIN3", first.id(), kStartTimeout);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }, 3000));
    Program second(3, folder.path());
    EXPECT_EQ(second.WaitForExit(10000), DWORD(-1));
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(window); }, 3000));
    CloseAndExpectCleanExit(first, window);
}

TEST(Startup, DifferentEditionsRunSideBySide) {
    TempFolder folder;
    Program one(1, folder.path());
    Program two(2, folder.path());
    HWND w1 = WaitForWindow("TNTWLWIN1", one.id(), kStartTimeout);
    HWND w2 = WaitForWindow("TNTWLWIN2", two.id(), kStartTimeout);
    ASSERT_NE(w1, nullptr);
    ASSERT_NE(w2, nullptr);
    EXPECT_EQ(WindowText(w2), "Tintwell 2");
    CloseAndExpectCleanExit(two, w2);
    CloseAndExpectCleanExit(one, w1);
}

TEST(Startup, EveryEditionStartsAndEndsWithoutWritingALog) {
    for (int edition = 1; edition <= kEditionCount; ++edition) {
        SCOPED_TRACE(edition);
        TempFolder folder;
        HDC screen = GetDC(nullptr);
        const int widthBefore = GetDeviceCaps(screen, HORZRES);
        const int depthBefore = GetDeviceCaps(screen, BITSPIXEL);
        Program program(edition, folder.path());
        HWND window = WaitForWindow(kEditions[edition - 1].className, program.id(), kStartTimeout);
        ASSERT_NE(window, nullptr);
        CloseAndExpectCleanExit(program, window);
        // The display mode in force before the start is back.
        EXPECT_EQ(GetDeviceCaps(screen, HORZRES), widthBefore);
        EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), depthBefore);
        ReleaseDC(nullptr, screen);
        EXPECT_FALSE(folder.Exists("log.txt"));
    }
}

// Run by tools/display-size-test.sh on virtual displays of other sizes.
TEST(DisplaySize, TooSmallDisplayIsExplainedAndTheProgramEnds) {
    if (GetSystemMetrics(SM_CXSCREEN) >= 800 && GetSystemMetrics(SM_CYSCREEN) >= 600)
        GTEST_SKIP() << "needs a display smaller than 800 x 600";
    TempFolder folder;
    Program program(1, folder.path());
    HWND box = WaitForMessageBox(program.id(), "Video Display Message", kStartTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "This program is designed to run full-screen at 800x600 resolution.  Change your display to "
              "this setting and then restart the program.");
    EXPECT_FALSE(HasIcon(box));
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    EXPECT_FALSE(IsWindowVisible(FindWindowA("TNTWLWIN1", nullptr)));
    AnswerBox(box, IDOK);
    EXPECT_EQ(program.WaitForExit(10000), 0u);
}

TEST(DisplaySize, LargeEnoughDisplayRunsTheProgram) {
    if (GetSystemMetrics(SM_CXSCREEN) < 800 || GetSystemMetrics(SM_CYSCREEN) < 600)
        GTEST_SKIP() << "needs a display of at least 800 x 600";
    TempFolder folder;
    const int widthBefore = GetSystemMetrics(SM_CXSCREEN);
    Program program(1, folder.path());
    HWND window = WaitForWindow("TNTWLWIN1", program.id(), kStartTimeout);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WaitForMessageBox(program.id(), nullptr, 300), nullptr);
    CloseAndExpectCleanExit(program, window);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), widthBefore);
}
