#include "app/input.h"

#include <algorithm>
#include <vector>

#include "app/globals.h"
#include "app/ids.h"

namespace {

// Input that a repaint took out of the queue although it was given before the
// repaint began, waiting to be handed on in the order it was given.
std::vector<MSG> gHeldInput;

// Whether message time `time` is `since` or later, across the wrap of the tick count.
bool AtOrAfter(DWORD time, DWORD since) { return LONG(time - since) >= 0; }

void TakeInput(HWND window, UINT first, UINT last, DWORD since, std::vector<MSG>& older) {
    MSG msg;
    while (PeekMessageA(&msg, window, first, last, PM_REMOVE))
        if (!AtOrAfter(msg.time, since)) older.push_back(msg);
}

}  // namespace

void DiscardQueuedInput(HWND window) {
    MSG msg;
    while (PeekMessageA(&msg, window, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageA(&msg, window, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

void DiscardInputGivenSince(HWND window, DWORD since) {
    // A message can only be taken from the front of the queue, and input given
    // before `since` is in front of input given after it: all of it is taken
    // out, and what is older is handed on afterwards, in the order it was given.
    std::vector<MSG> older;
    TakeInput(window, WM_KEYFIRST, WM_KEYLAST, since, older);
    TakeInput(window, WM_MOUSEFIRST, WM_MOUSELAST, since, older);
    if (older.empty()) return;
    std::stable_sort(older.begin(), older.end(),
                     [](const MSG& a, const MSG& b) { return LONG(a.time - b.time) < 0; });
    gHeldInput.insert(gHeldInput.end(), older.begin(), older.end());
    PostMessageA(hwndMain, MSG_HAND_ON_INPUT, 0, 0);
}

void HandOnHeldInput() {
    std::vector<MSG> held;
    held.swap(gHeldInput);
    for (MSG& msg : held) {
        if (!IsWindow(msg.hwnd)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void RefreshCursorFromPointer(HWND window) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
}
