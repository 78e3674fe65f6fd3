#include "app/undo.h"

#include "app/busy.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/screen_draw.h"
#include "page/draw.h"
#include "page/history.h"
#include "page/page_image.h"
#include "sound/sounds.h"
#include "support/gmem.h"
#include "support/scoped_gdi.h"

namespace {

// The swatch pick's click: short and soft, unlike the fill's and the clear's sounds.
constexpr int kUndoSound = WAVE_SWATCH;

PageHistory gHistory;

// The bytes of the page in memory, or 0 when there is no page the history could use.
size_t PageBytes() {
    const int width = PageWidth(gPageImage), height = PageHeight(gPageImage);
    if (!lpDib || width <= 0 || height <= 0) return 0;
    const size_t bytes = size_t(width) * size_t(height);
    return bytes <= kDibBytes ? bytes : 0;
}

}  // namespace

void BeginPageChange() { gHistory.BeginChange(lpDib, PageBytes(), PageIsClean(gPageImage)); }

void EndPageChange() { gHistory.CommitChange(lpDib, PageBytes(), PageIsClean(gPageImage)); }

void EndPageHistory() { gHistory.Clear(); }

bool OnUndoKey(WPARAM key) {
    if ((key != 'Z' && key != 'Y') || GetKeyState(VK_CONTROL) >= 0) return false;
    if (GetKeyState(VK_MENU) < 0) return false;  // Ctrl+Alt is AltGr on many keyboards: a character
    if (gScreen.screenPhase != PHASE_COLOURING || ProgramInputBar() != InputBar::None) return true;
    const bool redo = key == 'Y' || GetKeyState(VK_SHIFT) < 0;
    bool clean = false;
    const bool changed = redo ? gHistory.Redo(lpDib, PageBytes(), clean) : gHistory.Undo(lpDib, PageBytes(), clean);
    if (!changed) return true;
    SetPageClean(gPageImage, clean);  // saved as shown: Clear works again after a clear is undone
    {
        ScopedGetDC dc(hwndMain);
        DrawPage(dc, kPageLeft, kPageTop);
    }
    PlaySoundOnce(kUndoSound);
    return true;
}
