#include "app/controls.h"

#include "app/bitmaps.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/screen_draw.h"
#include "page/palette.h"
#include "support/scoped_gdi.h"

ButtonDef IntroButtons[1] = {{nullptr, ID_INTRO_OK, 344, 420, 96, 46}};

ButtonDef PageButtons[kPageButtonDefs] = {
    {nullptr, ID_QUIT, 12, 12, 96, 45},      {nullptr, ID_PRINT, 318, 12, 79, 45},
    {nullptr, ID_CLEAR, 403, 12, 79, 45},    {nullptr, ID_INFO, 692, 12, 96, 45},
    {nullptr, ID_PAGE_UP, 267, 543, 53, 45}, {nullptr, ID_PAGE_DOWN, 480, 543, 53, 45},
};

// Four along the top, four along the bottom on each side of the middle
// buttons, and a column of ten down each side of the page.
ButtonDef SwatchButtons[kSwatchDefs] = {
    {nullptr, 2000, 114, 12, 45, 45},  {nullptr, 2001, 165, 12, 45, 45},  {nullptr, 2002, 216, 12, 45, 45},
    {nullptr, 2003, 267, 12, 45, 45},  {nullptr, 2004, 488, 12, 45, 45},  {nullptr, 2005, 539, 12, 45, 45},
    {nullptr, 2006, 590, 12, 45, 45},  {nullptr, 2007, 641, 12, 45, 45},  {nullptr, 2008, 62, 543, 45, 45},
    {nullptr, 2009, 114, 543, 45, 45}, {nullptr, 2010, 165, 543, 45, 45}, {nullptr, 2011, 216, 543, 45, 45},
    {nullptr, 2012, 539, 543, 45, 45}, {nullptr, 2013, 590, 543, 45, 45}, {nullptr, 2014, 641, 543, 45, 45},
    {nullptr, 2015, 692, 543, 45, 45}, {nullptr, 2016, 12, 84, 45, 45},   {nullptr, 2017, 12, 135, 45, 45},
    {nullptr, 2018, 12, 186, 45, 45},  {nullptr, 2019, 12, 237, 45, 45},  {nullptr, 2020, 12, 288, 45, 45},
    {nullptr, 2021, 12, 339, 45, 45},  {nullptr, 2022, 12, 390, 45, 45},  {nullptr, 2023, 12, 441, 45, 45},
    {nullptr, 2024, 12, 492, 45, 45},  {nullptr, 2025, 12, 543, 45, 45},  {nullptr, 2026, 743, 84, 45, 45},
    {nullptr, 2027, 743, 135, 45, 45}, {nullptr, 2028, 743, 186, 45, 45}, {nullptr, 2029, 743, 237, 45, 45},
    {nullptr, 2030, 743, 288, 45, 45}, {nullptr, 2031, 743, 339, 45, 45}, {nullptr, 2032, 743, 390, 45, 45},
    {nullptr, 2033, 743, 441, 45, 45}, {nullptr, 2034, 743, 492, 45, 45}, {nullptr, 2035, 743, 543, 45, 45},
};

namespace {
// The page buttons' bitmaps, indexed by command id - ID_QUIT.
const char* const kButtonUpNames[kPageButtonDefs] = {"QuitBtn", "PrintBtn", "ClearBtn", "InfoBtn", "UpBtn", "DownBtn"};
const char* const kButtonDownNames[kPageButtonDefs] = {"QuitBtnDn", "PrintBtnDn", "ClearBtnDn",
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
        bitmap = ScreenBitmap(MAKEINTRESOURCEA(kFirstSwatchBitmap + id - ID_SWATCH_FIRST));
        // The lower half is the selected look: the chosen colour, or the focused swatch.
        if (id == gScreen.selectedSwatchId || (item->itemState & ODS_FOCUS)) sourceY = 45;
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
