// The dialog procedures of the Info dialog, the About box and the Printing
// Options dialog: picture cards painted from bitmaps, with owner-drawn buttons.
#include "app/globals.h"
#include "app/screen_draw.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/dialogs.h"
#include "dialogs/fonts.h"
#include "dialogs/print_option.h"

namespace {

// The two colour messages of a dialog and its statics.
bool IsColourMessage(UINT message) { return message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC; }

void SetControlFont(HWND dialog, int id, HFONT font) {
    SendDlgItemMessageA(dialog, id, WM_SETFONT, WPARAM(font), 0);
}

void PaintButton(LPARAM lParam, const char* pressed, const char* released) {
    DrawOwnerButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), pressed, released);
}

// The About box and the Printing Options dialog: the wooden card with its text
// frame, and an OK button.
int PaintTextCard(HDC dc) {
    DrawBitmapAt(dc, "IntroBackGrd", 0, 0);
    return DrawBitmapAt(dc, "AboutTextFrame", 18, 20);
}

INT_PTR PaintOkButton(WPARAM wParam, LPARAM lParam) {
    if (wParam == IDOK_BUTTON) PaintButton(lParam, "OKButtonDown", "OKButtonUp");
    return FALSE;
}

// Reads the radio buttons and keeps the first checked choice; none checked
// keeps the value there was. The file is written on every OK.
void StoreChoice(HWND dialog) {
    for (int id = IDC_PRINT_DEFAULT; id <= IDC_PRINT_ALTERNATE_2; ++id)
        if (SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            PrintOption = id - IDC_PRINT_DEFAULT;
            break;
        }
    StorePrintOption();
}

}  // namespace

void CentreDialog(HWND dialog, int dialogNumber) {
    RECT r;
    GetWindowRect(dialog, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    MoveWindow(dialog, (kScreenWidth - w) / 2, (kScreenHeight - h) / 2, w, h, FALSE);
    if (dialogNumber < 0 || dialogNumber >= kDialogTableSize) return;
    for (const DialogItemSpec* item = DialogItemLists[dialogNumber]; item && item->className; ++item)
        SetControlFont(dialog, item->id, BoldFonts.Font(1));
}

HBRUSH SetDialogTextColours(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));  // a stock object: nothing to delete
}

INT_PTR CALLBACK InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsColourMessage(message)) return INT_PTR(SetDialogTextColours(HDC(wParam)));
    switch (message) {
    case WM_INITDIALOG:
        CentreDialog(dialog, DIALOG_INFO);
        gScreen.inputBlocked = true;  // the main window drops input until Done
        return TRUE;
    case WM_ERASEBKGND:
        return DrawBitmapAt(HDC(wParam), "IntroBackGrd", 0, 0);
    case WM_DRAWITEM:
        switch (wParam) {
        case IDC_ABOUT: PaintButton(lParam, "AboutDown", "AboutUp"); break;
        case IDC_PRINT_OPTIONS: PaintButton(lParam, "PrintOptDown", "PrintOptUp"); break;
        case IDC_DONE: PaintButton(lParam, "DoneBtnDown", "DoneBtnUp"); break;
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_DONE:
        case IDC_ESCAPE:
            EndDialog(dialog, LOWORD(wParam));
            gScreen.inputBlocked = false;
            return TRUE;
        case IDC_ABOUT:
            RunDialog(dialog, DIALOG_ABOUT, AboutDialogProc);
            return TRUE;
        case IDC_PRINT_OPTIONS:
            RunDialog(dialog, DIALOG_PRINT_OPTIONS, PrintOptionsDialogProc);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsColourMessage(message)) return INT_PTR(SetDialogTextColours(HDC(wParam)));
    switch (message) {
    case WM_INITDIALOG:
        CentreDialog(dialog, -1);
        // The version and copyright lines keep the dialog's own font.
        SetControlFont(dialog, IDC_ABOUT_HEADING, BoldFonts.Font(3));
        SetControlFont(dialog, IDC_ABOUT_WEB, BoldFonts.Font(3));
        SetControlFont(dialog, IDC_ABOUT_MAKER, RegularFonts.Font(1));
        SetControlFont(dialog, IDC_ABOUT_ADDRESS, RegularFonts.Font(1));
        SetControlFont(dialog, IDC_ABOUT_PICTURES, RegularFonts.Font(1));
        SetControlFont(dialog, IDC_ABOUT_MUSIC, RegularFonts.Font(1));
        SetControlFont(dialog, IDC_ABOUT_MAKER_AND_ADDRESS, RegularFonts.Font(0));
        return TRUE;
    case WM_ERASEBKGND:
        return PaintTextCard(HDC(wParam));
    case WM_DRAWITEM:
        return PaintOkButton(wParam, lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK_BUTTON && LOWORD(wParam) != IDC_ESCAPE) return FALSE;
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK PrintOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsColourMessage(message)) return INT_PTR(SetDialogTextColours(HDC(wParam)));
    switch (message) {
    case WM_INITDIALOG:
        CentreDialog(dialog, DIALOG_PRINT_OPTIONS);
        // A stored value other than the three choices checks none.
        if (PrintOption >= 0 && PrintOption <= 2)
            CheckRadioButton(dialog, IDC_PRINT_DEFAULT, IDC_PRINT_ALTERNATE_2, IDC_PRINT_DEFAULT + PrintOption);
        return TRUE;
    case WM_ERASEBKGND:
        PaintTextCard(HDC(wParam));
        return DrawBitmapAt(HDC(wParam), "PrintOptions", 54, 82);
    case WM_DRAWITEM:
        return PaintOkButton(wParam, lParam);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PRINT_DEFAULT:
        case IDC_PRINT_ALTERNATE_1:
        case IDC_PRINT_ALTERNATE_2:
            CheckRadioButton(dialog, IDC_PRINT_DEFAULT, IDC_PRINT_ALTERNATE_2, LOWORD(wParam));
            return TRUE;
        case IDOK_BUTTON:
            StoreChoice(dialog);
            EndDialog(dialog, IDOK_BUTTON);
            return TRUE;
        case IDC_ESCAPE:
            EndDialog(dialog, IDC_ESCAPE);  // the option and the file stay as they were
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
