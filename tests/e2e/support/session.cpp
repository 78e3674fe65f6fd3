#include "tests/e2e/support/session.h"

#include <algorithm>
#include <cstdio>

#include "editions/edition.h"

namespace e2e {

const std::vector<testdata::PageRect> kTestRects = {
    {100, 100, 300, 300}, {350, 100, 600, 300}, {100, 330, 600, 440}};

std::vector<ControlLook> ColouringScreenControls() {
    std::vector<ControlLook> looks = {{"QuitBtn", 0, 12, 12, 96, 45},   {"PrintBtn", 0, 318, 12, 79, 45},
                                      {"ClearBtn", 0, 403, 12, 79, 45}, {"InfoBtn", 0, 692, 12, 96, 45},
                                      {"UpBtn", 0, 267, 543, 53, 45},   {"DownBtn", 0, 480, 543, 53, 45}};
    const int swatchX[] = {114, 165, 216, 267, 488, 539, 590, 641, 62, 114, 165, 216, 539, 590, 641, 692};
    for (int k = 0; k < 36; ++k) {
        const int x = k < 16 ? swatchX[k] : (k < 26 ? 12 : 743);
        const int y = k < 8 ? 12 : k < 16 ? 543 : 84 + 51 * ((k - 16) % 10);
        // Swatch 2001 (red) is the colour at start: its selected look.
        looks.push_back({"#" + std::to_string(101 + k), k == 1 ? 45 : 0, x, y, 45, 45});
    }
    return looks;
}

Session::Session(int edition, std::vector<int> missing, const std::vector<testdata::PageRect>& rects)
    : edition_(edition), art_(edition) {
    const auto isLine = testdata::OutlinedRects(rects);
    for (int i = 0; i < kPageCount; ++i)
        if (std::find(missing.begin(), missing.end(), i) == missing.end())
            testdata::WriteMonoPage(PagePath(i), edition, isLine);
    program_.reset(new Program(edition, folder_.path()));
    window_ = WaitForWindow(kEditions[edition - 1].className, program_->id(), 15000);
}

std::string Session::PagePath(int index) const {
    std::string name = kEditions[edition_ - 1].pageNames[index];
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return folder_.File(name);
}

HWND Session::Button(int id) const { return window_ ? GetDlgItem(window_, id) : nullptr; }

HWND Session::WaitForIntroButton(DWORD timeoutMs) {
    HWND button = nullptr;
    WaitUntil([&] { return (button = Button(1007)) != nullptr && IsWindowVisible(button); }, timeoutMs);
    return button;
}

bool Session::DismissIntro() {
    if (!window_ || !WaitForIntroButton()) return false;
    Activate(window_);
    PressKey(VK_RETURN);
    // The colouring screen: the Quit button exists and the page shows paper.
    return WaitUntil([&] { return Button(1001) != nullptr; }, 10000) &&
           WaitForPixel(kPageX + 10, kPageY + 10, kPaper, 10000) && WaitForSettled();
}

bool Session::WaitForSettled(DWORD timeoutMs) {
    // Input that arrives while the screen is being composed is dropped by design,
    // so a test types only once no paint is pending and the program waits for input.
    int quietPolls = 0;
    return WaitUntil(
        [&] {
            const bool idle = WaitForInputIdle(program_->process(), 0) == 0 &&
                              !GetUpdateRect(window_, nullptr, FALSE);
            quietPolls = idle ? quietPolls + 1 : 0;
            return quietPolls >= 5;
        },
        timeoutMs);
}

bool Session::WaitForPixel(int x, int y, COLORREF colour, DWORD timeoutMs) {
    return WaitUntil([&] { return NearColour(ScreenPixel(x, y), colour); }, timeoutMs);
}

bool Session::WaitForTitleStrip(int pageIndex, DWORD timeoutMs) {
    return WaitForArt(art_, "Titles", 0, (pageIndex + 1) * 10, 330, 561, 140, 10, timeoutMs);
}

DWORD Session::Quit() {
    Activate(window_);
    TypeChar('q');
    const DWORD code = program_->WaitForExit(10000);
    if (code == STILL_ACTIVE) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
        DWORD_PTR result = 0;
        const LRESULT alive = SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
        std::fprintf(stderr, "quit: no exit; active %p focus %p main %p foreground %p enabled %d responds %d\n",
                     (void*)info.hwndActive, (void*)info.hwndFocus, (void*)window_, (void*)GetForegroundWindow(),
                     IsWindowEnabled(window_), int(alive != 0));
        // A second try, posted straight to the window.
        PostMessageA(window_, WM_CHAR, 'q', 0);
        std::fprintf(stderr, "quit: posted q -> exit %lu\n", program_->WaitForExit(5000));
    }
    return code;
}

}  // namespace e2e
