// The start-up services of the program, in-process under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/app_box.h"
#include "app/globals.h"
#include "app/random.h"
#include "app/text.h"
#include "support/assert.h"
#include "support/gmem.h"
#include "tests/win32/support/box_watcher.h"

TEST(StringTable, AllTextsOfTheTable) {
    EXPECT_STREQ(LoadText(1, 0), "Start Up");
    EXPECT_STREQ(LoadText(2, 0), "Could not start timer.");
    EXPECT_STREQ(LoadText(3, 0),
                 "This program is designed to run full-screen at 800x600 resolution.  Change your display to "
                 "this setting and then restart the program.");
    EXPECT_STREQ(LoadText(4, 0), "Video Display Message");
    EXPECT_STREQ(LoadText(5, 0), "Tintwell");
    EXPECT_STREQ(LoadText(6, 0), "This is not a bitmap file.");
    EXPECT_STREQ(LoadText(7, 0), "This is not a coloring book page.");
    EXPECT_STREQ(LoadText(8, 0), "The file %s is missing.");
    EXPECT_STREQ(LoadText(9, 0),
                 "All of the coloring book pages are missing or damaged. The program is unusable.");
    EXPECT_STREQ(LoadText(12, 0), "");  // no such text
}

TEST(StringTable, TwoSlotsKeepTextAndCaptionApart) {
    const char* text = LoadText(9, 0);
    const char* caption = LoadText(5, 1);
    EXPECT_STREQ(text, "All of the coloring book pages are missing or damaged. The program is unusable.");
    EXPECT_STREQ(caption, "Tintwell");
    const char* again = LoadText(7, 0);
    EXPECT_EQ(again, text);  // the same slot, overwritten
    EXPECT_STREQ(text, "This is not a coloring book page.");
    EXPECT_STREQ(caption, "Tintwell");
}

TEST(RandomNumbers, BelowOneIsZeroAndOneMillisecondAgrees) {
    for (int i = 0; i < 100; ++i) EXPECT_EQ(RandomBelow(1), 0);
    // Calls within one tick of the clock return the same number.
    for (int tries = 0; tries < 50; ++tries) {
        const DWORD before = GetTickCount();
        const int a = RandomBelow(4), b = RandomBelow(4);
        if (GetTickCount() == before) {
            EXPECT_EQ(a, b);
            return;
        }
    }
}

TEST(AssertionReport, OkReturnsWithTheMainWindowIntact) {
    HWND window = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, hInst, nullptr);
    hwndMain = window;
    SetAssertionSink(ShowAssertionBox);  // as start-up does
    int boxesOpen = 0;
    BoxWatcher box("ASSERTION FAILURE", IDOK, [&] { boxesOpen = gScreen.boxesOpen; });
    ReportAssertion({"xPage || yPage", "Print", 49});
    box.Join();
    SetAssertionSink(nullptr);
    EXPECT_TRUE(box.seen());
    EXPECT_EQ(boxesOpen, 1) << "the main window must take no input behind the box";
    EXPECT_EQ(box.text(), "at line 49 in file Print: \"xPage || yPage\": OK to continue.");
    EXPECT_TRUE(box.hasIcon());
    EXPECT_TRUE(box.hasButton(IDCANCEL));
    EXPECT_TRUE(IsWindow(window));
    DestroyWindow(window);
    hwndMain = nullptr;
}

TEST(AssertionReport, CancelDestroysTheMainWindow) {
    HWND window = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, hInst, nullptr);
    hwndMain = window;
    SetAssertionSink(ShowAssertionBox);
    BoxWatcher box("ASSERTION FAILURE", IDCANCEL);
    ReportAssertion({"lpDibPrint", "Gmem", 31});
    box.Join();
    SetAssertionSink(nullptr);
    EXPECT_TRUE(box.seen());
    EXPECT_FALSE(IsWindow(window));
    hwndMain = nullptr;
}

TEST(LowMemory, RetryAndCancelBox) {
    {
        int boxesOpen = 0;
        BoxWatcher box("Error", IDRETRY, [&] { boxesOpen = gScreen.boxesOpen; });
        EXPECT_TRUE(AskRetryOnLowMemory(303600));
        box.Join();
        EXPECT_EQ(boxesOpen, 1) << "the main window must take no input behind the box";
        EXPECT_EQ(box.text(), "There is not enough memory to play this game.");
        EXPECT_FALSE(box.hasIcon());
        EXPECT_TRUE(box.hasButton(IDCANCEL));
    }
    BoxWatcher box("Error", IDCANCEL);
    EXPECT_FALSE(AskRetryOnLowMemory(303600));
}

TEST(GlobalBlocks, RealBlocksAreZeroFilledLockedAndFreedOnce) {
    ASSERT_TRUE(AllocateGlobalBlocks());
    ASSERT_NE(lpDib, nullptr);
    EXPECT_EQ(GlobalSize(GlobalHandle(lpDib)), kDibBytes);
    EXPECT_EQ(GlobalSize(GlobalHandle(lpDibPrint)), kDibPrintBytes);
    size_t nonZero = 0;
    for (size_t i = 0; i < kDibBytes; ++i) nonZero += lpDibClear[i] != 0;
    EXPECT_EQ(nonZero, 0u);
    EXPECT_EQ(GlobalFlags(GlobalHandle(lpDib)) & GMEM_LOCKCOUNT, 1u);
    FreeGlobalBlock(lpDib);
    FreeGlobalBlock(lpDibClear);
    FreeGlobalBlock(lpDibPrint);
    EXPECT_EQ(lpDib, nullptr);
    FreeGlobalBlock(lpDib);  // nothing left to free
}
