#include "app/busy.h"

#include "app/globals.h"
#include "app/painting.h"
#include "dialogs/print.h"

namespace {
bool gQuitAsked = false;

bool IsKey(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }
bool IsMouse(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }
}  // namespace

InputBar ProgramInputBar() {
    if (gScreen.boxesOpen) return InputBar::MessageBox;
    if (PrintingBusy()) return InputBar::PrintJob;
    if (gScreen.inputBlocked) return InputBar::Dialog;
    if (PaintingBusy()) return InputBar::Painting;
    return InputBar::None;
}

InputBar MainWindowInputBar() {
    const InputBar bar = ProgramInputBar();
    if (bar == InputBar::None && hwndMain && !IsWindowEnabled(hwndMain)) return InputBar::Disabled;
    return bar;
}

bool MainWindowTakes(UINT message) {
    switch (ProgramInputBar()) {
    case InputBar::None:
    case InputBar::Disabled:  // the system keeps input from a disabled window
        return true;
    case InputBar::MessageBox:
    case InputBar::Painting:
        // Nothing may start behind a box or inside an animation: no key, click or command.
        return !IsKey(message) && !IsMouse(message) && message != WM_COMMAND;
    case InputBar::Dialog:
    case InputBar::PrintJob:
        // Key-downs pass: the commands they post are dropped here in their turn.
        return message != WM_CHAR && message != WM_COMMAND && message != WM_MOUSEMOVE &&
               message != WM_LBUTTONDOWN;
    }
    return true;
}

bool LongActionRunning() { return PaintingBusy() || PrintingBusy(); }

void AskQuitAfterLongAction() { gQuitAsked = true; }

bool TakeQuitAfterLongAction() {
    if (!gQuitAsked || LongActionRunning()) return false;
    gQuitAsked = false;
    return true;
}
