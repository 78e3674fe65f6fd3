// Undo and redo of a fill of the whole page on the real program, timed from
// the Ctrl+Z (or Ctrl+Y) key to the screen showing the last pixel of the page
// as it was: ten of each, alternating, after one fill of a page without
// outlines. Under Wine on the test display. The time includes the key's trip
// through the window system and up to one copy of the page from the screen
// (the benchmark's own sampling).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/e2e/support/session.h"
#include "tests/support/page_capture.h"
#include "tests/support/millis_now.h"

using namespace e2e;

namespace {

constexpr int kRuns = 10;

void PressWithCtrl(WORD key) {
    INPUT in[4] = {};
    for (INPUT& i : in) i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[3].ki.wVk = VK_CONTROL;
    in[1].ki.wVk = in[2].ki.wVk = key;
    in[2].ki.dwFlags = in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof(INPUT));
}

// Milliseconds from the key to a capture showing the whole page in `colour`, or -1.
double Time(PageCapture& capture, WORD key, COLORREF colour) {
    const double start = MillisNow();
    PressWithCtrl(key);
    while (!capture.AllOf(colour))
        if (MillisNow() - start > 5000) return -1;
    return MillisNow() - start;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int main() {
    Session s(1, {}, {});  // no outlines: a fill takes the whole page
    if (!s.window() || !s.DismissIntro() || !s.WaitForSettled()) {
        std::printf("undo: the program did not reach its colouring screen\n");
        return 1;
    }
    Activate(s.window());
    Click(kPageX + 330, kPageY + 230);
    if (!s.WaitForPixel(kPageX + 0, kPageY + 0, kRed, 20000) ||
        !WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000) || !s.WaitForSettled()) {
        std::printf("undo: the fill of the page did not finish\n");
        return 1;
    }
    PageCapture capture;
    std::vector<double> copies;
    for (int i = 0; i < kRuns; ++i) {
        const double start = MillisNow();
        capture.AllOf(kRed);
        copies.push_back(MillisNow() - start);
    }
    std::vector<double> undo, redo;
    for (int run = 0; run < kRuns; ++run) {
        undo.push_back(Time(capture, 'Z', kPaper));
        s.WaitForSettled();
        redo.push_back(Time(capture, 'Y', kRed));
        s.WaitForSettled();
    }
    std::printf("undo of a fill of the whole page (303600 pixels), key to last pixel on the screen\n  undo (ms):");
    for (double t : undo) std::printf(" %.1f", t);
    std::printf("\n  redo (ms):");
    for (double t : redo) std::printf(" %.1f", t);
    const double slowest = std::max(*std::max_element(undo.begin(), undo.end()),
                                    *std::max_element(redo.begin(), redo.end()));
    std::printf("\n  median undo %.1f ms, redo %.1f ms, slowest %.1f ms (-1: never shown); one copy of the page "
                "from the screen takes %.1f ms (median)\n",
                Median(undo), Median(redo), slowest, Median(copies));
    std::printf("table: | Undo of a fill of the whole page, Ctrl+Z to last pixel on the screen | %.1f ms, redo %.1f ms, "
                "slowest %.1f ms (medians of %d) | under 20 ms |\n",
                Median(undo), Median(redo), slowest, kRuns);
    s.Quit();
    return 0;
}
