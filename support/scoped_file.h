// Scoped ownership of a file handle, with the same owner template as the GDI
// guards: the handle is closed once, when the scope ends.
#pragma once

#include <windows.h>

#include "support/scoped_gdi.h"

// A file opened by this scope. CreateFile reports failure with
// INVALID_HANDLE_VALUE rather than null: the guard then holds nothing.
class ScopedFile : public ScopedHandle<HANDLE, CloseHandle> {
public:
    explicit ScopedFile(HANDLE file) : ScopedHandle(file == INVALID_HANDLE_VALUE ? nullptr : file) {}
    bool IsOpen() const { return get() != nullptr; }
};
