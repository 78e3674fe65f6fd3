#include "app/page_files.h"

#include <windows.h>

#include <cstdio>

#include "app/app_box.h"
#include "app/ids.h"
#include "app/text.h"
#include "editions/edition.h"
#include "page/page_store.h"

namespace {
void ShowNamedBox(unsigned textId, const char* name, UINT type) {
    char text[MAX_PATH + 512];
    std::snprintf(text, sizeof text, LoadText(textId, 0), name);
    ShowProgramBoxText(text, type);
}
}  // namespace

bool LoadPage(const char* name) {
    const PageLoadResult result = ReadPage(name, gEdition.pageSignature);
    if (result == PageLoadResult::Loaded) return true;
    if (result == PageLoadResult::NoMemory) return false;  // the low-memory box has spoken already
    if (result == PageLoadResult::Missing)
        ShowNamedBox(IDS_PAGE_MISSING, name, MB_OK | MB_ICONEXCLAMATION);
    else
        ShowProgramBox(IDS_NOT_A_PAGE, MB_OK);
    return false;
}

bool SavePageOrSay(const char* name, bool quietly) {
    if (SavePage(name)) return true;
    if (!quietly) ShowNamedBox(IDS_PAGE_NOT_SAVED, name, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void RemoveLeftoverSaves() {
    for (int i = 0; i < kPageCount; ++i) RemoveLeftoverSave(PageName(i));
}
