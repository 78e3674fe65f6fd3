// The program's three dialogs, described by tables in the program's own data
// and turned into dialog templates (the Windows DLGTEMPLATE / DLGITEMTEMPLATE
// layout) when one is opened. No Windows headers: the byte writer is tested natively.
#pragma once

#include <cstddef>
#include <cstdint>

struct EditionInfo;

enum DialogNumber {
    DIALOG_INFO = 1,
    DIALOG_PRINT_OPTIONS = 2,
    DIALOG_ABOUT = 3,
};
constexpr int kDialogTableSize = 4;  // indexed by dialog number; entry 0 is unused

// Every template is built in a block of this size; a table that outgrows it is refused.
constexpr size_t kDialogTemplateBytes = 4096;

// Sizes and positions are in template units of two screen pixels.
struct DialogSpec {
    uint32_t style;
    uint16_t x, y;     // written unchanged
    uint16_t cx, cy;   // converted with the base units
    const char16_t* menu;
    const char16_t* windowClass;
    const char16_t* caption;
    uint16_t pointSize;        // only with DS_SETFONT in the style
    const char16_t* fontName;  // only with DS_SETFONT in the style
};

struct DialogItemSpec {
    int32_t x, y, cx, cy;
    int32_t id;                   // the template holds its low 16 bits
    uint32_t style;               // WS_CHILD is added when the template is built
    const char16_t* className;    // null ends a list
    const char16_t* text;
};

extern const DialogSpec DialogSpecs[kDialogTableSize];

// One list per dialog number, each ended by an entry without className; filled
// by FillDialogItemLists before the first dialog opens.
extern const DialogItemSpec* DialogItemLists[kDialogTableSize];

// Fills DialogItemLists for an edition: the About box's lines are the edition's.
void FillDialogItemLists(const EditionInfo& edition);

// The platform's dialog base units (GetDialogBaseUnits: low word x, high word y).
struct DialogBaseUnits {
    int x, y;
};

// Writes the template of a dialog into out[0..capacity) and returns its length
// in bytes, or 0 when it would not fit (nothing past capacity is ever written)
// or the base units are zero.
size_t WriteDialogTemplate(const DialogSpec& dialog, const DialogItemSpec* items, DialogBaseUnits units,
                           uint8_t* out, size_t capacity);
