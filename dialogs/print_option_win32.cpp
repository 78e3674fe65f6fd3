#include "dialogs/print_option.h"

#include <windows.h>

int32_t PrintOption = 0;

namespace {
const char kSettingsFile[] = "printer.dta";

// Opens the settings file for reading and writing with other writers denied,
// or creates it (which also empties a file of that name that it can open).
HFILE OpenOrCreate(bool* created) {
    HFILE file = _lopen(kSettingsFile, OF_READWRITE | OF_SHARE_DENY_WRITE);
    *created = false;
    if (file == HFILE_ERROR) {
        file = _lcreat(kSettingsFile, 0);
        *created = true;
    }
    return file;
}
}  // namespace

void LoadPrintOption() {
    PrintOption = 0;
    bool created;
    HFILE file = OpenOrCreate(&created);
    if (file == HFILE_ERROR) return;
    if (created) _lwrite(file, reinterpret_cast<LPCCH>(&PrintOption), sizeof PrintOption);
    _llseek(file, 0, FILE_BEGIN);
    uint8_t bytes[4] = {0, 0, 0, 0};
    _lread(file, bytes, sizeof bytes);
    PrintOption = int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                          uint32_t(bytes[3]) << 24);
    _lclose(file);
}

void StorePrintOption() {
    bool created;
    HFILE file = OpenOrCreate(&created);
    if (file == HFILE_ERROR) return;
    const uint8_t bytes[4] = {uint8_t(PrintOption), uint8_t(PrintOption >> 8), uint8_t(PrintOption >> 16),
                              uint8_t(PrintOption >> 24)};
    _lwrite(file, reinterpret_cast<LPCCH>(bytes), sizeof bytes);
    _lclose(file);
}
