#include "page/page_store.h"

#include <windows.h>

#include <cstdio>

#include "page/page_file.h"
#include "support/gmem.h"
#include "support/scoped_file.h"

namespace {
// An open file handle as a byte source or sink; the caller keeps the handle.
class HandleSource : public ByteSource {
public:
    explicit HandleSource(HANDLE file) : file_(file) {
        DWORD sizeHigh = 0;
        const DWORD sizeLow = GetFileSize(file, &sizeHigh);
        size_ = (uint64_t(sizeHigh) << 32) | sizeLow;
    }
    size_t Read(void* buffer, size_t bytes) override {
        DWORD got = 0;
        if (!ReadFile(file_, buffer, DWORD(bytes), &got, nullptr)) return 0;
        return got;
    }
    bool Seek(uint64_t offset) override {
        LONG high = LONG(offset >> 32);
        return SetFilePointer(file_, LONG(offset), &high, FILE_BEGIN) != INVALID_SET_FILE_POINTER ||
               GetLastError() == NO_ERROR;
    }
    uint64_t Size() const override { return size_; }

private:
    HANDLE file_;
    uint64_t size_;
};

class HandleSink : public ByteSink {
public:
    explicit HandleSink(HANDLE file) : file_(file) {}
    bool Write(const void* data, size_t bytes) override {
        DWORD written = 0;
        return WriteFile(file_, data, DWORD(bytes), &written, nullptr) && written == bytes;
    }

private:
    HANDLE file_;
};

// Another process reading the old file can make the replace fail for a moment.
bool ReplaceWithRetries(const char* from, const char* to) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        Sleep(10);
    }
    return false;
}

// "<name>.tmp" in a caller's buffer; false when the name is too long for it.
bool LeftoverName(const char* name, char (&temp)[MAX_PATH]) {
    return std::snprintf(temp, sizeof temp, "%s.tmp", name) < int(sizeof temp);
}
}  // namespace

PageLoadResult ReadPage(const char* name, uint16_t signature) {
    // lpDibClear is free while no clear or print runs: the new page is staged there.
    if (!lpDib || !lpDibClear) return PageLoadResult::NoMemory;
    ScopedFile file(CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file.IsOpen()) return PageLoadResult::Missing;
    HandleSource source(file);
    // The logical page palette is built from these same entries.
    PaletteColour palette[256];
    BuildPaletteEntries(palette);
    return ReadPageFile(source, signature, palette, gPageImage, lpDib, lpDibClear);
}

bool SavePage(const char* name) {
    if (!lpDib) return false;
    // A read-only page is the parent's way of keeping it as it is. Replacing it
    // by a rename would drop the mark on some systems: refuse, as Windows does.
    const DWORD attributes = GetFileAttributesA(name);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    // The new page goes to "<name>.tmp" beside the file; a save cut short leaves
    // at most that file behind, and the next save overwrites it.
    char temp[MAX_PATH];
    if (!LeftoverName(name, temp)) return false;
    // A read-only leftover is in the way as on Windows, even where the file
    // system would let its owner write over it.
    const DWORD tempAttributes = GetFileAttributesA(temp);
    if (tempAttributes != INVALID_FILE_ATTRIBUTES && (tempAttributes & FILE_ATTRIBUTE_READONLY)) return false;
    bool written;
    {
        ScopedFile file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsOpen()) return false;
        HandleSink sink(file);
        written = WritePageFile(gPageImage, lpDib, sink) && FlushFileBuffers(file);
    }  // closed before it replaces the page
    if (written && ReplaceWithRetries(temp, name)) return true;
    DeleteFileA(temp);
    return false;
}

void RemoveLeftoverSave(const char* name) {
    char temp[MAX_PATH];
    if (LeftoverName(name, temp)) DeleteFileA(temp);  // a directory or read-only file stays
}
