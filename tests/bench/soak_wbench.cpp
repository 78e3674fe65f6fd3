// A long run of the real program (edition 1) under random use, as a child at
// the screen would give it: swatch picks, fills anywhere on the page, clears,
// page steps both ways by key and by button, the program losing and regaining
// the focus, and, where the program has them, the Info dialog with the About
// box and the Printing Options (choosing a printing method) and prints to the
// test printer. Then Quit. The actions come from a seeded generator; every
// action's effect is awaited with a deadline.
//
// Prints: the actions by kind, the time taken, the program's memory (RssAnon
// of its Linux process) at the colouring screen, after a warm-up round (one
// action of each kind, the About box, each printing method chosen and printed:
// what Wine loads on first use, such as the printer driver, is loaded then),
// every 50 actions and at the end, and after Quit whether every page file
// reads back as a page holding exactly the colouring given. A crash, a hang,
// an unexpected message box, a page file that does not read or colouring that
// was lost makes it exit with 1; the figures themselves never do.
//
//   soak_wbench.exe [actions [seed]]   (default 1000 actions, seed 18;
//   SOAK_ACTIONS and SOAK_SEED in the environment do the same; SOAK_KINDS,
//   e.g. "fill,swatch", takes part in only the kinds of action named)
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "editions/edition.h"
#include "page/colours.h"
#include "page/page_file.h"
#include "page/page_image.h"
#include "tests/e2e/support/linux_process.h"
#include "tests/e2e/support/printout.h"
#include "tests/e2e/support/session.h"
#include "tests/printer/virtual_printer.h"

using namespace e2e;

namespace {

// ---- The test page: a 4 x 3 grid of outlined cells covering the whole page ----------
// Small areas keep the fills short, and every pixel that is not an outline
// belongs to exactly one cell, so a cell's colour describes the page.
constexpr int kCols = 4, kRows = 3, kCells = kCols * kRows;
constexpr int kEdgeX[kCols + 1] = {0, 165, 330, 495, kPageWidth - 1};
constexpr int kEdgeY[kRows + 1] = {0, 153, 306, kPageHeight - 1};

std::vector<testdata::PageRect> GridRects() {
    std::vector<testdata::PageRect> rects;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) rects.push_back({kEdgeX[c], kEdgeY[r], kEdgeX[c + 1], kEdgeY[r + 1]});
    return rects;
}

// The cell whose inside holds page pixel (x, y); -1 on an outline.
int CellAt(int x, int y) {
    int col = -1, row = -1;
    for (int c = 0; c < kCols; ++c)
        if (x > kEdgeX[c] && x < kEdgeX[c + 1]) col = c;
    for (int r = 0; r < kRows; ++r)
        if (y > kEdgeY[r] && y < kEdgeY[r + 1]) row = r;
    return col < 0 || row < 0 ? -1 : row * kCols + col;
}

void CellCentre(int cell, int* x, int* y) {
    *x = (kEdgeX[cell % kCols] + kEdgeX[cell % kCols + 1]) / 2;
    *y = (kEdgeY[cell / kCols] + kEdgeY[cell / kCols + 1]) / 2;
}

// A page colour index as the screen shows it, 0xRRGGBB.
COLORREF ScreenColour(int index) {
    const uint32_t c = kPageColours[index];
    return RGB(ColourBlue(c), ColourGreen(c), ColourRed(c));
}

// What every page should hold: the colour index of each cell.
using PageModel = std::array<uint8_t, kCells>;

// ---- Clock, memory, the program's windows -----------------------------------------

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// A visible dialog of the program holding a control with the id, or null.
HWND ProgramDialog(DWORD pid, int controlId) {
    for (HWND w : TopLevelWindows("#32770", pid))
        if (IsWindowVisible(w) && GetDlgItem(w, controlId) != nullptr) return w;
    return nullptr;
}

// Waits for the dialog to be at the front, then for the program to wait for
// input: a click given while a dialog is still being made up or activated may be
// dropped, where a person would first see it come up.
HWND WaitForDialog(Session& s, int controlId, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = ProgramDialog(s.program().id(), controlId)) != nullptr; }, timeoutMs);
    if (!found) return nullptr;
    WaitUntil([&] { return GetForegroundWindow() == found; }, timeoutMs);
    s.WaitForSettled();
    return found;
}

void ClickCentre(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Saves the screen as a 24-bit BMP file, for a look at what went wrong.
void SaveScreen(const std::string& path) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const std::vector<COLORREF> pixels = ScreenRegion(0, 0, w, h);
    const uint32_t row = uint32_t(w * 3 + 3) & ~3u, size = 54 + row * uint32_t(h);
    std::vector<uint8_t> file(size, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, size), put32(10, 54), put32(14, 40), put32(18, uint32_t(w)), put32(22, uint32_t(h));
    file[26] = 1, file[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = pixels[size_t(y) * size_t(w) + size_t(x)];  // 0xRRGGBB
            uint8_t* p = &file[54 + size_t(h - 1 - y) * row + size_t(x) * 3];
            p[0] = uint8_t(c), p[1] = uint8_t(c >> 8), p[2] = uint8_t(c >> 16);
        }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
}

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06lX", static_cast<unsigned long>(c));
    return text;
}

// ---- A window of the soak's own, to take the focus away ------------------------------

class OtherWindow {
public:
    OtherWindow() {
        thread_ = std::thread([this] { Run(); });
        WaitUntil([this] { return window_ != nullptr; }, 5000);
    }
    ~OtherWindow() {
        if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }
    HWND window() const { return window_; }

private:
    void Run() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = HBRUSH(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = "SoakOtherWindow";
        RegisterClassA(&wc);
        // A small window in the bottom-left corner, where no check looks.
        HWND w = CreateWindowExA(0, wc.lpszClassName, "soak", WS_POPUP, 0, 588, 50, 12, nullptr, nullptr,
                                 wc.hInstance, nullptr);
        if (w) ShowWindow(w, SW_SHOWNOACTIVATE);  // the focus is taken only by the focus action
        window_ = w;
        MSG msg;
        while (w && GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == WM_CLOSE) break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (w) DestroyWindow(w);
    }
    std::thread thread_;
    HWND volatile window_ = nullptr;
};

// ---- The soak -------------------------------------------------------------------------

enum Kind { kSwatch, kFill, kClear, kPageKey, kPageButton, kFocus, kInfo, kPrint, kKinds };
const char* const kKindNames[kKinds] = {"swatch pick",       "fill",           "clear",
                                        "page step by key",  "page step by button", "focus lost and regained",
                                        "Info dialog",       "print"};
const char* const kKindKeys[kKinds] = {"swatch", "fill", "clear", "pagekey", "pagebutton", "focus", "info", "print"};
const char* const kMethodNames[3] = {"Default", "Alternate 1", "Alternate 2"};

// The kinds named in a comma-separated list of kKindKeys ("" or null: all), as
// bits; 0 when a name is unknown.
unsigned KindsNamed(const char* list) {
    if (!list || !*list) return (1u << kKinds) - 1;
    unsigned kinds = 0;
    std::string rest = list;
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        const std::string name = rest.substr(0, comma);
        rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
        int k = 0;
        while (k < kKinds && name != kKindKeys[k]) ++k;
        if (k == kKinds) return 0;
        kinds |= 1u << k;
    }
    return kinds;
}

class Soak {
public:
    Soak(Session& s, unsigned seed, unsigned kinds, bool dialogs, bool printing)
        : s_(s), random_(seed), dialogs_(dialogs), printing_(printing) {
        for (PageModel& p : pages_) p.fill(kPaperIndex);
        for (int k = 0; k < kKinds; ++k) enabled_[k] = (kinds >> k & 1) && (k != kInfo || dialogs) && (k != kPrint || printing);
    }

    // One action of every kind taken part in, with the About box, each printing
    // method chosen in the Printing Options and a print by each: everything the
    // program or the system loads on first use is loaded by the end of it.
    // Its actions are not counted with the soak's.
    bool WarmUp() {
        for (int k = 0; k < kKinds; ++k) {
            if (!enabled_[k] || k == kInfo || k == kPrint) continue;
            if (!Do(k)) return false;
        }
        if (enabled_[kInfo] || enabled_[kPrint]) {
            for (int method = 0; method < 3; ++method) {
                if (dialogs_) {
                    HWND info = OpenInfo();
                    if (!info || (method == 0 && !VisitAbout(info)) || !VisitOptions(info, method, true) ||
                        !CloseInfo(info))
                        return false;
                }
                if (enabled_[kPrint] && !Print(false)) return false;
                if (!dialogs_) break;  // no other method can be chosen
            }
        }
        ResetCounts();
        return true;
    }

    // One random action; false (with `failure_` set) when the program crashed,
    // hung or showed something unexpected.
    bool Step() {
        static const int kWeights[kKinds] = {18, 30, 4, 10, 8, 6, 8, 6};
        int weights[kKinds];
        int total = 0;
        for (int k = 0; k < kKinds; ++k) {
            weights[k] = enabled_[k] ? kWeights[k] : 0;
            total += weights[k];
        }
        int pick = Uniform(total);
        int kind = 0;
        while (pick >= weights[kind]) pick -= weights[kind++];
        return Do(kind);
    }

    bool Do(int kind) {
        ++counts_[kind];
        kind_ = kind;
        recent_.push_back(std::string(kKindNames[kind]) + " on page " + std::to_string(page_));
        if (recent_.size() > 6) recent_.erase(recent_.begin());
        bool ok = false;
        switch (kind) {
        case kSwatch: ok = PickSwatch(); break;
        case kFill: ok = Fill(); break;
        case kClear: ok = Clear(); break;
        case kPageKey:
        case kPageButton: ok = StepPage(kind == kPageKey); break;
        case kFocus: ok = LoseAndRegainFocus(); break;
        case kInfo: ok = InfoDialog(); break;
        case kPrint: ok = Print(); break;
        }
        if (ok && s_.program().WaitForExit(0) != STILL_ACTIVE) return Fail("the program ended (crash)");
        if (ok) {
            // A message box the action did not ask for (a failed save, a page error).
            for (HWND w : TopLevelWindows("#32770", s_.program().id()))
                if (IsWindowVisible(w))
                    return Fail("a message box \"" + WindowText(w) + "\": \"" + MessageBoxText(w) + "\"");
        }
        return ok;
    }

    void PrintCounts() const {
        for (int k = 0; k < kKinds; ++k) {
            std::printf("  %-26s %5d", kKindNames[k], counts_[k]);
            if (k == kFill) std::printf("   (%d on an outline, %d in the colour already there)", outlineFills_, sameFills_);
            if (k == kClear) std::printf("   (%d of a clean page)", cleanClears_);
            if (k == kInfo && dialogs_)
                std::printf("   (About %d, Printing Options %d, method changed %d)", abouts_, options_, methodChanges_);
            if (k == kInfo && !dialogs_) std::printf("   (the program has no Info dialog)");
            if (k == kPrint && printing_)
                for (int m = 0; m < 3; ++m)
                    std::printf("%s%s %d (%.0f ms a job)", m ? ", " : "   (", kMethodNames[m], prints_[m],
                                prints_[m] ? printMs_[m] / prints_[m] : 0.0);
            if (k == kPrint && printing_) std::printf("; cancelled %d)", cancelledPrints_);
            if (k == kPrint && !printing_) std::printf("   (the program does not print here)");
            std::printf("\n");
        }
        std::printf("  the program minimised when it lost the focus: %d of %d times; restored from its icon %d times\n",
                    minimised_, counts_[kFocus], restores_);
        std::printf("  back at the front without the keyboard focus (keys lost until the pointer moved): %d times\n",
                    focusless_);
        std::printf("  the keyboard focus left on a button by a click (keys lost until the pointer moved): "
                    "%d times on a swatch, %d on Clear, %d on another\n",
                    focusOnButton_[0], focusOnButton_[1], focusOnButton_[2]);
        if (dialogs_)
            std::printf("  the Info dialog not yet back at the front when the About box or the Printing Options "
                        "had gone: %d times\n",
                        infoBackLate_);
        std::printf("  pages shown again that differed on the screen from what was given: %d of %d\n",
                    screenMismatches_, pageChecks_);
    }

    void ResetCounts() {
        std::fill(std::begin(counts_), std::end(counts_), 0);
        outlineFills_ = sameFills_ = cleanClears_ = abouts_ = options_ = methodChanges_ = cancelledPrints_ = 0;
        std::fill(std::begin(prints_), std::end(prints_), 0);
        std::fill(std::begin(printMs_), std::end(printMs_), 0.0);
        pageChecks_ = screenMismatches_ = minimised_ = restores_ = focusless_ = infoBackLate_ = 0;
        std::fill(std::begin(focusOnButton_), std::end(focusOnButton_), 0);
    }

    const std::string& failure() const { return failure_; }
    const std::vector<std::string>& recent() const { return recent_; }
    int kind() const { return kind_; }
    const std::array<PageModel, kPageCount>& pages() const { return pages_; }
    int page() const { return page_; }

private:
    int Uniform(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random_)); }

    bool Fail(const std::string& what) {
        failure_ = what;
        return false;
    }

    // Adds a step of the current action to its entry in the list of recent actions.
    void Note(const std::string& step) {
        if (recent_.empty()) recent_.push_back("warm-up");
        recent_.back() += ", " + step;
    }

    // A window for a failure's report: its class, text and control id, and whose it is.
    std::string Describe(HWND w) {
        if (!w) return "none";
        if (w == s_.window()) return "the main window";
        char cls[64] = "";
        GetClassNameA(w, cls, sizeof cls);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        return std::string(cls) + " \"" + WindowText(w) + "\" (id " + std::to_string(GetDlgCtrlID(w)) +
               (pid == s_.program().id() ? ", the program's)" : ", another process's)");
    }

    // The window under a point of the screen and the program's mouse capture, with the front and the focus.
    std::string WindowsAt(int x, int y) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(s_.window(), nullptr), &info);
        return "under the point: " + Describe(WindowFromPoint(POINT{x, y})) + "; capture: " + Describe(info.hwndCapture) +
               "; " + FocusReport();
    }

    // Which window is at the front, which has the program's keyboard focus, and whether
    // the main window is enabled.
    std::string FocusReport() {
        return "front: " + Describe(GetForegroundWindow()) + "; focus: " + Describe(FocusWindow()) +
               "; main window " + (Enabled() ? "enabled" : "disabled");
    }

    bool Enabled() { return IsWindowEnabled(s_.window()) != FALSE; }

    // The program has taken the input and is waiting for the next.
    bool Settle(const char* after, DWORD timeoutMs = 20000) {
        if (!WaitUntil([&] { return Enabled(); }, timeoutMs))
            return Fail(std::string("the window stayed disabled after ") + after);
        if (!s_.WaitForSettled(timeoutMs)) return Fail(std::string("no quiet after ") + after);
        return true;
    }

    // Brings the main window to the front before input that goes to it.
    // Input that arrives while the program composes its screen after activation is
    // dropped by design, so it settles first.
    bool Front() {
        if (GetForegroundWindow() == s_.window() && !IsIconic(s_.window())) return KeyboardFocus();
        if (IsIconic(s_.window())) {
            // Wine minimises the full-screen window when another takes the focus:
            // restored as from its icon.
            ++restores_;
            PostMessageA(s_.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
            if (!WaitUntil([&] { return !IsIconic(s_.window()); }, 5000))
                return Fail("the minimised program did not come back");
        }
        Activate(s_.window());
        if (GetForegroundWindow() != s_.window()) return Fail("the main window did not come to the front");
        if (!Settle("the main window came to the front")) return false;
        if (FocusWindow() != s_.window()) ++focusless_;
        return KeyboardFocus();
    }

    // Keys reach the program only through the main window's focus. A click on a
    // button leaves the focus on it; the program takes it back when the pointer
    // moves, so the pointer moves by a pixel, as a child's hand would.
    bool KeyboardFocus() {
        HWND focus = FocusWindow();
        if (focus == s_.window()) return true;
        if (focus && GetParent(focus) == s_.window()) {
            const int id = GetDlgCtrlID(focus);
            ++focusOnButton_[id >= 2000 ? 0 : id == 1003 ? 1 : 2];
        }
        POINT at = {};
        GetCursorPos(&at);
        MoveMouse(at.x + (at.x < 799 ? 1 : -1), at.y);
        if (!WaitUntil([&] { return FocusWindow() == s_.window(); }, 3000))
            return Fail("the keyboard focus did not come back to the main window");
        return true;
    }

    // The window of the program's interface thread that has the keyboard focus.
    HWND FocusWindow() {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(s_.window(), nullptr), &info);
        return info.hwndFocus;
    }

    bool PickSwatch() {
        const int k = Uniform(36);
        const ControlLook look = ColouringScreenControls()[size_t(6 + k)];
        if (!Front()) return false;
        Click(look.x + 5 + Uniform(35), look.y + 5 + Uniform(35));
        // Its selected look (the second 45 rows of its bitmap).
        if (!WaitForArt(s_.art(), look.bitmap.c_str(), 0, 45, look.x, look.y, 45, 45, 5000))
            return Fail("swatch " + std::to_string(k + 1) + " did not show as chosen");
        colour_ = k + 1;
        return Settle("a swatch pick");
    }

    bool Fill() {
        const int x = Uniform(kPageWidth), y = Uniform(kPageHeight);
        const int cell = CellAt(x, y);
        if (!Front()) return false;
        const COLORREF before = ScreenPixel(kPageX + x, kPageY + y);
        Click(kPageX + x, kPageY + y);
        if (cell < 0) {
            ++outlineFills_;
        } else {
            uint8_t& given = pages_[size_t(page_)][size_t(cell)];
            if (given == colour_) {
                ++sameFills_;  // ignored by the program, the page-clean flag too
            } else {
                given = uint8_t(colour_);
                clean_[size_t(page_)] = false;
            }
            if (!s_.WaitForPixel(kPageX + x, kPageY + y, ScreenColour(colour_), 20000))
                return Fail("a fill at page (" + std::to_string(x) + ", " + std::to_string(y) + ") in colour " +
                            std::to_string(colour_) + " did not show it within 20 s (" + Hex(before) +
                            " before the click, " + Hex(ScreenPixel(kPageX + x, kPageY + y)) + " after; " +
                            WindowsAt(kPageX + x, kPageY + y) + ")");
        }
        return Settle("a fill");
    }
    bool Clear() {
        if (!Front()) return false;
        bool anyPaint = false;
        for (uint8_t c : pages_[size_t(page_)]) anyPaint = anyPaint || c != kPaperIndex;
        // A page not marked clean is cleared with the wave even when it shows only
        // paper (a page never coloured): the window is disabled for its length. The
        // clear begins only after the button's pressed look, so the paper on the
        // screen alone cannot tell a clear that has ended from one yet to begin.
        const bool wave = !clean_[size_t(page_)];
        if (!wave) ++cleanClears_;
        if (Uniform(2)) {
            Note("by the C key");
            TypeChar('c');
        } else {
            Note("by the Clear button");
            ClickCentre(s_.Button(1003));
        }
        if (wave && !WaitUntil([&] { return !Enabled(); }, 5000)) return Fail("a clear did not begin within 5 s");
        pages_[size_t(page_)].fill(kPaperIndex);
        clean_[size_t(page_)] = true;
        // Every cell back to paper, then the window takes input again.
        const bool shown = WaitUntil(
            [&] {
                for (int cell = 0; cell < kCells; ++cell) {
                    int x, y;
                    CellCentre(cell, &x, &y);
                    if (!NearColour(ScreenPixel(kPageX + x, kPageY + y), ScreenColour(kPaperIndex))) return false;
                }
                return true;
            },
            20000);
        if (!shown) return Fail(anyPaint ? "a clear did not show paper everywhere within 20 s"
                                         : "a clear of an unpainted page showed paint");
        return Settle("a clear");
    }

    bool StepPage(bool byKey) {
        const bool down = Uniform(2) != 0;
        if (!Front()) return false;
        std::string input = down ? "the next-page button" : "the previous-page button";
        if (byKey) {
            const WORD downKeys[] = {VK_DOWN, VK_NEXT, VK_RIGHT}, upKeys[] = {VK_UP, VK_PRIOR, VK_LEFT};
            const int k = Uniform(dialogs_ ? 3 : 2);  // Left and Right came with the dialogs
            PressKey(down ? downKeys[k] : upKeys[k]);
            input = "key " + std::to_string(down ? downKeys[k] : upKeys[k]);
        } else {
            ClickCentre(s_.Button(down ? 1006 : 1005));
        }
        page_ = (page_ + (down ? 1 : kPageCount - 1)) % kPageCount;
        if (!s_.WaitForTitleStrip(page_, 10000)) {
            int shown = -1;
            for (int i = 0; i < kPageCount && shown < 0; ++i)
                if (CompareScreen(s_.art(), "Titles", 0, (i + 1) * 10, 330, 561, 140, 10, 1).all()) shown = i;
            return Fail("page " + std::to_string(page_) + "'s title did not show within 10 s after " + input + " (the strip shows " +
                        (shown < 0 ? std::string("no page's title") : "page " + std::to_string(shown)) + ")");
        }
        if (!Settle("a page step")) return false;
        return CheckScreen();
    }

    // The page on the screen shows the colouring given to it.
    bool CheckScreen() {
        ++pageChecks_;
        for (int cell = 0; cell < kCells; ++cell) {
            int x, y;
            CellCentre(cell, &x, &y);
            const int want = pages_[size_t(page_)][size_t(cell)];
            if (!s_.WaitForPixel(kPageX + x, kPageY + y, ScreenColour(want), 2000)) {
                ++screenMismatches_;
                std::printf("  page %d cell %d shows 0x%06lX, given colour %d (0x%06lX)\n", page_, cell,
                            ScreenPixel(kPageX + x, kPageY + y), want, ScreenColour(want));
                return true;  // counted; the files are judged after Quit
            }
        }
        return true;
    }

    bool LoseAndRegainFocus() {
        if (!other_.window()) return Fail("the soak's own window was not made");
        Activate(other_.window());
        if (GetForegroundWindow() != other_.window()) return Fail("the soak's window did not take the focus");
        Sleep(DWORD(50 + Uniform(250)));
        if (WaitUntil([&] { return IsIconic(s_.window()) != FALSE; }, 500)) ++minimised_;
        return Front();
    }

    // Opens the Info dialog, maybe the About box and the Printing Options, and closes it.
    bool InfoDialog() {
        HWND info = OpenInfo();
        if (!info) return false;
        const int visits = Uniform(3);  // 0, 1 or 2 of About / Printing Options
        for (int v = 0; v < visits; ++v) {
            if (Uniform(2) ? !VisitAbout(info) : !VisitOptions(info, Uniform(3), Uniform(4) != 0)) return false;
        }
        return CloseInfo(info);
    }

    HWND OpenInfo() {
        if (!Front()) return nullptr;
        if (Uniform(2))
            TypeChar('i');
        else
            ClickCentre(s_.Button(1004));
        HWND info = WaitForDialog(s_, 110, 5000);
        if (!info) Fail("the Info dialog did not open within 5 s");
        return info;
    }

    bool VisitAbout(HWND info) {
        ++abouts_;
        ClickCentre(GetDlgItem(info, 110));
        HWND about = WaitForDialog(s_, 2501, 5000);
        if (!about) return Fail("the About box did not open within 5 s");
        if (Uniform(2)) {
            Note("About closed by OK");
            ClickCentre(GetDlgItem(about, IDOK));
        } else {
            const bool enter = Uniform(2) != 0;
            Note(enter ? "About closed by Enter" : "About closed by Escape");
            PressKey(enter ? VK_RETURN : VK_ESCAPE);
        }
        if (!WaitUntil([&] { return !IsWindow(about); }, 5000))
            return Fail("the About box did not close (" + FocusReport() + ")");
        return BackToInfo(info);
    }

    // Chooses a printing method in the Printing Options, then OK (keep) or Escape.
    bool VisitOptions(HWND info, int method, bool keep) {
        ++options_;
        ClickCentre(GetDlgItem(info, 111));
        HWND options = WaitForDialog(s_, 112, 5000);
        if (!options) return Fail("the Printing Options did not open within 5 s");
        Note("Printing Options, method " + std::to_string(method) + (keep ? " kept by OK" : " left by Escape"));
        ClickCentre(GetDlgItem(options, 112 + method));
        if (!WaitUntil([&] { return SendDlgItemMessageA(options, 112 + method, BM_GETCHECK, 0, 0) == BST_CHECKED; },
                       3000))
            return Fail("a printing method could not be chosen");
        s_.WaitForSettled();  // as between any two inputs of the soak
        if (keep)
            ClickCentre(GetDlgItem(options, IDOK));
        else
            PressKey(VK_ESCAPE);
        if (!WaitUntil([&] { return !IsWindow(options); }, 5000))
            return Fail(std::string("the Printing Options did not close after ") + (keep ? "a click on OK" : "Escape") +
                        " (" + FocusReport() + ")");
        if (keep && method != method_) {
            ++methodChanges_;
            method_ = method;
        }
        return BackToInfo(info);
    }

    // After the About box or the Printing Options closes, the Info dialog comes back to
    // the front; a click given while it is still being activated was seen lost once
    // (likely the activation taking the mouse capture from the button being pressed),
    // where a person would first see the box come back. Counted, to show how often that
    // moment is met.
    bool BackToInfo(HWND info) {
        if (!IsWindowVisible(info)) return Fail("the Info dialog went away");
        if (GetForegroundWindow() != info) ++infoBackLate_;
        if (!WaitUntil([&] { return GetForegroundWindow() == info && IsWindowEnabled(info); }, 5000))
            return Fail("the Info dialog did not come back to the front (" + FocusReport() + ")");
        s_.WaitForSettled();
        return true;
    }

    bool CloseInfo(HWND info) {
        if (Uniform(2)) {
            Note("closed by Done");
            ClickCentre(GetDlgItem(info, IDOK));
        } else {
            Note("closed by Escape");
            PressKey(VK_ESCAPE);
        }
        if (!WaitUntil([&] { return !IsWindow(info); }, 5000))
            return Fail("the Info dialog did not close (" + FocusReport() + ")");
        return Settle("the Info dialog");
    }

    bool Print(bool mayCancel = true) {
        const DWORD pid = s_.program().id();
        if (!Front()) return false;
        ForgetJob();
        if (Uniform(2))
            TypeChar('p');
        else
            ClickCentre(s_.Button(1002));
        HWND dialog = WaitForPrintDialog(pid, 10000);
        if (!dialog) return Fail("the print dialog did not open within 10 s");
        if (mayCancel && Uniform(6) == 0) {
            ++cancelledPrints_;
            AnswerBox(dialog, IDCANCEL);
            if (!WaitUntil([&] { return !IsWindow(dialog); }, 5000)) return Fail("the print dialog did not close");
            return Settle("a cancelled print");
        }
        AnswerBox(dialog, IDOK);
        const double start = NowMs();
        if (!WaitForJob(90000))
            return Fail(std::string("no complete print job (") + kMethodNames[method_] + ") within 90 s");
        printMs_[method_] += NowMs() - start;
        ++prints_[method_];
        return Settle("a print", 30000);
    }

    Session& s_;
    std::mt19937 random_;
    bool dialogs_, printing_;
    bool enabled_[kKinds] = {};  // the kinds of action taken part in
    OtherWindow other_;
    std::array<PageModel, kPageCount> pages_;
    std::array<bool, kPageCount> clean_ = {};
    int page_ = 0, colour_ = 2, method_ = 0;
    int kind_ = 0;
    std::string failure_;
    std::vector<std::string> recent_;  // the last few actions, for a failure's report
    int counts_[kKinds] = {};
    int outlineFills_ = 0, sameFills_ = 0, cleanClears_ = 0, abouts_ = 0, options_ = 0, methodChanges_ = 0;
    int prints_[3] = {}, cancelledPrints_ = 0;
    double printMs_[3] = {};
    int pageChecks_ = 0, screenMismatches_ = 0, minimised_ = 0, restores_ = 0, focusless_ = 0;
    int focusOnButton_[3] = {};  // a swatch, the Clear button, another button
    int infoBackLate_ = 0;       // times the Info dialog was not yet at the front after a box closed
};

// Reads every page file back with the program's own page reader and compares
// each cell with what was given. Returns false when a file does not read or a
// cell lost its colouring.
bool CheckPageFiles(const Session& s, const std::array<PageModel, kPageCount>& pages) {
    PaletteColour palette[256];
    BuildPaletteEntries(palette);
    std::vector<uint8_t> pixels(size_t(kPageWidth) * kPageHeight), scratch(pixels.size());
    int valid = 0, saved8bit = 0, lostCells = 0, pagesWithLoss = 0;
    for (int i = 0; i < kPageCount; ++i) {
        std::vector<uint8_t> bytes = testdata::ReadBytes(s.PagePath(i));
        MemorySource source(bytes.data(), bytes.size());
        PageImage image = {};
        const PageLoadResult result = ReadPageFile(source, testdata::PageSignature(s.edition()), palette, image,
                                                  pixels.data(), scratch.data());
        if (bytes.empty() || result != PageLoadResult::Loaded || PageWidth(image) != kPageWidth ||
            PageHeight(image) != kPageHeight) {
            std::printf("  page file %d (%s, %zu bytes) does not read as a page\n", i, s.PagePath(i).c_str(),
                        bytes.size());
            continue;
        }
        ++valid;
        saved8bit += bytes.size() == kSavedPageBytes;
        // Every pixel of every cell holds the cell's colour.
        std::array<int, kCells> wrong = {};
        for (int y = 0; y < kPageHeight; ++y)
            for (int x = 0; x < kPageWidth; ++x) {
                const int cell = CellAt(x, y);
                const uint8_t want = cell < 0 ? kLineIndex : pages[size_t(i)][size_t(cell)];
                if (pixels[PixelOffset(x, y, kPageWidth, kPageHeight)] != want) ++wrong[size_t(cell < 0 ? 0 : cell)];
            }
        int lost = 0;
        for (int n : wrong) lost += n != 0;
        if (lost) {
            ++pagesWithLoss;
            lostCells += lost;
            std::printf("  page file %d: %d cell(s) differ from the colouring given\n", i, lost);
        }
    }
    std::printf("page files: %d of %d read as pages (%d saved by the program); %d cell(s) on %d page(s) lost\n",
                valid, kPageCount, saved8bit, lostCells, pagesWithLoss);
    // Quit came after every action had settled: no change was in flight, so nothing may be lost.
    return valid == kPageCount && lostCells == 0;
}

int ArgOrEnv(int argc, char** argv, int index, const char* env, int fallback) {
    const char* text = argc > index ? argv[index] : std::getenv(env);
    return text && *text ? std::atoi(text) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const int actions = ArgOrEnv(argc, argv, 1, "SOAK_ACTIONS", 1000);
    const unsigned seed = unsigned(ArgOrEnv(argc, argv, 2, "SOAK_SEED", 18));
    const unsigned kinds = KindsNamed(std::getenv("SOAK_KINDS"));
    if (!kinds) {
        std::printf("soak: SOAK_KINDS is a comma-separated list of:");
        for (const char* key : kKindKeys) std::printf(" %s", key);
        std::printf("\n");
        return 1;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("soak: %d random actions on tintwell.exe, seed %u, kinds:", actions, seed);
    for (int k = 0; k < kKinds; ++k)
        if (kinds >> k & 1) std::printf(" %s", kKindKeys[k]);
    std::printf("\n");

    Session s(1, {}, GridRects());
    if (!s.window() || !s.DismissIntro()) {
        std::printf("soak FAILED: the program did not reach its colouring screen\n");
        return 1;
    }
    const DWORD pid = s.program().id();
    const std::string linuxPid = LinuxProcessOf("tintwell.exe");
    s.WaitForSettled();
    const long rssStart = LinuxStatusKb(linuxPid, "RssAnon");

    // What this program has: a dialog on I, a print dialog on P.
    Activate(s.window());
    TypeChar('i');
    HWND info = WaitForDialog(s, 110, 3000);
    const bool dialogs = info != nullptr;
    if (info) {
        PressKey(VK_ESCAPE);
        WaitUntil([&] { return !IsWindow(info); }, 5000);
    }
    s.WaitForSettled();
    bool printing = false;
    const bool printer = testprinter::Exists();
    if (printer) {
        Activate(s.window());
        TypeChar('p');
        HWND dialog = WaitForPrintDialog(pid, 5000);
        printing = dialog != nullptr;
        if (dialog) {
            AnswerBox(dialog, IDCANCEL);
            WaitUntil([&] { return !IsWindow(dialog); }, 5000);
        }
        s.WaitForSettled();
    }
    std::printf("the program has: Info dialog %s; printing %s\n", dialogs ? "yes" : "no",
                printing ? "yes" : !printer ? "not tried (no test printer defined)" : "no");

    Soak soak(s, seed, kinds, dialogs, printing);
    bool ok = soak.WarmUp();
    const long rssWarm = LinuxStatusKb(linuxPid, "RssAnon");
    std::printf("RssAnon: %ld kB at the colouring screen, %ld kB after the warm-up (one action of each kind taken "
                "part in; with the dialogs or printing, the About box and each printing method chosen and printed)\n",
                rssStart, rssWarm);
    long rssMax = rssWarm;
    const double start = NowMs();
    int done = 0;
    std::printf("RssAnon every 50 actions, kB:");
    for (; done < actions && ok; ++done) {
        ok = soak.Step();
        const long rss = LinuxStatusKb(linuxPid, "RssAnon");
        if (rss > rssMax) rssMax = rss;
        if ((done + 1) % 50 == 0) std::printf(" %ld", rss);
        if ((done + 1) % 500 == 0)
            std::printf(" (%d actions, %.0f s)%s", done + 1, (NowMs() - start) / 1000, done + 1 < actions ? "\n " : "");
    }
    std::printf("\n");
    const double seconds = (NowMs() - start) / 1000;
    const long rssEnd = LinuxStatusKb(linuxPid, "RssAnon");

    std::printf("actions: %d in %.0f s (%.2f s each), not counting the warm-up\n", done, seconds,
                done ? seconds / done : 0.0);
    soak.PrintCounts();
    std::printf("program memory (RssAnon, Linux pid %s): start %ld kB, after the warm-up %ld kB, end %ld kB, "
                "highest %ld kB; end - start %+ld kB, end - after the warm-up %+ld kB (target within 2048)\n",
                linuxPid.empty() ? "?" : linuxPid.c_str(), rssStart, rssWarm, rssEnd, rssMax, rssEnd - rssStart,
                rssEnd - rssWarm);
    // One row of the benchmark summary (tools/bench.sh collects the "table:" lines).
    const auto tableRow = [&](const char* outcome) {
        std::printf("table: | Soak, %d random actions (seed %u) | %s; RssAnon %.1f MB at start, %.1f MB after a "
                    "warm-up round, %.1f MB at the end (%+.1f MB from the warm-up, %+.1f MB from the start) | "
                    "no crash, hang or loss; within 2 MB |\n",
                    done, seed, outcome, rssStart / 1024.0, rssWarm / 1024.0, rssEnd / 1024.0,
                    (rssEnd - rssWarm) / 1024.0, (rssEnd - rssStart) / 1024.0);
    };

    if (!ok) {
        DWORD_PTR result = 0;
        const bool alive = s.program().WaitForExit(0) == STILL_ACTIVE;
        const bool responds =
            alive && SendMessageTimeoutA(s.window(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result) != 0;
        std::printf("soak FAILED at action %d (%s): %s; program %s\n", done, kKindNames[soak.kind()],
                    soak.failure().c_str(), !alive ? "gone" : responds ? "still answers messages" : "does not answer (hung)");
        std::printf("the last actions:");
        for (const std::string& r : soak.recent()) std::printf(" [%s]", r.c_str());
        std::printf("\n");
        SaveScreen("soak-failure.bmp");
        std::printf("the screen at the failure: soak-failure.bmp in the folder the soak ran in\n");
        // Answer whatever box is up, then try to quit, so the files can still be judged.
        for (HWND w : TopLevelWindows("#32770", pid))
            if (IsWindowVisible(w)) AnswerBox(w, IDOK);
        if (alive && responds) s.Quit();
        s.program().Kill();
        CheckPageFiles(s, soak.pages());
        tableRow(("FAILED at action " + std::to_string(done) + ": " + soak.failure()).c_str());
        return 1;
    }

    const DWORD code = s.Quit();
    if (code == STILL_ACTIVE) {
        std::printf("soak FAILED: the program did not end within 10 s of Quit (hang)\n");
        s.program().Kill();
        CheckPageFiles(s, soak.pages());
        tableRow("FAILED (hang at Quit)");
        return 1;
    }
    std::printf("quit: exit code %lu\n", code);
    const bool filesOk = CheckPageFiles(s, soak.pages());
    if (code != 0 || !filesOk) {
        std::printf("soak FAILED: %s\n", code != 0 ? "the program's exit code is not 0" : "page files (above)");
        tableRow("FAILED");
        return 1;
    }
    std::printf("soak passed: no crash, no hang, every page file valid, nothing lost\n");
    tableRow("passed");
    return 0;
}
