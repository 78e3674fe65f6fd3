// Scoped ownership of the GDI state a drawing borrows. Each guard undoes one
// step when its scope ends, in reverse order of the steps, so an object is
// always deselected before it is deleted and a context is given back once.
// A guard given a null handle does nothing.
#pragma once

#include <windows.h>

// A window's device context, released at the end.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedGetDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A handle made by this scope and released once with `Release` at the end.
template <typename Handle, BOOL(WINAPI* Release)(Handle)>
class ScopedHandle {
public:
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ~ScopedHandle() {
        if (handle_) Release(handle_);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    Handle get() const { return handle_; }
    operator Handle() const { return handle_; }

private:
    Handle handle_;
};

// A GDI object (bitmap, brush, pen, font) made by this scope and deleted at the
// end. Declare it before any guard that selects it, so it outlives the selection.
using ScopedGdiObject = ScopedHandle<HGDIOBJ, DeleteObject>;

// A device context made for this scope (a printer's), deleted at the end.
using ScopedCreatedDC = ScopedHandle<HDC, DeleteDC>;

// A memory context compatible with another, deleted at the end.
class ScopedMemoryDC : public ScopedHandle<HDC, DeleteDC> {
public:
    explicit ScopedMemoryDC(HDC reference) : ScopedHandle(CreateCompatibleDC(reference)) {}
};

// An object (bitmap, brush, pen, font) selected into a context; the one it
// replaced is selected back at the end. The caller still owns the object.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A palette selected into a context in the foreground and realized; the one it
// replaced is selected back at the end.
class ScopedSelectPalette {
public:
    ScopedSelectPalette(HDC dc, HPALETTE palette)
        : dc_(dc), previous_(dc && palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
        if (previous_) RealizePalette(dc);
    }
    ~ScopedSelectPalette() {
        if (previous_) SelectPalette(dc_, previous_, FALSE);
    }
    ScopedSelectPalette(const ScopedSelectPalette&) = delete;
    ScopedSelectPalette& operator=(const ScopedSelectPalette&) = delete;

private:
    HDC dc_;
    HPALETTE previous_;
};
