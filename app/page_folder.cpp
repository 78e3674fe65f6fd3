#include "app/page_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>

#include "app/app_box.h"
#include "app/ids.h"
#include "app/text.h"
#include "editions/edition.h"

namespace {

bool IsFile(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Any of the edition's pages in folder ("" for the current one).
bool AnyPageFileIn(const char* folder) {
    for (int i = 0; i < kPageCount; ++i) {
        char path[MAX_PATH];
        const int length = *folder ? std::snprintf(path, sizeof path, "%s\\%s", folder, PageName(i))
                                   : std::snprintf(path, sizeof path, "%s", PageName(i));
        if (length > 0 && length < int(sizeof path) && IsFile(path)) return true;
    }
    return false;
}

// Documents\Tintwell\<edition folder> of the user running the program; false when
// the user has no Documents folder or the path does not fit.
bool DocumentsPageFolder(char (&path)[MAX_PATH]) {
    char documents[MAX_PATH];
    char edition[64];
    if (SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents) != S_OK) return false;
    if (!EditionFolderName(gEdition, edition, sizeof edition)) return false;
    const int length = std::snprintf(path, sizeof path, "%s\\Tintwell\\%s", documents, edition);
    return length > 0 && length < int(sizeof path);
}

}  // namespace

bool AnyPageFileHere() { return AnyPageFileIn(""); }

void ChoosePageFolder() {
    if (AnyPageFileHere()) return;
    char folder[MAX_PATH];
    if (DocumentsPageFolder(folder) && AnyPageFileIn(folder)) SetCurrentDirectoryA(folder);
}

void SayNoPagesFound() {
    char here[MAX_PATH];
    char documents[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(sizeof here, here);
    if (length == 0 || length >= sizeof here || !DocumentsPageFolder(documents)) {
        ShowProgramBox(IDS_ALL_PAGES_MISSING, MB_OK);
        return;
    }
    char text[3 * MAX_PATH];
    std::snprintf(text, sizeof text, LoadText(IDS_PAGES_NOT_FOUND, 0), here, documents);
    ShowProgramBoxText(text, MB_OK);
}
