#include "dialogs/print_option.h"

#include <windows.h>

#include "support/scoped_file.h"

int32_t PrintOption = 0;

namespace {
const char kSettingsFile[] = "printer.dta";

// Opens the settings file for reading and writing with other writers denied,
// or creates it (which also empties a file of that name that it can open).
HANDLE OpenOrCreate(bool* created) {
    HANDLE file = CreateFileA(kSettingsFile, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    *created = file == INVALID_HANDLE_VALUE;
    if (*created)
        file = CreateFileA(kSettingsFile, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file;
}

void WriteOption(HANDLE file) {
    const uint8_t bytes[4] = {uint8_t(PrintOption), uint8_t(PrintOption >> 8), uint8_t(PrintOption >> 16),
                              uint8_t(PrintOption >> 24)};
    DWORD written = 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    WriteFile(file, bytes, sizeof bytes, &written, nullptr);
}
}  // namespace

void LoadPrintOption() {
    PrintOption = 0;
    bool created;
    ScopedFile file(OpenOrCreate(&created));
    if (!file.IsOpen()) return;
    if (created) WriteOption(file);
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    uint8_t bytes[4] = {0, 0, 0, 0};
    DWORD read = 0;
    ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    PrintOption = int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                          uint32_t(bytes[3]) << 24);
}

void StorePrintOption() {
    bool created;
    ScopedFile file(OpenOrCreate(&created));
    if (file.IsOpen()) WriteOption(file);
}
