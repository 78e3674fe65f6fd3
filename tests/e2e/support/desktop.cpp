#include "tests/e2e/support/desktop.h"
#include "tests/support/dib_info.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>

namespace e2e {

namespace {
void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

struct FindState {
    const char* className;
    DWORD processId;
    const char* caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<FindState*>(param);
    char cls[256] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpiA(cls, state->className) != 0) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (state->processId && pid != state->processId) return TRUE;
    if (state->caption && WindowText(window) != state->caption) return TRUE;
    state->found.push_back(window);
    return TRUE;
}

void SendInputs(INPUT* inputs, UINT count) {
    SendInput(count, inputs, sizeof(INPUT));
}
}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%stintwell-e2e-%lu-%d-%lu", base, GetCurrentProcessId(), ++counter,
                  GetTickCount());
    path_ = name;
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

bool TempFolder::Exists(const std::string& name) const {
    return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/"));
}

std::string ProgramPath(int edition) {
    return ProgramFolder() + (edition == 1 ? std::string("\\tintwell.exe")
                                           : "\\tintwell" + std::to_string(edition) + ".exe");
}

Program::Program(int edition, const std::string& folder) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + ProgramPath(edition) + "\"";
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                       &pi)) {
        CloseHandle(pi.hThread);
        process_ = pi.hProcess;
        id_ = pi.dwProcessId;
    }
}

Program::~Program() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) Kill();
    CloseHandle(process_);
}

DWORD Program::WaitForExit(DWORD timeoutMs) {
    if (!process_) return DWORD(-2);
    if (WaitForSingleObject(process_, Patient(timeoutMs)) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void Program::Kill() {
    if (!process_) return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
}

DWORD Patient(DWORD timeoutMs) {
    static const DWORD factor = [] {
        char text[16] = "";
        const DWORD n = GetEnvironmentVariableA("TW_TEST_SLOWDOWN", text, sizeof text);
        const unsigned long value = n > 0 && n < sizeof text ? std::strtoul(text, nullptr, 10) : 1;
        return DWORD(value >= 1 && value <= 100 ? value : 1);
    }();
    return timeoutMs == INFINITE ? INFINITE : timeoutMs * factor;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    timeoutMs = Patient(timeoutMs);
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(10);
    }
}

std::vector<HWND> TopLevelWindows(const char* className, DWORD processId) {
    FindState state{className, processId, nullptr, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

HWND WaitForWindow(const char* className, DWORD processId, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows(className, processId))
                if (IsWindowVisible(w)) {
                    found = w;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            FindState state{"#32770", processId, caption, {}};
            EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
            for (HWND w : state.found)
                if (IsWindowVisible(w)) {
                    found = w;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string MessageBoxText(HWND box) {
    // The message text is the static control with id 0xFFFF.
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WindowText(text) : std::string();
}

bool HasIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[64] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0) != 0)
            return true;
    }
    return false;
}

void AnswerBox(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), LPARAM(GetDlgItem(box, buttonId)));
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 1000);
}

void PressKey(WORD virtualKey) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = virtualKey;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInputs(in, 2);
}

void TypeChar(char c) {
    const SHORT scan = VkKeyScanA(c);
    const bool shift = (scan >> 8) & 1;
    if (shift) {
        INPUT down = {};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = VK_SHIFT;
        SendInputs(&down, 1);
    }
    PressKey(WORD(scan & 0xFF));
    if (shift) {
        INPUT up = {};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = VK_SHIFT;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        SendInputs(&up, 1);
    }
}

void MoveMouse(int x, int y) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    // Rounded up, so that scaling back (truncating) lands on the pixel itself.
    in.mi.dx = (x * 65536 + w - 1) / w;
    in.mi.dy = (y * 65536 + h - 1) / h;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInputs(&in, 1);
}

void Click(int x, int y) {
    MoveMouse(x, y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInputs(in, 2);
}

void DoubleClick(int x, int y) {
    Click(x, y);
    Click(x, y);
}

std::vector<COLORREF> ScreenRegion(int x, int y, int width, int height) {
    std::vector<COLORREF> pixels(size_t(width) * size_t(height));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = Dib32Info(width, -height);
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
    GdiFlush();
    const uint32_t* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = p[i] & 0xFFFFFF;  // 0xRRGGBB
    SelectObject(memory, old);
    DeleteObject(copy);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return RGB(GetBValue(c), GetGValue(c), GetRValue(c));  // as 0xRRGGBB
}

bool NearColour(COLORREF a, COLORREF b, int tolerance) {
    auto close = [&](int s) { return abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF)) <= tolerance; };
    return close(0) && close(8) && close(16);
}

}  // namespace e2e
