// Driving the real programs as a user would: start them in a folder, find their
// windows and message boxes, send input, read the screen. Every wait polls
// with a deadline.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// A fresh folder under the temporary directory, removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

// The folder of the test program, where the five programs are built.
std::string ProgramFolder();
std::string ProgramPath(int edition);  // tintwell.exe, tintwell2.exe, ...

// A running program; the destructor ends it if it is still running.
class Program {
public:
    Program(int edition, const std::string& folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    bool started() const { return process_ != nullptr; }
    DWORD id() const { return id_; }
    HANDLE process() const { return process_; }
    // Exit code, or STILL_ACTIVE when it did not end within the time.
    DWORD WaitForExit(DWORD timeoutMs);
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// A time limit stretched by TW_TEST_SLOWDOWN (a whole factor, for a machine that
// emulates its processor); the limits in the tests are for a real one.
DWORD Patient(DWORD timeoutMs);
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The visible top-level window of a class belonging to a process (0 = any process).
HWND WaitForWindow(const char* className, DWORD processId, DWORD timeoutMs);
std::vector<HWND> TopLevelWindows(const char* className, DWORD processId);

// A message box (#32770) of a process, optionally with the given caption.
HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs);
std::string WindowText(HWND window);
std::string MessageBoxText(HWND box);  // the text of its static control
bool HasIcon(HWND box);                // the box shows an icon
void AnswerBox(HWND box, int buttonId);  // presses IDOK, IDCANCEL, IDRETRY...

// Input through the system's input queue, as a user's.
void Activate(HWND window);
void PressKey(WORD virtualKey);
void TypeChar(char c);
void MoveMouse(int x, int y);
void Click(int x, int y);
void DoubleClick(int x, int y);

// Screen pixels as 0xRRGGBB; a region row by row from its top.
std::vector<COLORREF> ScreenRegion(int x, int y, int width, int height);
COLORREF ScreenPixel(int x, int y);
inline int Red(COLORREF c) { return GetRValue(c); }
bool NearColour(COLORREF a, COLORREF b, int tolerance = 12);

}  // namespace e2e
