// The pace of the real program's fill and clear, read from the screen: a fill
// of a large background and a clear of the page, five of each, timed from the
// click (or the key) to the screen showing the last pixel, against the
// designed n / 501 x 10 ms and 94 x 30 ms. Also prints the time to the first
// change on the page, the longest time after it that the page showed no
// change while the walk ran, and the processor time the program and the Wine
// server used meanwhile. Medians of five. Under Wine on the test display.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <queue>
#include <string>
#include <vector>

#include "tests/e2e/support/linux_process.h"
#include "tests/e2e/support/session.h"
#include "tests/support/page_capture.h"

using namespace e2e;

namespace {

constexpr int kRuns = 5;
constexpr int kW = PageCapture::kWidth, kH = PageCapture::kHeight;
// One small box: the background around it is most of the page.
const std::vector<testdata::PageRect> kBox = {{100, 100, 300, 300}};

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// ---- The page on the screen ---------------------------------------------------------


struct Walk {
    double ms = -1;        // input to the last pixel shown
    double firstChange = -1;  // input to the first change on the page
    double longestGap = 0;    // longest time without a change on the page after the first
    double programCpu = -1, serverCpu = -1;
};

// Sends the input, then watches the page until `done` holds for a capture.
template <typename Input, typename Done>
Walk Watch(const std::string& program, const std::string& server, Input input, Done done) {
    PageCapture capture;
    std::vector<uint32_t> previous, current;
    capture.Take(previous);
    Walk walk;
    // GetProcessTimes gives nothing for another process under Wine: /proc does.
    const double cpu0 = program.empty() ? -1 : LinuxCpuSeconds(program);
    const double server0 = server.empty() ? -1 : LinuxCpuSeconds(server);
    const double start = NowMs();
    input();
    double lastChange = start;
    for (;;) {
        capture.Take(current);
        const double now = NowMs();
        if (current != previous) {
            if (walk.firstChange < 0)
                walk.firstChange = now - start;
            else
                walk.longestGap = std::max(walk.longestGap, now - lastChange);
            lastChange = now;
            previous.swap(current);
            if (done(previous)) break;
        }
        if (now - start > 60000) return walk;  // never finished
        Sleep(3);  // the copies of the screen keep the X server busy: not too often
    }
    walk.ms = lastChange - start;
    const double cpu1 = program.empty() ? -1 : LinuxCpuSeconds(program);
    if (cpu0 >= 0 && cpu1 >= 0) walk.programCpu = cpu1 - cpu0;
    const double server1 = server.empty() ? -1 : LinuxCpuSeconds(server);
    if (server0 >= 0 && server1 >= 0) walk.serverCpu = server1 - server0;
    return walk;
}

// The pixels of the region of (x, y) bounded by the outline: what a fill from there paints.
std::vector<int> Region(int x, int y) {
    const auto isLine = testdata::OutlinedRects(kBox);
    std::vector<char> seen(size_t(kW) * kH, 0);
    std::vector<int> region;
    std::queue<int> open;
    open.push(y * kW + x);
    seen[size_t(y) * kW + x] = 1;
    while (!open.empty()) {
        const int p = open.front();
        open.pop();
        region.push_back(p);
        const int px = p % kW, py = p / kW;
        const int next[4][2] = {{px, py - 1}, {px, py + 1}, {px - 1, py}, {px + 1, py}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[1] < 0 || n[0] >= kW || n[1] >= kH) continue;
            const size_t at = size_t(n[1]) * kW + size_t(n[0]);
            if (seen[at] || isLine(n[0], n[1])) continue;
            seen[at] = 1;
            open.push(int(at));
        }
    }
    return region;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

// Prints the runs and their medians, and one row of the summary that tools/bench.sh prints at the end.
void Report(const char* what, double designed, const std::vector<Walk>& walks) {
    std::vector<double> ms, first, gap, cpu, server;
    for (const Walk& w : walks) {
        ms.push_back(w.ms);
        first.push_back(w.firstChange);
        gap.push_back(w.longestGap);
        cpu.push_back(w.programCpu);
        server.push_back(w.serverCpu);
    }
    std::printf("%s: designed %.0f ms\n  runs (ms):", what, designed);
    for (double m : ms) std::printf(" %.0f", m);
    const double median = Median(ms);
    std::printf("\n  median %.0f ms (%+.1f%% of designed); first change after %.0f ms (median)\n", median,
                100.0 * (median - designed) / designed, Median(first));
    std::printf("  longest pause after the first change: median %.0f ms, worst %.0f ms\n", Median(gap),
                *std::max_element(gap.begin(), gap.end()));
    std::printf("  processor time, median: program %.2f s, Wine server %.2f s\n", Median(cpu), Median(server));
    std::printf("table: | %c%s, input to last pixel on the screen | %.0f ms against %.0f ms designed (%+.1f%%), "
                "median of %zu | the designed pace |\n",
                std::toupper(static_cast<unsigned char>(what[0])), what + 1, median, designed,
                100.0 * (median - designed) / designed, walks.size());
}

}  // namespace

int main() {
    Session s(1, {}, kBox);
    if (!s.window() || !s.DismissIntro()) {
        std::printf("walk pace: the program did not reach its colouring screen\n");
        return 1;
    }
    const std::string server = LinuxWineServer();
    const std::string program = LinuxProcessOf("tintwell.exe");
    if (server.empty() || program.empty()) std::printf("(processor times are not available)\n");

    const int clickX = 500, clickY = 400;  // on the background
    const std::vector<int> background = Region(clickX, clickY);
    const double fillDesigned = double(background.size()) / 501.0 * 10.0;
    const double clearDesigned = 94 * 30.0;
    // A sample of the background, and its last pixel in the fill's order.
    std::vector<int> samples;
    for (size_t i = 0; i < background.size(); i += 97) samples.push_back(background[i]);
    samples.push_back(background.back());
    samples.push_back(0);  // the top-left corner, the clear's last pixel

    std::vector<Walk> fills, clears;
    for (int run = 0; run < kRuns; ++run) {
        // A different colour each time: a fill in the colour already there does nothing.
        const ControlLook swatch = ColouringScreenControls()[size_t(6 + 2 * run)];
        Activate(s.window());
        Click(swatch.x + 22, swatch.y + 22);
        WaitForArt(s.art(), swatch.bitmap.c_str(), 0, 45, swatch.x, swatch.y, 45, 45, 3000);
        s.WaitForSettled();
        const COLORREF paper = ScreenPixel(kPageX + clickX, kPageY + clickY);

        Activate(s.window());
        fills.push_back(Watch(program, server, [&] { Click(kPageX + clickX, kPageY + clickY); },
                              [&](const std::vector<uint32_t>& page) {
                                  for (int p : samples)
                                      if (NearColour(page[size_t(p)], paper)) return false;
                                  return true;
                              }));
        WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000);
        s.WaitForSettled();

        Activate(s.window());
        clears.push_back(Watch(program, server, [&] { TypeChar('c'); },
                               [&](const std::vector<uint32_t>& page) {
                                   for (int p : samples)
                                       if (!NearColour(page[size_t(p)], kPaper)) return false;
                                   return true;
                               }));
        WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000);
        s.WaitForSettled();
    }

    char what[128];
    std::snprintf(what, sizeof what, "fill of a %zu-pixel background", background.size());
    Report(what, fillDesigned, fills);
    Report("clear of the page", clearDesigned, clears);
    s.Quit();
    return 0;
}
