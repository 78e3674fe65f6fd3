// The whole program runs in this process for these tests: the window, its
// phases and its drawing. After hundreds of repaints and page changes no
// drawing objects may have piled up.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/controls.h"
#include "app/globals.h"
#include "app/ids.h"
#include "editions/edition.h"
#include "tests/win32/support/program_in_process.h"
#include "tests/win32/support/pump.h"
#include "tests/win32/support/temp_folder.h"

namespace {

// The slot of the next GDI object created. Slots of freed objects are reused,
// so it only climbs when objects are left behind. (GetGuiResources counts
// them on Windows, but Wine does not implement it.)
unsigned NextGdiSlot() {
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    const unsigned slot = LOWORD(reinterpret_cast<UINT_PTR>(probe));
    DeleteObject(probe);
    return slot;
}

int ChildWindowCount(HWND window) {
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

class ProgramInProcess : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartProgramOnTestPages());
    }
    void TearDown() override { EndProgram(); }
    TempCurrentFolder folder_{"inprocess"};
};

}  // namespace

TEST_F(ProgramInProcess, RepaintsAndPageChangesLeaveNoDrawingObjectsBehind) {
    // Warm up: the first paints create what lives for the whole run.
    for (int i = 0; i < 5; ++i) {
        RedrawWindow(hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageA(hwndMain, WM_COMMAND, ID_PAGE_DOWN, 0);
    }
    PumpUntil([] { return false; }, 100);
    const unsigned slotBefore = NextGdiSlot();
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const int childrenBefore = ChildWindowCount(hwndMain);

    for (int i = 0; i < 500; ++i) {
        RedrawWindow(hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageA(hwndMain, WM_COMMAND, i % 2 ? ID_PAGE_DOWN : ID_PAGE_UP, 0);
        SendMessageA(hwndMain, WM_COMMAND, ID_SWATCH_FIRST + i % 36, 0);
    }
    PumpUntil([] { return false; }, 100);

    const unsigned slotAfter = NextGdiSlot();
    EXPECT_LT(slotAfter, slotBefore + 64) << "GDI objects left behind: next slot " << slotBefore << " -> "
                                          << slotAfter;
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore);
    EXPECT_EQ(ChildWindowCount(hwndMain), childrenBefore);
    EXPECT_EQ(childrenBefore, 6 + 36);
}
