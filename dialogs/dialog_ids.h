// Control ids of the three dialogs.
#pragma once

enum DialogControlId {
    IDOK_BUTTON = 1,  // IDOK: Done in the Info dialog, OK in the other two
    IDC_ESCAPE = 2,   // IDCANCEL: what Escape sends
    IDC_DONE = IDOK_BUTTON,
    IDC_ABOUT = 110,
    IDC_PRINT_OPTIONS = 111,
    IDC_PRINT_DEFAULT = 112,
    IDC_PRINT_ALTERNATE_1 = 113,
    IDC_PRINT_ALTERNATE_2 = 114,
    IDC_ABOUT_ICON = 2500,
    IDC_ABOUT_HEADING = 2501,
    IDC_ABOUT_VERSION = 2502,
    IDC_ABOUT_COPYRIGHT = 2503,
    IDC_ABOUT_MAKER = 2504,
    IDC_ABOUT_ADDRESS = 2505,
    IDC_ABOUT_PICTURES = 2506,
    IDC_ABOUT_MUSIC = 2507,
    IDC_ABOUT_WEB = 2509,
    IDC_ABOUT_MAKER_AND_ADDRESS = 2510,
};
