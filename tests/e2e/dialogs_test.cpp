// The Info dialog, the About box and the Printing Options dialog of the real
// programs, opened and answered as a user would, with printer.dta read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editions/edition.h"
#include "tests/e2e/support/session.h"

using namespace e2e;

namespace {

// A dialog of the program, known by one of its controls.
HWND WaitForDialog(Session& s, int controlId, DWORD timeoutMs = 5000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows("#32770", s.program().id()))
                if (IsWindowVisible(w) && GetDlgItem(w, controlId)) {
                    found = w;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

RECT ScreenRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

void ClickControl(HWND dialog, int id) {
    const RECT r = ScreenRect(GetDlgItem(dialog, id));
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool Checked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::vector<bool> RadioChecks(HWND dialog) { return {Checked(dialog, 112), Checked(dialog, 113), Checked(dialog, 114)}; }

// Waits until a control shows the top-left of a bitmap over the whole of its rectangle.
bool ControlShows(const Session& s, HWND dialog, int id, const char* bitmap) {
    const RECT r = ScreenRect(GetDlgItem(dialog, id));
    return WaitForArt(s.art(), bitmap, 0, 0, r.left, r.top, r.right - r.left, r.bottom - r.top, 3000);
}

// Waits until a dialog has closed and the program waits for input again.
bool WaitForClosed(Session& s, HWND dialog) {
    return WaitUntil([&] { return !IsWindow(dialog); }, 5000) && s.WaitForSettled();
}

HWND OpenInfo(Session& s) {
    Activate(s.window());
    TypeChar('i');
    return WaitForDialog(s, 110);
}

// The Printing Options dialog, opened from the Info dialog.
HWND OpenPrintingOptions(Session& s, HWND info) {
    ClickControl(info, 111);
    return WaitForDialog(s, 112);
}

}  // namespace

TEST(InfoDialog, OpensCentredPaintedFromItsBitmapsWhileTheMainWindowIgnoresInput) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    HWND info = OpenInfo(s);
    ASSERT_NE(info, nullptr);
    // 180 x 180 template units through this system's dialog base units: 360 x 360
    // pixels with 8 x 16, one pixel narrower with Wine's 7 x 16.
    const LONG units = GetDialogBaseUnits();
    const int bx = LOWORD(units), by = HIWORD(units);
    const RECT r = ScreenRect(info);
    EXPECT_EQ(r.right - r.left, MulDiv(180 * 8 / bx, bx, 4));
    EXPECT_EQ(r.bottom - r.top, MulDiv(180 * 16 / by, by, 8));
    EXPECT_EQ(r.left, 220);
    EXPECT_EQ(r.top, 120);
    EXPECT_TRUE(WaitForArt(s.art(), "IntroBackGrd", 0, 0, r.left, r.top, r.right - r.left, 60, 3000));
    EXPECT_TRUE(ControlShows(s, info, 110, "AboutUp"));
    EXPECT_TRUE(ControlShows(s, info, 111, "PrintOptUp"));
    EXPECT_TRUE(ControlShows(s, info, 1, "DoneBtnUp"));

    // Area C of the test page shows below the dialog at (200, 500).
    Click(200, 500);
    PostMessageA(s.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 500));
    PostMessageA(s.window(), WM_LBUTTONUP, 0, MAKELPARAM(200, 500));
    PostMessageA(s.window(), WM_CHAR, 'q', 0);
    PostMessageA(s.window(), WM_COMMAND, 1006, 0);
    // A key-down still shows its button's press; the command it posts is dropped.
    PostMessageA(s.window(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(WaitForArt(s.art(), "DownBtnDn", 0, 0, 480, 543, 53, 45, 3000));
    EXPECT_TRUE(WaitForArt(s.art(), "DownBtn", 0, 0, 480, 543, 53, 45, 3000));
    ClickControl(info, 1);  // Done
    ASSERT_TRUE(WaitForClosed(s, info));

    EXPECT_EQ(s.program().WaitForExit(0), DWORD(STILL_ACTIVE)) << "q while the dialog was open";
    EXPECT_TRUE(s.WaitForTitleStrip(0)) << "no page turn";
    EXPECT_TRUE(NearColour(ScreenPixel(200, 500), kPaper)) << "no fill";
    // The colouring goes on as before.
    Click(200, 500);
    EXPECT_TRUE(s.WaitForPixel(200, 500, kRed, 10000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(InfoDialog, ItsButtonsOpenTheAboutBoxOfEachEditionAndThePrintingOptions) {
    for (int edition = 1; edition <= kEditionCount; ++edition) {
        SCOPED_TRACE(edition);
        const EditionInfo& e = kEditions[edition - 1];
        Session s(edition);
        ASSERT_TRUE(s.DismissIntro());
        HWND info = OpenInfo(s);
        ASSERT_NE(info, nullptr);

        ClickControl(info, 110);
        HWND about = WaitForDialog(s, 2501);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(GetWindow(about, GW_OWNER), info);
        EXPECT_EQ(WindowText(GetDlgItem(about, 2501)), e.aboutHeading);
        EXPECT_EQ(WindowText(GetDlgItem(about, 2502)), e.aboutVersion);
        const RECT r = ScreenRect(about);
        EXPECT_EQ(r.left, 220);
        EXPECT_EQ(r.top, 120);
        EXPECT_TRUE(WaitForArt(s.art(), "AboutTextFrame", 0, 0, r.left + 18, r.top + 20, 324, 20, 3000));
        EXPECT_TRUE(ControlShows(s, about, 1, "OKButtonUp"));
        PressKey(VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 5000));

        HWND options = OpenPrintingOptions(s, info);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(GetWindow(options, GW_OWNER), info);
        // The frame and its title above the three radio buttons.
        EXPECT_TRUE(WaitForArt(s.art(), "PrintOptions", 0, 0, r.left + 54, r.top + 82, 248, 20, 3000));
        EXPECT_TRUE(ControlShows(s, options, 1, "OKButtonUp"));
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));
        EXPECT_TRUE(IsWindowVisible(info)) << "back in the Info dialog";
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitForClosed(s, info));
        EXPECT_EQ(s.Quit(), 0u);
    }
}

TEST(PrintingOptions, TheChoiceIsKeptInPrinterDta) {
    Session s;
    const std::string file = s.folder() + "\\printer.dta";
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << "made only when the intro card goes";
    ASSERT_TRUE(s.DismissIntro());
    EXPECT_EQ(testdata::ReadBytes(file), (std::vector<uint8_t>{0, 0, 0, 0}));

    HWND info = OpenInfo(s);
    ASSERT_NE(info, nullptr);
    HWND options = OpenPrintingOptions(s, info);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(RadioChecks(options), (std::vector<bool>{true, false, false}));
    ClickControl(options, 114);
    EXPECT_TRUE(WaitUntil([&] { return RadioChecks(options) == std::vector<bool>{false, false, true}; }, 3000));
    ClickControl(options, 1);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));
    EXPECT_EQ(testdata::ReadBytes(file), (std::vector<uint8_t>{2, 0, 0, 0}));

    // Another choice, then Escape: nothing changes.
    options = OpenPrintingOptions(s, info);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(RadioChecks(options), (std::vector<bool>{false, false, true}));
    ClickControl(options, 113);
    EXPECT_TRUE(WaitUntil([&] { return Checked(options, 113); }, 3000));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));
    EXPECT_EQ(testdata::ReadBytes(file), (std::vector<uint8_t>{2, 0, 0, 0}));
    options = OpenPrintingOptions(s, info);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(RadioChecks(options), (std::vector<bool>{false, false, true})) << "the option as it was";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForClosed(s, info));
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(PrintingOptions, LongerFilesKeepTheirTailAndAnUnknownValueChecksNothing) {
    struct Case {
        std::vector<uint8_t> before;
        std::vector<bool> checks;
        int click;  // 0: OK without a choice
        std::vector<uint8_t> after;
    };
    const Case cases[] = {
        {{1, 0, 0, 0, 9, 8, 7, 6, 5, 4}, {false, true, false}, 112, {0, 0, 0, 0, 9, 8, 7, 6, 5, 4}},
        {{0xFF, 0xFF, 0xFF, 0xFF}, {false, false, false}, 0, {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        Session s;
        const std::string file = s.folder() + "\\printer.dta";
        testdata::WriteBytes(file, c.before);  // read when the intro card goes
        ASSERT_TRUE(s.DismissIntro());
        HWND info = OpenInfo(s);
        ASSERT_NE(info, nullptr);
        HWND options = OpenPrintingOptions(s, info);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(RadioChecks(options), c.checks);
        if (c.click) {
            ClickControl(options, c.click);
            EXPECT_TRUE(WaitUntil([&] { return Checked(options, c.click); }, 3000));
        }
        ClickControl(options, 1);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));
        EXPECT_EQ(testdata::ReadBytes(file), c.after);
        ClickControl(info, 1);
        ASSERT_TRUE(WaitForClosed(s, info));
        EXPECT_EQ(s.Quit(), 0u);
    }
}
