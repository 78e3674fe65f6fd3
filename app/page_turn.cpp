// Moving to the previous or next page: the page is saved over its file, then
// the next page in that direction that loads is shown.
#include "app/app_box.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/page_files.h"
#include "app/painting.h"
#include "app/screen_draw.h"
#include "app/undo.h"
#include "editions/edition.h"
#include "page/draw.h"
#include "support/scoped_gdi.h"

namespace {

LRESULT TurnPage(HWND window, int step) {
    if (PaintingBusy()) return 0;
    const int left = gScreen.pageIndex;
    SavePageOrSay(PageName(left));
    EndPageHistory();
    int index = left;
    for (;;) {
        index = (index + step + kPageCount) % kPageCount;
        if (LoadPage(PageName(index))) break;
        if (index == left) {
            // A whole round and not even the page just left loads again: stay on
            // it (it is still in memory) and say that the pages are unusable.
            ShowProgramBox(IDS_ALL_PAGES_MISSING, MB_OK);
            SetFocus(window);
            return 0;
        }
    }
    gScreen.pageIndex = index;
    {
        ScopedGetDC dc(hwndMain);
        DrawPage(dc, kPageLeft, kPageTop);
        DrawTitleStrip(dc, index);
    }
    SetFocus(window);
    return 0;
}

}  // namespace

LRESULT OnPreviousPage(HWND window) { return TurnPage(window, -1); }

LRESULT OnNextPage(HWND window) { return TurnPage(window, +1); }
