// The tables of the Info dialog, the Printing Options dialog and the About box.
#include <cstring>

#include "dialogs/dialog_ids.h"
#include "dialogs/dialog_template.h"
#include "editions/edition.h"

namespace {

constexpr uint32_t kPopup = 0x80000000;        // WS_POPUP
constexpr uint32_t kOwnerButton = 0x1000000B;  // WS_VISIBLE | BS_OWNERDRAW
constexpr uint32_t kRadio = 0x10000004;        // WS_VISIBLE | BS_RADIOBUTTON
constexpr uint32_t kCentredText = 0x10000001;  // WS_VISIBLE | SS_CENTER
constexpr uint32_t kIcon = 0x10000003;         // WS_VISIBLE | SS_ICON

constexpr DialogSpec kCard = {kPopup, 0, 0, 180, 180, u"", u"", u"", 0, u""};
constexpr DialogItemSpec kEnd = {0, 0, 0, 0, 0, 0, nullptr, nullptr};

const DialogItemSpec kInfoItems[] = {
    {39, 124, 104, 23, IDC_DONE, kOwnerButton, u"BUTTON", u"&Done"},
    {39, 35, 104, 23, IDC_ABOUT, kOwnerButton, u"BUTTON", u"&About"},
    {39, 68, 104, 23, IDC_PRINT_OPTIONS, kOwnerButton, u"BUTTON", u"&Printing Options"},
    kEnd,
};

// The radio buttons carry no text: their labels are part of the background picture.
const DialogItemSpec kPrintOptionItems[] = {
    {39, 53, 105, 12, IDC_PRINT_DEFAULT, kRadio, u"BUTTON", u""},
    {39, 70, 105, 12, IDC_PRINT_ALTERNATE_1, kRadio, u"BUTTON", u""},
    {39, 87, 105, 12, IDC_PRINT_ALTERNATE_2, kRadio, u"BUTTON", u""},
    {64, 150, 48, 23, IDOK_BUTTON, kOwnerButton, u"BUTTON", u"&OK"},
    kEnd,
};

// The credit lines of each edition's About box (index = edition number - 1).
// The pictures' sources are listed in CREDITS.md; the music is made by tools/gen_music.py.
struct AboutCredits {
    const char16_t* pictures;
    const char16_t* web;
};
const AboutCredits kCredits[kEditionCount] = {
    {u"Pictures: Open Clip Art, Symbola and our own", u"www.example.org/tintwell"},
    {u"Pictures drawn by the Tintwell project", u"www.example.org/tintwell2"},
    {u"Pictures: Open Clip Art, Symbola and our own", u"www.example.org/tintwell3"},
    {u"Pictures: our own drawings and Open Clip Art", u"www.example.org/tintwell4"},
    {u"Pictures: Open Clip Art, Symbola, DejaVu, our own", u"www.example.org/tintwell5"},
};
const char16_t kCopyright[] = u"Copyright \u00A9 2026 the Tintwell project";
const char16_t kProgramAndMusic[] = u"Program and music \u00A9 2026 the Tintwell project";
const char16_t kMusic[] = u"Music composed by the Tintwell project";
const char16_t kMakerCapitals[] = u"THE TINTWELL PROJECT";
const char16_t kNoPostalAddress[] = u"No postal address: find us on the web at";
const char16_t kMakerAndAddress[] = u"The Tintwell project: no postal address, find us on the web at";

// The heading and version come from the edition record, widened once at start-up.
char16_t gHeading[64];
char16_t gVersion[32];
DialogItemSpec gAboutItems[10];

void Widen(const char* text, char16_t* out, size_t size) {
    size_t i = 0;
    for (; text && text[i] && i + 1 < size; ++i) out[i] = char16_t(static_cast<unsigned char>(text[i]));
    out[i] = 0;
}

}  // namespace

const DialogSpec DialogSpecs[kDialogTableSize] = {kCard, kCard, kCard, kCard};

const DialogItemSpec* DialogItemLists[kDialogTableSize] = {&kEnd, &kEnd, &kEnd, &kEnd};

void FillDialogItemLists(const EditionInfo& edition) {
    Widen(edition.aboutHeading, gHeading, sizeof gHeading / sizeof gHeading[0]);
    Widen(edition.aboutVersion, gVersion, sizeof gVersion / sizeof gVersion[0]);
    const AboutCredits& credits = kCredits[edition.number - 1];
    const DialogItemSpec icon = {82, 22, 16, 16, IDC_ABOUT_ICON, kIcon, u"STATIC", u"TWLIcon"};
    const DialogItemSpec ok = {64, 150, 48, 23, IDOK_BUTTON, kOwnerButton, u"BUTTON", u"&OK"};
    auto line = [](int32_t id, int32_t y, const char16_t* text) {
        return DialogItemSpec{0, y, 180, 9, id, kCentredText, u"STATIC", text};
    };
    if (edition.number == 1) {
        const DialogItemSpec items[] = {
            icon,
            line(IDC_ABOUT_HEADING, 48, gHeading),
            line(IDC_ABOUT_VERSION, 58, gVersion),
            line(IDC_ABOUT_COPYRIGHT, 80, kProgramAndMusic),  // this edition's list has no music line
            line(IDC_ABOUT_MAKER, 102, kMakerCapitals),
            line(IDC_ABOUT_ADDRESS, 111, kNoPostalAddress),
            line(IDC_ABOUT_PICTURES, 89, credits.pictures),
            line(IDC_ABOUT_WEB, 125, credits.web),
            ok,
            kEnd,
        };
        static_assert(sizeof items == sizeof gAboutItems, "one About list fills the storage");
        std::memcpy(gAboutItems, items, sizeof items);
    } else {
        const DialogItemSpec items[] = {
            icon,
            line(IDC_ABOUT_HEADING, 50, gHeading),
            line(IDC_ABOUT_VERSION, 60, gVersion),
            line(IDC_ABOUT_COPYRIGHT, 75, kCopyright),
            line(IDC_ABOUT_PICTURES, 89, credits.pictures),
            line(IDC_ABOUT_MUSIC, 97, kMusic),
            line(IDC_ABOUT_MAKER_AND_ADDRESS, 111, kMakerAndAddress),
            line(IDC_ABOUT_WEB, 125, credits.web),
            ok,
            kEnd,
        };
        static_assert(sizeof items == sizeof gAboutItems, "one About list fills the storage");
        std::memcpy(gAboutItems, items, sizeof items);
    }
    DialogItemLists[DIALOG_INFO] = kInfoItems;
    DialogItemLists[DIALOG_PRINT_OPTIONS] = kPrintOptionItems;
    DialogItemLists[DIALOG_ABOUT] = gAboutItems;
}
