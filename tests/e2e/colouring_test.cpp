// Colouring end to end on the real program: fills, clears and page changes
// with real input, checked on the screen and in the saved page files.
#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/support/session.h"

using namespace e2e;

namespace {


// Page pixel (x, y) of a saved 8-bit page file, y from the top.
uint8_t SavedPixel(const std::vector<uint8_t>& file, int x, int y) {
    return file[1078 + size_t(459 - y) * 660 + size_t(x)];
}

bool InsideA(int x, int y) { return x > 100 && x < 300 && y > 100 && y < 300; }

// Swatch 2004 (colour 5, dark green) sits at (488, 12).
constexpr COLORREF kGreen = 0x006F00;
void PickGreen(Session& s) {
    Click(488 + 22, 12 + 22);
    ASSERT_TRUE(WaitForArt(s.art(), "#105", 0, 45, 488, 12, 45, 45, 3000));
}

// Clicks page pixel (x, y) and waits for the fill to end.
void FillAt(Session& s, int x, int y, COLORREF colour) {
    Click(kPageX + x, kPageY + y);
    ASSERT_TRUE(s.WaitForPixel(kPageX + x, kPageY + y, colour, 10000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000));
    ASSERT_TRUE(s.WaitForSettled());
}

// Whether the window is disabled (a fill or clear running) within the time.
bool AnimationStarts(Session& s, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindowEnabled(s.window()); }, timeoutMs);
}

}  // namespace

TEST(Colouring, AFillPaintsExactlyTheClickedAreaAndIsSaved) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    PickGreen(s);
    FillAt(s, 200, 200, kGreen);
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 101, kPageY + 101), kGreen));
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 400, kPageY + 200), kPaper)) << "area B untouched";
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 100, kPageY + 200), 0x000000)) << "outline untouched";
    ASSERT_EQ(s.Quit(), 0u);

    const auto saved = testdata::ReadBytes(s.PagePath(0));
    ASSERT_EQ(saved.size(), 304678u);
    EXPECT_EQ(testdata::GetU16(saved, testdata::kBfReserved1), 0) << "a filled page is not clean";
    const auto isLine = testdata::OutlinedRects(kTestRects);
    int wrong = 0;
    for (int y = 0; y < 460; ++y)
        for (int x = 0; x < 660; ++x) {
            const uint8_t expected = isLine(x, y) ? 0 : InsideA(x, y) ? 5 : 37;
            wrong += SavedPixel(saved, x, y) != expected;
        }
    EXPECT_EQ(wrong, 0);
}

TEST(Colouring, ClearingTwiceAnimatesOnceAndAFillMakesItWorkAgain) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    FillAt(s, 200, 200, kRed);
    Activate(s.window());
    TypeChar('c');
    EXPECT_TRUE(AnimationStarts(s, 3000));
    ASSERT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kPaper, 15000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 15000));
    ASSERT_TRUE(s.WaitForSettled());

    TypeChar('c');  // the page is clean now: nothing happens
    EXPECT_FALSE(AnimationStarts(s, 1500));
    ASSERT_TRUE(s.WaitForSettled());

    FillAt(s, 400, 200, kRed);
    TypeChar('c');
    EXPECT_TRUE(AnimationStarts(s, 3000));
    ASSERT_TRUE(s.WaitForPixel(kPageX + 400, kPageY + 200, kPaper, 15000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 15000));
    ASSERT_TRUE(s.WaitForSettled());
    ASSERT_EQ(s.Quit(), 0u);
    const auto saved = testdata::ReadBytes(s.PagePath(0));
    ASSERT_EQ(saved.size(), 304678u);
    EXPECT_EQ(testdata::GetU16(saved, testdata::kBfReserved1), 1) << "cleared and not filled since";
}

TEST(PageTurns, UpFromTheFirstPageWrapsToTheLastAndDownComesBack) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    PressKey(VK_UP);
    EXPECT_TRUE(s.WaitForTitleStrip(49));
    ASSERT_TRUE(s.WaitForSettled());
    PressKey(VK_NEXT);
    EXPECT_TRUE(s.WaitForTitleStrip(0));
    ASSERT_TRUE(s.WaitForSettled());
    Click(267 + 26, 543 + 22);  // the previous-page button
    EXPECT_TRUE(s.WaitForTitleStrip(49));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
    EXPECT_EQ(testdata::ReadBytes(s.PagePath(0)).size(), 304678u) << "the page left was saved";
    EXPECT_EQ(testdata::ReadBytes(s.PagePath(49)).size(), 304678u);
}

TEST(PageTurns, AMissingPageIsReportedAndSkipped) {
    Session s(1, {5});
    ASSERT_TRUE(s.DismissIntro());
    for (int index = 1; index <= 4; ++index) {
        PressKey(VK_DOWN);
        ASSERT_TRUE(s.WaitForTitleStrip(index)) << index;
        ASSERT_TRUE(s.WaitForSettled());
    }
    PressKey(VK_DOWN);
    HWND box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "The file basket.col is missing.");
    AnswerBox(box, IDOK);
    EXPECT_TRUE(s.WaitForTitleStrip(6));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(PageTurns, ColouringSurvivesLeavingThePageAndARestart) {
    std::string folder;
    {
        Session s;
        ASSERT_TRUE(s.DismissIntro());
        PickGreen(s);
        FillAt(s, 200, 200, kGreen);
        PressKey(VK_DOWN);
        ASSERT_TRUE(s.WaitForTitleStrip(1));
        ASSERT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kPaper));
        ASSERT_TRUE(s.WaitForSettled());
        PressKey(VK_UP);
        ASSERT_TRUE(s.WaitForTitleStrip(0));
        EXPECT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kGreen));
        ASSERT_TRUE(s.WaitForSettled());
        ASSERT_EQ(s.Quit(), 0u);

        // A second run in the same folder shows the page as it was left.
        Program again(1, s.folder());
        HWND window = WaitForWindow("TNTWLWIN1", again.id(), 15000);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return GetDlgItem(window, 1007) != nullptr; }, 10000));
        Activate(window);
        PressKey(VK_RETURN);
        EXPECT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kGreen, 10000));
        EXPECT_TRUE(s.WaitForPixel(kPageX + 400, kPageY + 200, kPaper));
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(again.WaitForExit(10000), 0u);
    }
}

TEST(Colouring, KeysAndClicksDuringAFillHaveNoEffectAfterIt) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    // The paper around the three areas is most of the page: a long fill.
    Click(kPageX + 20, kPageY + 20);
    ASSERT_TRUE(AnimationStarts(s, 3000));
    TypeChar('c');
    PressKey(VK_DOWN);
    Click(kPageX + 200, kPageY + 200);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 30000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 20, kPageY + 20), kRed)) << "no clear ran";
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 200, kPageY + 200), kPaper)) << "no second fill ran";
    EXPECT_TRUE(s.WaitForTitleStrip(0)) << "no page change";
    EXPECT_FALSE(AnimationStarts(s, 1000));
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(PageTurns, WhenNoPageLoadsAnyMoreTheSearchEndsOnThePageLeft) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    // Every other page goes, the page shown is spoilt on disk, and saving it is
    // made impossible (a folder stands where its new bytes would be written).
    for (int i = 1; i < 50; ++i) DeleteFileA(s.PagePath(i).c_str());
    testdata::WriteBytes(s.PagePath(0), {'B', 'M', 0, 0});
    ASSERT_TRUE(CreateDirectoryA((s.PagePath(0) + ".tmp").c_str(), nullptr));
    PressKey(VK_DOWN);
    int missing = 0, notPage = 0;
    std::string last;
    HWND unsaved = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
    ASSERT_NE(unsaved, nullptr);
    EXPECT_NE(MessageBoxText(unsaved).find("airplane.col could not be saved"), std::string::npos);
    AnswerBox(unsaved, IDOK);
    WaitUntil([&] { return !IsWindow(unsaved); }, 3000);
    for (;;) {
        HWND box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
        ASSERT_NE(box, nullptr) << missing << " missing-file boxes so far";
        last = MessageBoxText(box);
        AnswerBox(box, IDOK);
        WaitUntil([&] { return !IsWindow(box); }, 3000);
        if (last.find("is missing") != std::string::npos)
            ++missing;
        else if (last == "This is not a coloring book page.")
            ++notPage;
        else
            break;
    }
    EXPECT_EQ(missing, 49);
    EXPECT_EQ(notPage, 1);
    EXPECT_EQ(last, "All of the coloring book pages are missing or damaged. The program is unusable.");
    // The program goes on with the page it had, unchanged.
    EXPECT_TRUE(s.WaitForTitleStrip(0));
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 100, kPageY + 150), 0x000000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(WaitForMessageBox(s.program().id(), "Tintwell", 300), nullptr) << "only one such box";
    RemoveDirectoryA((s.PagePath(0) + ".tmp").c_str());
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(PageTurns, LeftAndRightArrowsTurnPagesWithTheButtonPressShown) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    PressKey(VK_LEFT);
    EXPECT_TRUE(WaitForArt(s.art(), "UpBtnDn", 0, 0, 267, 543, 53, 45, 2000));
    EXPECT_TRUE(s.WaitForTitleStrip(49));
    ASSERT_TRUE(s.WaitForSettled());
    PressKey(VK_RIGHT);
    EXPECT_TRUE(WaitForArt(s.art(), "DownBtnDn", 0, 0, 480, 543, 53, 45, 2000));
    EXPECT_TRUE(s.WaitForTitleStrip(0));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
}
