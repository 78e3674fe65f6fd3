#include "app/app_box.h"

#include "app/globals.h"
#include "app/ids.h"
#include "app/text.h"

int ShowProgramBox(unsigned textId, UINT type) {
    const char* text = LoadText(textId, 0);
    const char* caption = LoadText(IDS_PROGRAM_CAPTION, 1);
    return MessageBoxA(hwndMain, text, caption, type);
}
