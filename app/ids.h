// Command, control, timer, message and string ids shared by the window code.
#pragma once

enum CommandId {
    ID_QUIT = 1001,
    ID_PRINT = 1002,
    ID_CLEAR = 1003,
    ID_INFO = 1004,
    ID_PAGE_UP = 1005,
    ID_PAGE_DOWN = 1006,
    ID_INTRO_OK = 1007,
    ID_SWATCH_FIRST = 2000,
    ID_SWATCH_LAST = 2035,
};

constexpr int kSwatchCount = 36;
constexpr int kFirstSwatchBitmap = 101;  // swatch 2000 + k uses bitmap 101 + k

constexpr unsigned TIMER_ID_UI = 1;
constexpr unsigned kUiTimerPeriod = 50;

// Private messages of the main window (WM_USER + 1000, WM_USER + 1002).
constexpr unsigned MSG_CREATE_PAGE_CONTROLS = 0x0400 + 1000;
constexpr unsigned MSG_CREATE_INTRO_BUTTON = 0x0400 + 1002;

// The string table (the same in every edition).
enum TextId {
    IDS_STARTUP_CAPTION = 1,
    IDS_TIMER_FAILED = 2,
    IDS_DISPLAY_TOO_SMALL = 3,
    IDS_DISPLAY_CAPTION = 4,
    IDS_PROGRAM_CAPTION = 5,
    IDS_NOT_A_BITMAP = 6,
    IDS_NOT_A_PAGE = 7,
    IDS_PAGE_MISSING = 8,
    IDS_ALL_PAGES_MISSING = 9,
    IDS_PAGE_NOT_SAVED = 10,
};
