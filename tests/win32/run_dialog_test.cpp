// Opening a dialog in-process: a dialog that cannot be built says so once and
// opens normally the next time it can be.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/globals.h"
#include "dialogs/dialogs.h"
#include "editions/edition.h"
#include "tests/win32/support/box_watcher.h"

namespace {

// The About box's own procedure, closed with OK as soon as it has opened.
INT_PTR CALLBACK AboutClosedAtOnce(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return AboutDialogProc(dialog, message, wParam, lParam);
}

}  // namespace

TEST(RunDialog, ADialogThatCannotBeBuiltSaysSoOnceAndOpensOnTheNextTry) {
    FillDialogItemLists(gEdition);
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, hInst, nullptr);
    ASSERT_NE(owner, nullptr);

    // An About list grown past the template block.
    std::vector<DialogItemSpec> grown(200, DialogItemSpec{0, 0, 10, 10, 7, 0x10000001, u"STATIC", u"line"});
    grown.push_back(DialogItemSpec{0, 0, 0, 0, 0, 0, nullptr, nullptr});
    const DialogItemSpec* normal = DialogItemLists[DIALOG_ABOUT];
    DialogItemLists[DIALOG_ABOUT] = grown.data();
    EXPECT_EQ(BuildDialogTemplate(DIALOG_ABOUT), nullptr);
    {
        BoxWatcher box("Tintwell", IDOK);
        EXPECT_EQ(RunDialog(owner, DIALOG_ABOUT, AboutClosedAtOnce), 0);
        box.Join();
        EXPECT_TRUE(box.seen());
        EXPECT_EQ(box.text(), "Insufficient memory.");
        EXPECT_TRUE(box.hasButton(IDOK));
        EXPECT_FALSE(box.hasButton(IDCANCEL));
    }

    DialogItemLists[DIALOG_ABOUT] = normal;
    EXPECT_EQ(RunDialog(owner, DIALOG_ABOUT, AboutClosedAtOnce), IDOK) << "built and run again";
    DestroyWindow(owner);
}
