// The memory of the undo history and the time of an undo, on the real fill
// and clear walks (without pacing) and the pages of edition 1:
//  - 20 typical fills on each of ten pages: clicks at random points of the
//    page off the outline, in random colours, as a child clicks (large areas
//    are hit more often); the memory their 20 steps hold;
//  - a fill of a page without outlines (every pixel), a clear of a page
//    painted all over, and a change of every pixel to noise (the largest step
//    there can be): each step's size;
//  - the program's own work for an undo and a redo of the whole-page fill
//    (drawing excluded), median of 101.
// Run from the repository root (tools/bench.sh does), which holds the pages.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "page/colours.h"
#include "page/fill.h"
#include "page/history.h"
#include "page/page_file.h"
#include "page/page_image.h"
#include "support/gmem.h"

namespace {

constexpr int kW = 660, kH = 460;
constexpr int kSteps = 20;
constexpr int kPages = 10;

struct QuietHost : WalkHost {
    uint32_t now = 0;
    uint32_t TickCount() override { return now += 10; }
    void DrawFrame() override {}
    bool PumpOneMessage() override { return false; }
    void WaitForMessage(uint32_t) override {}
    void PlaySoundOnce(int) override {}
    void PlaySoundLoop(int) override {}
    void StopSounds() override {}
    int RandomBelow(int) override { return 0; }
};

double NowMs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

std::vector<uint8_t> page(kDibBytes), scratch(kDibBytes), visited(kDibBytes);
QuietHost host;

bool LoadPage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    MemorySource source(bytes.data(), bytes.size());
    PaletteColour palette[256];
    BuildPaletteEntries(palette);
    return ReadPageFile(source, 0x4F43, palette, gPageImage, page.data(), scratch.data()) == PageLoadResult::Loaded;
}

// The step a change makes, as the program records it; its size in bytes.
template <typename Change>
size_t Record(PageHistory& history, Change change) {
    history.BeginChange(page.data(), page.size(), PageIsClean(gPageImage));
    const size_t before = history.BytesUsed();  // the copy of the page is taken now
    change();
    history.CommitChange(page.data(), page.size(), PageIsClean(gPageImage));
    return history.BytesUsed() - before;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    lpDib = page.data();
    lpDibClear = visited.data();
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("editions/1/pages", error))
        if (entry.path().extension() == ".col") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    if (files.size() < size_t(kPages)) {
        std::printf("undo: run from the repository root: no pages of edition 1 in editions/1/pages\n");
        return 1;
    }

    // Twenty typical fills a page.
    std::mt19937 random(26);
    std::vector<double> perPage;
    size_t largest = 0, steps = 0;
    for (size_t f = 0; f < files.size() && perPage.size() < size_t(kPages); f += files.size() / kPages) {
        if (!LoadPage(files[f])) continue;
        PageHistory history;
        int fills = 0;
        while (fills < kSteps) {
            const int x = int(random() % kW), y = int(random() % kH);
            const uint8_t colour = uint8_t(1 + random() % 36);
            const uint8_t pixel = page[PixelOffset(x, y, kW, kH)];
            if (pixel == kLineIndex || pixel == colour) continue;  // the program ignores such clicks
            const size_t step = Record(history, [&] { FillRegion(host, x, y, colour); });
            largest = std::max(largest, step);
            ++fills;
        }
        steps += history.UndoSteps();
        perPage.push_back(double(history.BytesUsed() - kDibBytes));
    }
    const double typical = Median(perPage);
    std::printf("20 typical fills on each of %zu pages of edition 1 (%zu steps kept of %zu):\n  steps' bytes a page:",
                perPage.size(), steps, perPage.size() * kSteps);
    for (double b : perPage) std::printf(" %.0f", b);
    std::printf("\n  median %.1f KB for 20 steps (%.0f bytes a step), largest step %.1f KB; plus the history's copy of "
                "the page, %zu bytes\n",
                typical / 1024, typical / kSteps, double(largest) / 1024, kDibBytes);

    // The large steps.
    PageHistory history;
    std::fill(page.begin(), page.end(), kPaperIndex);
    const size_t wholeFill = Record(history, [&] { FillRegion(host, 330, 230, 5); });
    for (size_t i = 0; i < page.size(); ++i) page[i] = i % 97 == 0 ? kLineIndex : uint8_t(1 + (i / 5) % 36);
    SetPageClean(gPageImage, false);
    PageHistory clearHistory;
    const size_t clear = Record(clearHistory, [&] { ClearWave(host); });
    std::mt19937 noise(1);
    PageHistory noiseHistory;
    const size_t worst = Record(noiseHistory, [&] {
        for (uint8_t& p : page) p = uint8_t(1 + (p + noise() % 36) % 37);
    });
    std::printf("step of a fill of the whole page %zu bytes; of a clear of a page painted in stripes of 5 pixels %zu "
                "bytes; of every pixel changed to noise %zu bytes (%d such steps: %.2f MB of the %.0f MB budget)\n",
                wholeFill, clear, worst, kSteps, double(kDibBytes + kSteps * worst) / 1048576.0,
                double(kHistoryBudgetBytes) / 1048576.0);

    // Undo and redo of the whole-page fill.
    std::fill(page.begin(), page.end(), kPaperIndex);
    PageHistory timed;
    Record(timed, [&] { FillRegion(host, 330, 230, 5); });
    std::vector<double> undo, redo;
    bool clean = false;
    for (int i = 0; i < 101; ++i) {
        double start = NowMs();
        timed.Undo(page.data(), page.size(), clean);
        undo.push_back(NowMs() - start);
        start = NowMs();
        timed.Redo(page.data(), page.size(), clean);
        redo.push_back(NowMs() - start);
    }
    std::printf("undo of the whole-page fill %.3f ms, redo %.3f ms (medians of 101, drawing excluded)\n", Median(undo),
                Median(redo));
    std::printf("table: | Undo history: 20 typical fills of a page | %.1f KB (median of %zu pages of edition 1; largest "
                "step %.1f KB), plus a %zu-byte copy of the page; a whole-page fill's step %zu bytes | within the %.0f MB "
                "budget |\n",
                typical / 1024, perPage.size(), double(largest) / 1024, kDibBytes, wholeFill,
                double(kHistoryBudgetBytes) / 1048576.0);
    return 0;
}
