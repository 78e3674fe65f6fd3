#include "tests/win32/support/box_watcher.h"

namespace {
struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[32] = {}, title[256] = {};
    GetClassNameA(window, cls, sizeof cls);
    GetWindowTextA(window, title, sizeof title);
    if (pid == GetCurrentProcessId() && lstrcmpA(cls, "#32770") == 0 && lstrcmpA(title, search->caption) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

BoxWatcher::BoxWatcher(const char* caption, int button, std::function<void()> whileUp)
    : caption_(caption), button_(button) {
    thread_ = std::thread([this, whileUp] {
        Search search{caption_.c_str(), nullptr};
        for (int i = 0; i < 1000 && !search.found; ++i) {
            EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
            if (!search.found) Sleep(10);
        }
        if (!search.found) return;
        seen_ = true;
        char text[1024] = {};
        GetDlgItemTextA(search.found, 0xFFFF, text, sizeof text);
        text_ = text;
        for (HWND child = GetWindow(search.found, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char cls[32] = {};
            GetClassNameA(child, cls, sizeof cls);
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            if (lstrcmpiA(cls, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
                SendMessageA(child, STM_GETICON, 0, 0) != 0)
                hasIcon_ = true;
            const int id = GetDlgCtrlID(child);
            if (lstrcmpiA(cls, "Button") == 0 && id > 0 && id < 32) buttons_ |= 1u << id;
        }
        if (whileUp) whileUp();
        PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                     LPARAM(GetDlgItem(search.found, button_)));
    });
}

void BoxWatcher::Join() {
    if (thread_.joinable()) thread_.join();
}

BoxWatcher::~BoxWatcher() { Join(); }
