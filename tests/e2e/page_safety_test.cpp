// What the child did stays safe around the program's message boxes: input given
// behind a box acts on nothing, and a page that cannot be saved is reported.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/support/session.h"

using namespace e2e;

namespace {

const std::vector<uint8_t> kNotAPage = {'B', 'M', 0, 0, 0, 0};

// The pixels of a saved 8-bit page show only the test drawing on paper.
int PixelsOffTheDrawing(const std::string& path) {
    const auto file = testdata::ReadBytes(path);
    if (file.size() != 304678u) return -1;
    const auto isLine = testdata::OutlinedRects(kTestRects);
    int wrong = 0;
    for (int y = 0; y < 460; ++y)
        for (int x = 0; x < 660; ++x)
            wrong += file[1078 + size_t(459 - y) * 660 + size_t(x)] != (isLine(x, y) ? 0 : 37);
    return wrong;
}

// Everything a child might do while a box is up: pick a colour, fill, turn
// pages, clear, and quit, after the screen behind the box has been repainted
// (as when another window uncovers it).
void ActBehindTheBox(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    Sleep(200);
    PressKey(VK_DOWN);
    Click(488 + 22, 12 + 22);
    Click(kPageX + 200, kPageY + 200);
    PressKey(VK_UP);
    TypeChar('c');
    TypeChar('q');
}

// The box is in front and takes Enter: it closes and the program goes on.
void CloseWithEnter(HWND box) {
    EXPECT_EQ(GetForegroundWindow(), box) << "the box is in front";
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000)) << "Enter reached the box";
}

}  // namespace

TEST(PageBoxes, InputBehindTheStartUpBoxActsOnNothing) {
    Session s;
    const auto page2 = testdata::ReadBytes(s.PagePath(2));
    ASSERT_TRUE(testdata::WriteBytes(s.PagePath(0), kNotAPage));
    ASSERT_NE(s.WaitForIntroButton(), nullptr);
    Activate(s.window());
    PressKey(VK_RETURN);
    HWND box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "This is not a coloring book page.");
    ActBehindTheBox(s.window());
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_TRUE(IsWindow(box));
    CloseWithEnter(box);

    EXPECT_TRUE(s.WaitForTitleStrip(1)) << "the search goes on to the next page";
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 200, kPageY + 200), kPaper));
    EXPECT_EQ(WaitForMessageBox(s.program().id(), "Tintwell", 300), nullptr);
    EXPECT_EQ(testdata::ReadBytes(s.PagePath(0)), kNotAPage);
    ASSERT_EQ(s.Quit(), 0u);
    EXPECT_EQ(PixelsOffTheDrawing(s.PagePath(1)), 0);
    EXPECT_EQ(testdata::ReadBytes(s.PagePath(2)), page2) << "no other page was loaded or saved";
}

TEST(PageBoxes, InputBehindAPageChangeBoxActsOnNothing) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    const auto page4 = testdata::ReadBytes(s.PagePath(4));
    ASSERT_TRUE(testdata::WriteBytes(s.PagePath(2), kNotAPage));
    PressKey(VK_DOWN);
    ASSERT_TRUE(s.WaitForTitleStrip(1));
    ASSERT_TRUE(s.WaitForSettled());
    PressKey(VK_DOWN);
    HWND box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
    ASSERT_NE(box, nullptr);
    ActBehindTheBox(s.window());
    ASSERT_TRUE(s.WaitForSettled());
    CloseWithEnter(box);

    EXPECT_TRUE(s.WaitForTitleStrip(3));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 200, kPageY + 200), kPaper));
    ASSERT_EQ(s.Quit(), 0u);
    EXPECT_EQ(PixelsOffTheDrawing(s.PagePath(1)), 0);
    EXPECT_EQ(PixelsOffTheDrawing(s.PagePath(3)), 0);
    EXPECT_EQ(testdata::ReadBytes(s.PagePath(4)), page4);
}

TEST(PageSaves, AFailedSaveIsReportedOnceAndQuitStillQuits) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    const std::string first = s.PagePath(0), second = s.PagePath(1);
    const auto kept = testdata::ReadBytes(first);
    ASSERT_TRUE(SetFileAttributesA(first.c_str(), FILE_ATTRIBUTE_READONLY));
    Click(kPageX + 200, kPageY + 200);
    ASSERT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kRed, 10000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000)) << "the fill ends";
    ASSERT_TRUE(s.WaitForSettled());

    PressKey(VK_DOWN);
    HWND box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "The page airplane.col could not be saved, so its colouring is lost. The disk may be full, "
              "or the file may be read-only or in use by another program.");
    EXPECT_TRUE(HasIcon(box));
    AnswerBox(box, IDOK);
    EXPECT_TRUE(s.WaitForTitleStrip(1));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(testdata::ReadBytes(first), kept);
    EXPECT_TRUE(GetFileAttributesA(first.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(first.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A folder stands where the next save writes: Quit says so, then quits.
    ASSERT_TRUE(CreateDirectoryA((second + ".tmp").c_str(), nullptr));
    Activate(s.window());
    TypeChar('q');
    box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find("alphabet.col could not be saved"), std::string::npos);
    AnswerBox(box, IDOK);
    EXPECT_EQ(s.program().WaitForExit(10000), 0u);
    RemoveDirectoryA((second + ".tmp").c_str());

    // The leftover of a save cut short in an earlier run goes at the next start.
    const std::string leftover = s.PagePath(5) + ".tmp";
    ASSERT_TRUE(testdata::WriteBytes(leftover, std::vector<uint8_t>(1000, 0xEE)));
    Program again(1, s.folder());
    EXPECT_NE(WaitForWindow("TNTWLWIN1", again.id(), 15000), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesA(leftover.c_str()) == INVALID_FILE_ATTRIBUTES; }, 5000));
    again.Kill();
}
