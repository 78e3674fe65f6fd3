// The program's ids and screen geometry, in one place. The C++ code includes this
// file, the resource scripts include it (windres preprocesses it), and the
// resource generators read it (tools/resources/idsfile.py), so it keeps to a form
// all three understand:
//   - blank lines, // comments and #pragma once;
//   - #define NAME VALUE, where VALUE is a whole number (decimal or 0x hex), a
//     name defined above, or a parenthesised sum, difference or product of those;
//   - #define TABLE_ROWS \ followed by rows ROW(value, value, ...) \ with the
//     same kind of values, one row per line; the table ends at a line without \.
// A table is expanded by defining its row macro first, for example
//   #define BUTTON(id, x, y, width, height) {nullptr, id, x, y, width, height},
#pragma once

// Screen geometry in pixels, origin at the top-left of the window.
#define SCREEN_W 800
#define SCREEN_H 600
#define FRAME_W 70  // each frame strip: top and bottom rows, left and right columns
#define PAGE_X 70   // the page area: client (x, y) is page pixel (x - PAGE_X, y - PAGE_Y)
#define PAGE_Y 70
#define PAGE_W 660
#define PAGE_H 460
#define TITLE_X 330  // the page-name strip; the Titles bitmap holds one TITLE_H strip per page
#define TITLE_Y 561
#define TITLE_W 140
#define TITLE_H 10

// The intro card, its shadow, and its pictures relative to the card's top-left.
#define CARD_X 216
#define CARD_Y 120
#define CARD_SIZE 360
#define CARD_SHADOW 8  // width of the shadow along the right side and the bottom
#define INTRO_PICTURE_X 14
#define INTRO_PICTURE_Y 14
#define INTRO_CREDIT_X 19
#define INTRO_CREDIT_Y 234

// Command ids of the buttons: the page buttons run from ID_QUIT to ID_PAGE_DOWN
// in the order of their bitmaps, swatch ID_SWATCH_FIRST + k shows colour k + 1.
#define ID_QUIT 1001
#define ID_PRINT 1002
#define ID_CLEAR 1003
#define ID_INFO 1004
#define ID_PAGE_UP 1005
#define ID_PAGE_DOWN 1006
#define ID_INTRO_OK 1007
#define ID_SWATCH_FIRST 2000
#define SWATCH_COUNT 36
#define ID_SWATCH_LAST (ID_SWATCH_FIRST + SWATCH_COUNT - 1)
#define PAGE_BUTTON_COUNT (ID_PAGE_DOWN - ID_QUIT + 1)

// Swatch k is drawn from bitmap IDB_SWATCH_FIRST + k: SWATCH_SIZE square, the
// unselected look in the upper half and the selected look in the lower half.
#define IDB_SWATCH_FIRST 101
#define SWATCH_SIZE 45

// The intro OK button, on the card: BUTTON(id, x, y, width, height).
#define INTRO_BUTTON_ROWS \
    BUTTON(ID_INTRO_OK, 344, 420, 96, 46)

// The page buttons, in command-id order.
#define PAGE_BUTTON_ROWS \
    BUTTON(ID_QUIT, 12, 12, 96, 45) \
    BUTTON(ID_PRINT, 318, 12, 79, 45) \
    BUTTON(ID_CLEAR, 403, 12, 79, 45) \
    BUTTON(ID_INFO, 692, 12, 96, 45) \
    BUTTON(ID_PAGE_UP, 267, 543, 53, 45) \
    BUTTON(ID_PAGE_DOWN, 480, 543, 53, 45)

// The swatches, SWATCH(k, x, y) for k = 0 .. SWATCH_COUNT - 1: four along the top
// and four along the bottom on each side of the middle buttons, then a column of
// ten down each side of the page.
#define SWATCH_ROWS \
    SWATCH(0, 114, 12) \
    SWATCH(1, 165, 12) \
    SWATCH(2, 216, 12) \
    SWATCH(3, 267, 12) \
    SWATCH(4, 488, 12) \
    SWATCH(5, 539, 12) \
    SWATCH(6, 590, 12) \
    SWATCH(7, 641, 12) \
    SWATCH(8, 62, 543) \
    SWATCH(9, 114, 543) \
    SWATCH(10, 165, 543) \
    SWATCH(11, 216, 543) \
    SWATCH(12, 539, 543) \
    SWATCH(13, 590, 543) \
    SWATCH(14, 641, 543) \
    SWATCH(15, 692, 543) \
    SWATCH(16, 12, 84) \
    SWATCH(17, 12, 135) \
    SWATCH(18, 12, 186) \
    SWATCH(19, 12, 237) \
    SWATCH(20, 12, 288) \
    SWATCH(21, 12, 339) \
    SWATCH(22, 12, 390) \
    SWATCH(23, 12, 441) \
    SWATCH(24, 12, 492) \
    SWATCH(25, 12, 543) \
    SWATCH(26, 743, 84) \
    SWATCH(27, 743, 135) \
    SWATCH(28, 743, 186) \
    SWATCH(29, 743, 237) \
    SWATCH(30, 743, 288) \
    SWATCH(31, 743, 339) \
    SWATCH(32, 743, 390) \
    SWATCH(33, 743, 441) \
    SWATCH(34, 743, 492) \
    SWATCH(35, 743, 543)

// The string table: message texts, the same in every edition.
#define IDS_STARTUP_CAPTION 1
#define IDS_TIMER_FAILED 2
#define IDS_DISPLAY_TOO_SMALL 3
#define IDS_DISPLAY_CAPTION 4
#define IDS_PROGRAM_CAPTION 5
#define IDS_NOT_A_BITMAP 6
#define IDS_NOT_A_PAGE 7
#define IDS_PAGE_MISSING 8
#define IDS_ALL_PAGES_MISSING 9
#define IDS_PAGE_NOT_SAVED 10
#define IDS_PAGES_NOT_FOUND 11

// The wave sounds, resources WAVE 1 to WAVE_COUNT.
#define WAVE_FILL_FIRST 1  // a fill starts with one of four, WAVE_FILL_FIRST + 0..3
#define WAVE_FILL_LOOP 5   // a fill that goes on
#define WAVE_CLEAR_LOOP 6  // a clear that goes on
#define WAVE_CLEAR 7       // a clear starts
#define WAVE_SWATCH 8      // a colour is picked
#define WAVE_COUNT 8

// The interface timer and the main window's private messages (WM_USER + 1000,
// + 1002, + 1004).
#define TIMER_ID_UI 1
#define MSG_CREATE_PAGE_CONTROLS (0x0400 + 1000)
#define MSG_CREATE_INTRO_BUTTON (0x0400 + 1002)
#define MSG_HAND_ON_INPUT (0x0400 + 1004)  // input a repaint took out of the queue goes on
