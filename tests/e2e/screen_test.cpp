// The intro card and the colouring screen of the real program, read back from
// the screen and compared with the program's own bitmaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/e2e/support/session.h"
#include "tests/support/dib_info.h"

using namespace e2e;

namespace {

void ExpectShows(const Session& s, const char* bitmap, int srcX, int srcY, int x, int y, int w, int h) {
    const Match m = CompareScreen(s.art(), bitmap, srcX, srcY, x, y, w, h);
    EXPECT_TRUE(m.all()) << bitmap << " at (" << x << ", " << y << "): " << m.matching << " of " << m.total;
}

int ChildButtonCount(HWND window) {
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

}  // namespace

TEST(IntroCard, FirstPaintShowsTheCardAndCreatesTheOkButtonOnce) {
    Session s;
    ASSERT_NE(s.window(), nullptr);
    HWND ok = s.WaitForIntroButton();
    ASSERT_NE(ok, nullptr);
    // Repaints in the intro phase redraw the card but make no second button.
    for (int i = 0; i < 5; ++i) RedrawWindow(s.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Sleep(100);
    EXPECT_EQ(ChildButtonCount(s.window()), 1);
    RECT r;
    GetWindowRect(ok, &r);
    EXPECT_EQ(r.left, 344);
    EXPECT_EQ(r.top, 420);
    EXPECT_EQ(r.right - r.left, 96);
    EXPECT_EQ(r.bottom - r.top, 46);

    ExpectShows(s, "DotPattern", 0, 0, 0, 0, 8, 8);
    ExpectShows(s, "DotPattern", 0, 0, 792, 592, 8, 8);
    ExpectShows(s, "DotPattern", 0, 0, 104, 48, 8, 8);
    ExpectShows(s, "DotPatternShadow", 0, 0, 576, 128, 8, 8);
    ExpectShows(s, "DotPatternShadow", 0, 0, 576, 480, 8, 8);
    ExpectShows(s, "DotPatternShadow", 0, 0, 224, 480, 8, 8);
    ExpectShows(s, "IntroBackGrd", 0, 0, 216, 120, 360, 14);
    ExpectShows(s, "IntroScr", 0, 0, 230, 134, 332, 212);
    ExpectShows(s, "CopyRight", 0, 0, 235, 354, 320, 55);
    ExpectShows(s, "OKButtonUp", 0, 0, 344, 420, 96, 46);
    EXPECT_EQ(s.Quit(), STILL_ACTIVE) << "q must do nothing on the intro card";
    EXPECT_TRUE(s.DismissIntro());
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(IntroCard, SpaceOrEnterDismissesItEvenBeforeTheButtonExists) {
    {
        // Space is queued as soon as the window exists, before its first paint
        // has made the OK button.
        TempFolder folder;
        const auto isLine = testdata::OutlinedRects(kTestRects);
        testdata::WriteMonoPage(folder.File("airplane.col"), 1, isLine);
        Program program(1, folder.path());
        HWND window = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (window = FindWindowA("TNTWLWIN1", nullptr)) != nullptr; }, 15000));
        const bool buttonYet = GetDlgItem(window, 1007) != nullptr;
        PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
        if (buttonYet) GTEST_SKIP() << "the program was faster than the test";
        ASSERT_TRUE(WaitUntil([&] { return GetDlgItem(window, 1001) != nullptr; }, 10000));
        EXPECT_TRUE(WaitUntil([&] { return NearColour(ScreenPixel(kPageX + 10, kPageY + 10), kPaper); }, 5000));
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(10000), 0u);
    }
    Session s;
    HWND ok = s.WaitForIntroButton();
    ASSERT_NE(ok, nullptr);
    Activate(s.window());
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return s.Button(1001) != nullptr; }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(ok); }, 5000)) << "the OK button goes with the card";
    EXPECT_TRUE(s.WaitForPixel(kPageX + 10, kPageY + 10, kPaper));
    EXPECT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(IntroCard, ClickingOkDismissesIt) {
    Session s;
    ASSERT_NE(s.WaitForIntroButton(), nullptr);
    ASSERT_TRUE(s.WaitForSettled());  // a button made a moment ago may not take a click yet
    Activate(s.window());
    Click(344 + 48, 420 + 23);
    EXPECT_TRUE(WaitUntil([&] { return s.Button(1001) != nullptr; }, 10000));
    EXPECT_TRUE(s.WaitForPixel(kPageX + 10, kPageY + 10, kPaper));
    EXPECT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(ColouringScreen, FramePageTitleButtonsAndSwatchesAreWhereTheyBelong) {
    Session s(2);
    ASSERT_TRUE(s.DismissIntro());
    Sleep(200);
    ExpectShows(s, "TopBottomBorder", 0, 0, 0, 0, 800, 12);
    ExpectShows(s, "TopBottomBorder", 0, 57, 0, 57, 800, 13);
    ExpectShows(s, "TopBottomBorder", 0, 70, 0, 530, 800, 13);
    ExpectShows(s, "LeftRightBorder", 57, 0, 57, 70, 13, 460);
    ExpectShows(s, "LeftRightBorder", 70, 0, 730, 70, 13, 460);
    // The page: paper inside, the test outlines in black.
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX, kPageY), kPaper));
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 659, kPageY + 459), kPaper));
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 100, kPageY + 150), 0x000000));
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 200, kPageY + 200), kPaper));
    EXPECT_TRUE(s.WaitForTitleStrip(0));

    for (const ControlLook& c : ColouringScreenControls())
        ExpectShows(s, c.bitmap.c_str(), 0, c.srcY, c.x, c.y, c.width, c.height);
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(ColouringScreen, SwatchClicksMoveTheSelection) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    Click(12 + 22, 288 + 22);  // swatch 2020, left column
    EXPECT_TRUE(WaitForArt(s.art(), "#121", 0, 45, 12, 288, 45, 45, 3000));
    EXPECT_TRUE(WaitForArt(s.art(), "#102", 0, 0, 165, 12, 45, 45, 3000))
        << "the swatch selected before shows unselected again";
    DoubleClick(743 + 22, 543 + 22);  // swatch 2035
    EXPECT_TRUE(WaitForArt(s.art(), "#136", 0, 45, 743, 543, 45, 45, 3000));
    EXPECT_TRUE(WaitForArt(s.art(), "#121", 0, 0, 12, 288, 45, 45, 3000));
    // Keys work straight after a click on a swatch, without moving the mouse.
    ASSERT_TRUE(s.WaitForSettled());
    PressKey(VK_DOWN);
    EXPECT_TRUE(s.WaitForTitleStrip(1));
    EXPECT_EQ(s.Quit(), 0u);
}

// What a cursor looks like: its hot spot and its mask and colour bits, so that
// cursors of different processes can be compared.
std::string CursorLook(HCURSOR cursor) {
    ICONINFO info = {};
    if (!cursor || !GetIconInfo(cursor, &info)) return "none";
    std::string look = std::to_string(info.xHotspot) + "," + std::to_string(info.yHotspot) + ":";
    HDC screen = GetDC(nullptr);
    for (HBITMAP bitmap : {info.hbmMask, info.hbmColor}) {
        if (!bitmap) continue;
        BITMAP b = {};
        GetObjectA(bitmap, sizeof b, &b);
        BITMAPINFO bi = Dib32Info(b.bmWidth, b.bmHeight);
        std::vector<uint32_t> bits(size_t(b.bmWidth) * size_t(b.bmHeight));
        GetDIBits(screen, bitmap, 0, b.bmHeight, bits.data(), &bi, DIB_RGB_COLORS);
        for (uint32_t v : bits) look += (v & 0xFFFFFF) ? '1' : '0';
        DeleteObject(bitmap);
    }
    ReleaseDC(nullptr, screen);
    return look;
}

TEST(ColouringScreen, CursorIsTheCrayonOverThePageOnly) {
    // Cursor handles of another process cannot be looked into here, so the test
    // tells the two cursors apart by where they change: the arrow is the cursor
    // of the intro card, and the page area shows another one up to its edges.
    Session s;
    ASSERT_NE(s.WaitForIntroButton(), nullptr);
    auto cursorAt = [&](int x, int y) {
        MoveMouse(x, y);
        CURSORINFO info = {};
        info.cbSize = sizeof info;
        WaitUntil(
            [&] {
                GetCursorInfo(&info);
                return info.ptScreenPos.x == x && info.ptScreenPos.y == y;
            },
            2000);
        Sleep(150);  // the move reaches the program, which sets its cursor
        GetCursorInfo(&info);
        return info.hCursor;
    };
    const HCURSOR arrow = cursorAt(400, 300);
    EXPECT_EQ(cursorAt(700, 500), arrow) << "the intro card does not change the cursor";
    ASSERT_TRUE(s.DismissIntro());
    const HCURSOR crayon = cursorAt(729, 529);
    EXPECT_NE(crayon, arrow);
    EXPECT_NE(crayon, nullptr);
    EXPECT_EQ(cursorAt(730, 300), arrow);
    EXPECT_EQ(cursorAt(300, 530), arrow);
    EXPECT_EQ(cursorAt(70, 70), crayon);
    EXPECT_EQ(cursorAt(69, 300), arrow);
    EXPECT_EQ(cursorAt(400, 69), arrow);
    EXPECT_EQ(cursorAt(400, 300), crayon);
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(PageSearch, MissingFirstPagesAreReportedAndTheFirstGoodPageOpens) {
    Session s(1, {0, 1});
    ASSERT_NE(s.WaitForIntroButton(), nullptr);
    Activate(s.window());
    PressKey(VK_RETURN);
    for (const char* name : {"airplane.col", "alphabet.col"}) {
        HWND box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(MessageBoxText(box), std::string("The file ") + name + " is missing.");
        EXPECT_TRUE(HasIcon(box));
        AnswerBox(box, IDOK);
        WaitUntil([&] { return !IsWindow(box); }, 3000);
    }
    EXPECT_TRUE(s.WaitForTitleStrip(2));
    EXPECT_TRUE(s.WaitForSettled());
    EXPECT_EQ(WaitForMessageBox(s.program().id(), "Tintwell", 300), nullptr);
    EXPECT_EQ(s.Quit(), 0u);
    EXPECT_EQ(testdata::ReadBytes(s.PagePath(2)).size(), 304678u) << "page 2 was the page saved";
}

TEST(QuitKey, ShowsThePressAndSavesThePage) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    Activate(s.window());
    TypeChar('q');
    // The Quit button shows its pressed bitmap during the press.
    const bool pressedSeen = WaitForArt(s.art(), "QuitBtnDn", 0, 0, 12, 12, 96, 45, 2000);
    EXPECT_TRUE(pressedSeen);
    EXPECT_EQ(s.program().WaitForExit(10000), 0u);
    const auto saved = testdata::ReadBytes(s.PagePath(0));
    ASSERT_EQ(saved.size(), 304678u);
    const auto expected =
        testdata::ColourPageBytes(1, [](int x, int y) { return uint8_t(testdata::OutlinedRects(kTestRects)(x, y) ? 0 : 37); });
    EXPECT_TRUE(std::equal(saved.begin() + 1078, saved.end(), expected.begin() + 1078)) << "pixels as loaded";
}

TEST(CloseWithoutQuit, ClosingTheWindowKeepsTheColouring) {
    for (UINT how : {UINT(WM_CLOSE), UINT(WM_ENDSESSION)}) {
        Session s;
        ASSERT_TRUE(s.DismissIntro());
        if (how == WM_CLOSE) {
            PostMessageA(s.window(), WM_CLOSE, 0, 0);
            EXPECT_EQ(s.program().WaitForExit(10000), 0u);
        } else {
            SendMessageTimeoutA(s.window(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, nullptr);
            SendMessageTimeoutA(s.window(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, nullptr);
            s.program().Kill();  // the session ends: the process goes without more messages
        }
        EXPECT_EQ(testdata::ReadBytes(s.PagePath(0)).size(), 304678u) << how;
    }
    // Closed on the intro card, nothing has been loaded and nothing is saved.
    Session s;
    const auto original = testdata::ReadBytes(s.PagePath(0));
    ASSERT_NE(s.WaitForIntroButton(), nullptr);
    PostMessageA(s.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(s.program().WaitForExit(10000), 0u);
    EXPECT_EQ(testdata::ReadBytes(s.PagePath(0)), original) << "still the 1-bit page";
}
