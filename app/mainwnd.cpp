#include "app/mainwnd.h"

#include "app/app_box.h"
#include "app/busy.h"
#include "app/controls.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/input.h"
#include "app/page_files.h"
#include "app/page_folder.h"
#include "app/painting.h"
#include "app/screen_draw.h"
#include "app/startup.h"
#include "app/surface.h"
#include "app/undo.h"
#include "dialogs/dialogs.h"
#include "dialogs/print.h"
#include "dialogs/print_option.h"
#include "editions/edition.h"
#include "page/draw.h"
#include "page/palette.h"
#include "sound/music.h"
#include "sound/sounds.h"

namespace {

constexpr DWORD kPressMillis = 125;

LRESULT OnMainCreate(HWND window) {
    BuildPagePalette(window);
    gScreen.arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
    gScreen.editCursor = LoadCursorA(hInst, "EditCursor");
    gScreen.waitCursor = LoadCursorA(nullptr, IDC_WAIT);
    gScreen.currentCursor = gScreen.arrowCursor;
    return 0;
}

// Saves the page the child is colouring, if one has been loaded.
void SaveCurrentPage(bool quietly = false) {
    if (gScreen.screenPhase == PHASE_COLOURING && gScreen.pageLoaded)
        SavePageOrSay(PageName(gScreen.pageIndex), quietly);
}

// The first page that loads, from the current index upward. False when none
// does: the program has then been shut down. A folder without any page file is
// one cause, told once, not once for each of the fifty pages.
bool LoadFirstPage() {
    if (!AnyPageFileHere()) {
        SayNoPagesFound();
        ShutdownApp(hwndMain);
        return false;
    }
    while (!LoadPage(PageName(gScreen.pageIndex))) {
        if (gScreen.pageIndex == kPageCount - 1) {
            ShowProgramBox(IDS_ALL_PAGES_MISSING, MB_OK);
            ShutdownApp(hwndMain);
            return false;
        }
        ++gScreen.pageIndex;
    }
    gScreen.pageLoaded = true;
    return true;
}

void PaintPageScreen(HWND window, HDC dc) {
    DestroyIntroButton();
    // Input given from here until the screen is up has no effect; input given
    // before, still waiting in the queue, is kept.
    const DWORD composingFrom = GetTickCount();
    const bool wasEnabled = IsWindowEnabled(hwndMain) != FALSE;
    EnableWindow(hwndMain, FALSE);
    {
        OffscreenSurface surface(dc, kScreenWidth, kScreenHeight);
        DrawBorder(surface.Context());
        DrawPage(surface.Context(), kPageLeft, kPageTop);
        DrawTitleStrip(surface.Context(), gScreen.pageIndex);
        surface.CopyTo(dc, 0, 0);
    }
    switch (ProgramInputBar()) {
    case InputBar::None:
    case InputBar::Disabled:
        EnableWindow(hwndMain, TRUE);
        DiscardInputGivenSince(hwndMain, composingFrom);
        SetFocus(window);
        break;
    case InputBar::Painting:
    case InputBar::PrintJob:
        // A paint inside a fill, a clear or a print job leaves the window disabled
        // until it ends; all input given meanwhile goes.
        EnableWindow(hwndMain, wasEnabled);
        DiscardQueuedInput(hwndMain);
        break;
    case InputBar::Dialog:
    case InputBar::MessageBox:
        // A dialog or a message box over the screen keeps the input, the focus and
        // the window disabled as it set them.
        EnableWindow(hwndMain, wasEnabled);
        break;
    }
}

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (gScreen.screenPhase == PHASE_COLOURING) PaintPageScreen(window, dc);
    if (gScreen.screenPhase == PHASE_INTRO_PENDING) {
        gScreen.screenPhase = PHASE_INTRO_SHOWN;
        PostMessageA(hwndMain, MSG_CREATE_INTRO_BUTTON, 0, 0);
    }
    if (gScreen.screenPhase != PHASE_COLOURING) DrawIntroScreen(dc);
    EndPaint(window, &ps);

    if (gScreen.screenPhase == PHASE_INTRO_DISMISSED) {
        gScreen.screenPhase = PHASE_COLOURING;
        PostMessageA(hwndMain, MSG_CREATE_PAGE_CONTROLS, 0, 0);
        if (!LoadFirstPage()) return 0;
        // A failed page's box let the page screen paint before a page was there.
        if (gScreen.pageIndex != 0) InvalidateRect(hwndMain, nullptr, FALSE);
        gScreen.currentCursor = gScreen.editCursor;
        SetCursor(gScreen.currentCursor);
    }
    return 0;
}

LRESULT OnIntroOk(HWND window) {
    LoadPrintOption();
    EnableWindow(hwndMain, FALSE);
    gScreen.inputBlocked = false;
    gScreen.screenPhase = PHASE_INTRO_DISMISSED;
    InvalidateRect(hwndMain, nullptr, FALSE);
    return 0;
}

// Paints a button now, in the state it has.
void RepaintButton(HWND button) {
    InvalidateRect(button, nullptr, FALSE);
    UpdateWindow(button);
}

// Shows a short press on a button, then posts its command. The intro OK button
// may not exist yet: the command is posted all the same.
void PressButton(HWND button, int commandId, bool quitKey = false) {
    if (button) {
        SendMessageA(button, BM_SETSTATE, TRUE, 0);
        RepaintButton(button);  // the busy wait handles no messages: paint now
    }
    // Painted once more halfway: a window system that holds back the drawing of a
    // program that has just been idle shows it at the end of this later paint.
    BusyWait(kPressMillis / 2);
    if (button) RepaintButton(button);
    BusyWait(kPressMillis - kPressMillis / 2);
    if (button) {
        SendMessageA(button, BM_SETSTATE, FALSE, 0);
        RepaintButton(button);
    }
    if (quitKey) BusyWait(kPressMillis);
    PostMessageA(hwndMain, WM_COMMAND, commandId, 0);
}

LRESULT OnChar(HWND window, WPARAM character) {
    if (gScreen.screenPhase == PHASE_COLOURING) {
        switch (character) {
        case 'Q': case 'q': PressButton(ButtonWindow(ID_QUIT), ID_QUIT, true); break;
        case 'P': case 'p': PressButton(ButtonWindow(ID_PRINT), ID_PRINT); break;
        case 'C': case 'c': PressButton(ButtonWindow(ID_CLEAR), ID_CLEAR); break;
        case 'I': case 'i': PressButton(ButtonWindow(ID_INFO), ID_INFO); break;
        }
    }
    SetFocus(window);
    return 0;
}

LRESULT OnKeyDown(HWND window, WPARAM key) {
    if (OnUndoKey(key)) return 0;
    const bool colouring = gScreen.screenPhase == PHASE_COLOURING;
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        if (!colouring) PressButton(ButtonWindow(ID_INTRO_OK), ID_INTRO_OK);
        break;
    case VK_PRIOR:
    case VK_UP:
    case VK_LEFT:  // the page buttons' arrows point left and right
        if (colouring) PressButton(ButtonWindow(ID_PAGE_UP), ID_PAGE_UP);
        break;
    case VK_NEXT:
    case VK_DOWN:
    case VK_RIGHT:
        if (colouring) PressButton(ButtonWindow(ID_PAGE_DOWN), ID_PAGE_DOWN);
        break;
    }
    return 0;
}

LRESULT OnMouseMove(HWND window, LPARAM lParam) {
    if (gScreen.screenPhase != PHASE_COLOURING) return 0;
    const unsigned x = LOWORD(lParam), y = HIWORD(lParam);
    const bool overPage = x >= kPageLeft && x < kPageLeft + kPageAreaWidth && y >= kPageTop &&
                          y < kPageTop + kPageAreaHeight;
    gScreen.currentCursor = overPage ? gScreen.editCursor : gScreen.arrowCursor;
    SetCursor(gScreen.currentCursor);
    return 0;
}

LRESULT OnSwatch(int id) {
    HWND previous = ButtonWindow(gScreen.selectedSwatchId);
    PlaySoundOnce(WAVE_SWATCH);
    gScreen.selectedSwatchId = id;
    // Pressing and releasing the old swatch repaints it in its unselected look.
    if (previous) {
        SendMessageA(previous, BM_SETSTATE, TRUE, 0);
        SendMessageA(previous, BM_SETSTATE, FALSE, 0);
    }
    return 0;
}

void QuitProgram(HWND window) {
    StopMusic();
    SaveCurrentPage();
    EndPageHistory();
    DestroyWindow(window);
}

LRESULT OnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id >= ID_SWATCH_FIRST && id <= ID_SWATCH_LAST) {
        // A click leaves the focus on the swatch: give it back, so keys work at once.
        OnSwatch(id);
        SetFocus(window);
        return 0;
    }
    switch (id) {
    case ID_QUIT:
        QuitProgram(window);
        return 0;
    case ID_PRINT:
        PrintPage(hInst, window);
        SetFocus(window);
        return 1;
    case ID_CLEAR:
        return OnClearPage(window);
    case ID_INFO:
        RunDialog(window, DIALOG_INFO, InfoDialogProc);
        SetFocus(window);
        return 1;
    case ID_PAGE_UP:
        return OnPreviousPage(window);
    case ID_PAGE_DOWN:
        return OnNextPage(window);
    case ID_INTRO_OK:
        return OnIntroOk(window);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        hwndMain = window;
        return OnMainCreate(window);
    case WM_DESTROY:
        return ShutdownApp(hwndMain);
    case WM_CLOSE:
        // Closed another way than Quit (Alt+F4, the task list): keep the colouring.
        // Never in the middle of a fill, a clear or a print job: at its end.
        if (LongActionRunning())
            AskQuitAfterLongAction();
        else
            QuitProgram(window);
        return 0;
    case WM_QUERYENDSESSION:
        SaveCurrentPage(true);  // no box may hold up the end of the session
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) SaveCurrentPage(true);
        return 0;
    case WM_SETFOCUS:
        SetCursor(gScreen.currentCursor);
        return 0;
    case WM_KILLFOCUS:
        return 0;
    case WM_PAINT:
        return OnPaint(window);
    case WM_ACTIVATEAPP:
        OnActivateApp(wParam != 0);
        return 0;
    case WM_SETCURSOR:
        SetCursor(gScreen.currentCursor);
        if (ProgramInputBar() == InputBar::None) SetFocus(window);  // never away from a box or dialog
        return 0;
    case WM_DRAWITEM:
        return DrawButtonItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_KEYDOWN:
        return OnKeyDown(window, wParam);
    case WM_CHAR:
        return OnChar(window, wParam);
    case WM_COMMAND:
        return OnCommand(window, message, wParam, lParam);
    case WM_TIMER:
        return 0;
    case WM_MOUSEMOVE:
        if (GetFocus() != window) SetFocus(window);
        return OnMouseMove(window, lParam);
    case WM_LBUTTONDOWN:
        return OnPageClick(window, message, wParam, lParam);
    case MSG_CREATE_PAGE_CONTROLS:
        return CreatePageControls(window);
    case MSG_CREATE_INTRO_BUTTON:
        return CreateIntroButton(window);
    case MSG_HAND_ON_INPUT:
        HandOnHeldInput();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!MainWindowTakes(message)) return 0;
    const LRESULT result = Dispatch(window, message, wParam, lParam);
    // A quit asked for during a fill, a clear or a print job, once it has ended.
    if (TakeQuitAfterLongAction()) QuitProgram(window);
    return result;
}
