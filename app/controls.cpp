#include "app/controls.h"

#include "app/bitmaps.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/screen_draw.h"
#include "page/palette.h"
#include "support/scoped_gdi.h"

// The tables of app/ids.h; the handles are filled in when the buttons are created.
#define BUTTON(id, x, y, width, height) {nullptr, id, x, y, width, height},
#define SWATCH(k, x, y) {nullptr, ID_SWATCH_FIRST + k, x, y, SWATCH_SIZE, SWATCH_SIZE},
ButtonDef IntroButtons[1] = {INTRO_BUTTON_ROWS};
ButtonDef PageButtons[PAGE_BUTTON_COUNT] = {PAGE_BUTTON_ROWS};
ButtonDef SwatchButtons[SWATCH_COUNT] = {SWATCH_ROWS};
#undef BUTTON
#undef SWATCH

namespace {
// The page buttons' bitmaps, indexed by command id - ID_QUIT.
const char* const kButtonUpNames[PAGE_BUTTON_COUNT] = {"QuitBtn", "PrintBtn", "ClearBtn",
                                                       "InfoBtn", "UpBtn",    "DownBtn"};
const char* const kButtonDownNames[PAGE_BUTTON_COUNT] = {"QuitBtnDn", "PrintBtnDn", "ClearBtnDn",
                                                         "InfoBtnDn", "UpBtnDn",    "DownBtnDn"};

void Create(ButtonDef& def, HWND parent) {
    def.window = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, def.x, def.y, def.width,
                                 def.height, parent, reinterpret_cast<HMENU>(INT_PTR(def.id)), hInst, nullptr);
}
}  // namespace

LRESULT CreateIntroButton(HWND parent) {
    Create(IntroButtons[0], parent);
    return 0;
}

void DestroyIntroButton() {
    if (!IntroButtons[0].window) return;
    DestroyWindow(IntroButtons[0].window);
    IntroButtons[0].window = nullptr;
}

LRESULT CreatePageControls(HWND parent) {
    for (ButtonDef& def : PageButtons) Create(def, parent);
    CreateSwatches(parent);
    RECT client;
    GetClientRect(parent, &client);
    InvalidateRect(parent, &client, FALSE);
    return 0;
}

void CreateSwatches(HWND parent) {
    for (ButtonDef& def : SwatchButtons) Create(def, parent);
}

HWND ButtonWindow(int commandId) {
    if (commandId == ID_INTRO_OK) return IntroButtons[0].window;
    if (commandId >= ID_QUIT && commandId <= ID_PAGE_DOWN) return PageButtons[commandId - ID_QUIT].window;
    if (commandId >= ID_SWATCH_FIRST && commandId <= ID_SWATCH_LAST)
        return SwatchButtons[commandId - ID_SWATCH_FIRST].window;
    return nullptr;
}

LRESULT DrawButtonItem(const DRAWITEMSTRUCT* item) {
    const int id = int(item->CtlID);
    if (id == ID_INTRO_OK) return DrawOwnerButton(item, "OKButtonDown", "OKButtonUp");

    HBITMAP bitmap = nullptr;
    int sourceY = 0;
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    if (id >= ID_QUIT && id <= ID_PAGE_DOWN) {
        bitmap = ScreenBitmap(pressed ? kButtonDownNames[id - ID_QUIT] : kButtonUpNames[id - ID_QUIT]);
    } else if (id >= ID_SWATCH_FIRST && id <= ID_SWATCH_LAST) {
        bitmap = ScreenBitmap(MAKEINTRESOURCEA(IDB_SWATCH_FIRST + id - ID_SWATCH_FIRST));
        // The lower half is the selected look: the chosen colour, or the focused swatch.
        if (id == gScreen.selectedSwatchId || (item->itemState & ODS_FOCUS)) sourceY = SWATCH_SIZE;
    }
    if (!bitmap) return TRUE;
    HDC dc = item->hDC;
    ScopedSelectPalette palette(dc, hPagePalette);
    ScopedMemoryDC memory(dc);
    ScopedSelectPalette memoryPalette(memory, hPagePalette);
    ScopedSelectObject selected(memory, bitmap);
    const RECT& r = item->rcItem;
    BitBlt(dc, r.left, r.top, r.right, r.bottom, memory, 0, sourceY, SRCCOPY);
    return TRUE;
}
