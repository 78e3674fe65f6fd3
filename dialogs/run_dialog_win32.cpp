#include "app/app_box.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/text.h"
#include "dialogs/dialogs.h"

HGLOBAL BuildDialogTemplate(int dialogNumber) {
    const LONG units = GetDialogBaseUnits();
    HGLOBAL block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, kDialogTemplateBytes);
    if (!block) return nullptr;
    auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
    const size_t length =
        bytes ? WriteDialogTemplate(DialogSpecs[dialogNumber], DialogItemLists[dialogNumber],
                                    DialogBaseUnits{LOWORD(units), HIWORD(units)}, bytes, kDialogTemplateBytes)
              : 0;
    GlobalUnlock(block);
    if (length == 0) {
        // A table that outgrew the block is refused rather than written past its end.
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

INT_PTR RunDialog(HWND owner, int dialogNumber, DLGPROC procedure) {
    HGLOBAL block = BuildDialogTemplate(dialogNumber);
    if (!block) {
        ShowAppBox("Insufficient memory.", LoadText(IDS_PROGRAM_CAPTION, 1), MB_OK, owner);
        return 0;
    }
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEA>(GlobalLock(block));
    const INT_PTR result = DialogBoxIndirectParamA(hInst, dialogTemplate, owner, procedure, 0);
    GlobalUnlock(block);
    GlobalFree(block);
    return result;
}
