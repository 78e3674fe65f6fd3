// The fill and clear walks without pacing (a clock that jumps 10 ms per read,
// drawing and messages doing nothing), against a textbook std::queue
// breadth-first fill of the same regions, on a blank page and on a page of
// 9 x 9 cells. Prints pixels per second, allocations per fill, and the time
// between frames: the program's own work per frame, drawing excluded. Times
// are the process's CPU time, best of five runs taken in turns; allocations
// are counted over all five runs. The walks' queue storage is taken by the
// first walk and kept: that one allocation is printed on its own.
// Aims: at least twice the textbook fill; under 5% of the frame interval.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <queue>
#include <string>
#include <utility>
#include <vector>

#include <time.h>

#include "page/colours.h"
#include "page/fill.h"
#include "page/page_image.h"
#include "support/gmem.h"

// ---- Allocation counting: every operator new of the program ----------------------

static long gAllocations = 0;
static size_t gAllocatedBytes = 0;

void* operator new(size_t n) {
    ++gAllocations;
    gAllocatedBytes += n;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t n) { return ::operator new(n); }
void* operator new(size_t n, const std::nothrow_t&) noexcept {
    ++gAllocations;
    gAllocatedBytes += n;
    return std::malloc(n ? n : 1);
}
void* operator new[](size_t n, const std::nothrow_t& t) noexcept { return ::operator new(n, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }

// The walks' queue storage comes from the block allocator: counted the same way.
static void* CountedBlock(size_t n) {
    ++gAllocations;
    gAllocatedBytes += n;
    return std::calloc(1, n);
}

namespace {

// The process's own CPU time: the machine may be busy with other work, and
// time spent waiting for a processor is not the walk's.
struct Clock {
    using time_point = double;  // seconds
    static double now() {
        timespec t;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    }
};

double Seconds(double from) { return Clock::now() - from; }

constexpr int kW = 660, kH = 460;

// No pacing: each tick read is 10 ms on, so no frame ever waits. Frames only
// note the real time, to measure the work between them.
class JumpHost : public WalkHost {
public:
    std::vector<Clock::time_point> frames;
    bool recordFrames = false;
    uint32_t TickCount() override { return ticks_ += 10; }
    void DrawFrame() override {
        if (recordFrames) frames.push_back(Clock::now());
    }
    bool PumpOneMessage() override { return false; }
    void WaitForMessage(uint32_t) override {}
    void PlaySoundOnce(int) override {}
    void PlaySoundLoop(int) override {}
    void StopSounds() override {}
    int RandomBelow(int) override { return 0; }

private:
    uint32_t ticks_ = 0;
};

uint8_t& At(int x, int y) { return lpDib[PixelOffset(x, y, kW, kH)]; }

void BlankPage() { std::fill(lpDib, lpDib + kDibBytes, kPaperIndex); }

// Outline every 10th row and column: 66 x 46 cells of 9 x 9 pixels.
void GridPage() {
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) At(x, y) = (x % 10 == 0 || y % 10 == 0) ? kLineIndex : kPaperIndex;
}

// The start of every region: the page centre for the blank page, a pixel in
// each cell for the grid.
std::vector<std::pair<int, int>> Starts(bool grid) {
    if (!grid) return {{330, 230}};
    std::vector<std::pair<int, int>> starts;
    for (int y = 1; y < kH; y += 10)
        for (int x = 1; x < kW; x += 10) starts.push_back({x + 4, y + 4});
    return starts;
}

// The textbook fill: std::queue of pairs, same rule and neighbour order, changed on push.
size_t TextbookFill(int x, int y, uint8_t colour) {
    std::queue<std::pair<int, int>> queue;
    queue.push({x, y});
    size_t processed = 0;
    while (!queue.empty()) {
        const auto [cx, cy] = queue.front();
        queue.pop();
        ++processed;
        const std::pair<int, int> next[4] = {{cx, cy - 1}, {cx, cy + 1}, {cx - 1, cy}, {cx + 1, cy}};
        for (const auto& [nx, ny] : next) {
            if (nx < 0 || ny < 0 || nx >= kW || ny >= kH) continue;
            uint8_t& pixel = At(nx, ny);
            if (pixel == kLineIndex || pixel == colour) continue;
            pixel = colour;
            queue.push({nx, ny});
        }
    }
    return processed;
}

// The same walk over a singly linked list with one heap node per queued
// position, freed as it leaves: what the page-sized storage replaces.
size_t NodePerPixelFill(int x, int y, uint8_t colour) {
    struct Node {
        Node* next;
        int32_t x, y;
    };
    Node* head = new Node{nullptr, x, y};
    Node* tail = head;
    size_t processed = 0;
    while (head) {
        const int cx = head->x, cy = head->y;
        const std::pair<int, int> next[4] = {{cx, cy - 1}, {cx, cy + 1}, {cx - 1, cy}, {cx + 1, cy}};
        for (const auto& [nx, ny] : next) {
            if (nx < 0 || ny < 0 || nx >= kW || ny >= kH) continue;
            uint8_t& pixel = At(nx, ny);
            if (pixel == kLineIndex || pixel == colour) continue;
            pixel = colour;
            tail = tail->next = new Node{nullptr, nx, ny};
        }
        Node* done = head;
        head = head->next;
        delete done;
        ++processed;
    }
    return processed;
}

std::string Format(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

struct Figures {
    double pixelsPerSecond;
    long allocations;
    size_t fills;
};

// Allocations per fill, never rounded to a misleading 0 or 1.
const char* PerFill(long allocations, size_t fills) {
    static char text[32];
    const double perFill = fills ? double(allocations) / double(fills) : 0;
    if (allocations == 0 || perFill >= 10)
        std::snprintf(text, sizeof text, "%.0f", perFill);
    else
        std::snprintf(text, sizeof text, "%.4g", perFill);
    return text;
}

// Fills every region of the page over and over, alternating two colours so
// each round repaints everything, for at least `minSeconds`.
template <typename FillOne>
Figures MeasureFill(bool grid, FillOne fillOne, double minSeconds = 0.2) {
    grid ? GridPage() : BlankPage();
    const std::vector<std::pair<int, int>> starts = Starts(grid);
    size_t pixels = 0, fills = 0;
    const long allocationsBefore = gAllocations;
    const Clock::time_point begin = Clock::now();
    for (int round = 0; round < 2 || Seconds(begin) < minSeconds; ++round) {
        const uint8_t colour = uint8_t(2 + round % 2);
        for (const auto& [x, y] : starts) {
            pixels += fillOne(x, y, colour);
            ++fills;
        }
    }
    const double seconds = Seconds(begin);
    return {double(pixels) / seconds, gAllocations - allocationsBefore, fills};
}

double MeasureClear(bool grid, double minSeconds = 0.2) {
    JumpHost host;
    size_t pixels = 0;
    const Clock::time_point begin = Clock::now();
    for (int round = 0; round < 2 || Seconds(begin) < minSeconds; ++round) {
        grid ? GridPage() : BlankPage();
        At(100, 100) = 5;  // painted, as a clear would find it
        pixels += ClearWave(host) - 1;  // the centre counts once
    }
    // The page preparation is included; it is a plain memory pass, small beside the walk.
    return double(pixels) / Seconds(begin);
}

struct FrameWork {
    double meanMs;
    double maxMs;
    size_t frames;
};

// Real time between consecutive frames of one walk: the walk's own work per
// frame (and the tick and message calls, which do nothing here).
FrameWork FrameTimes(const std::vector<Clock::time_point>& frames) {
    FrameWork work = {0, 0, frames.size()};
    if (frames.size() < 3) return work;
    // The last frame is the final one, straight after the last batch frame.
    for (size_t i = 1; i + 1 < frames.size(); ++i) {
        const double ms = (frames[i] - frames[i - 1]) * 1e3;
        work.meanMs += ms;
        work.maxMs = std::max(work.maxMs, ms);
    }
    work.meanMs /= double(frames.size() - 2);
    return work;
}

FrameWork FillFrameWork() {
    JumpHost host;
    host.recordFrames = true;
    BlankPage();
    FillRegion(host, 330, 230, 4);  // warm
    host.frames.clear();
    FillRegion(host, 330, 230, 5);
    return FrameTimes(host.frames);
}

FrameWork ClearFrameWork() {
    JumpHost host;
    host.recordFrames = true;
    BlankPage();
    ClearWave(host);
    host.frames.clear();
    At(1, 1) = 3;
    ClearWave(host);
    return FrameTimes(host.frames);
}

}  // namespace

int main() {
    static const BlockAllocator counted = {CountedBlock, std::free};
    SetBlockAllocator(&counted);
    std::vector<uint8_t> page(kDibBytes), visited(kDibBytes);
    lpDib = page.data();
    lpDibClear = visited.data();
    WriteU32(gPageImage.info + 4, kW);
    WriteU32(gPageImage.info + 8, kH);

    JumpHost host;
    auto walk = [&](int x, int y, uint8_t colour) {
        const size_t processed = FillRegion(host, x, y, colour);
        return processed > 1 ? processed - 1 : processed;  // the start counts once
    };
    auto textbook = [](int x, int y, uint8_t colour) {
        const size_t processed = TextbookFill(x, y, colour);
        return processed > 1 ? processed - 1 : processed;
    };
    auto nodes = [](int x, int y, uint8_t colour) {
        const size_t processed = NodePerPixelFill(x, y, colour);
        return processed > 1 ? processed - 1 : processed;
    };

    std::printf("fill and clear walk, 660 x 460 page, no pacing, CPU time\n\n");
    // The first walk takes the queue storage that every later walk reuses.
    const long allocationsBefore = gAllocations;
    const size_t bytesBefore = gAllocatedBytes;
    BlankPage();
    FillRegion(host, 0, 0, 2);
    std::printf("first walk, taking the queue storage: %ld allocation(s), %zu bytes\n\n", gAllocations - allocationsBefore,
                gAllocatedBytes - bytesBefore);

    std::printf("%-34s %14s %14s %10s\n", "", "Mpixels/s", "allocs/fill", "vs textbook");
    std::string rows;
    for (bool grid : {false, true}) {
        const char* name = grid ? "cells of 9 x 9 (3036 fills/round)" : "blank page (one fill/round)";
        // Best of five, taken in turns, so that other load on the machine hits both alike.
        Figures ours = {0, 0, 0}, book = {0, 0, 0}, list = {0, 0, 0};
        double clear = 0;
        auto keep = [](Figures& best, const Figures& run) {
            best.pixelsPerSecond = std::max(best.pixelsPerSecond, run.pixelsPerSecond);
            best.allocations += run.allocations;
            best.fills += run.fills;
        };
        for (int trial = 0; trial < 5; ++trial) {
            keep(ours, MeasureFill(grid, walk));
            keep(book, MeasureFill(grid, textbook));
            keep(list, MeasureFill(grid, nodes));
            clear = std::max(clear, MeasureClear(grid));
        }
        std::printf("%s\n", name);
        std::printf("  %-32s %14.1f %14s %9.2fx\n", "FillRegion", ours.pixelsPerSecond / 1e6,
                    PerFill(ours.allocations, ours.fills), ours.pixelsPerSecond / book.pixelsPerSecond);
        std::printf("  %-32s %14.1f %14s\n", "textbook std::queue fill", book.pixelsPerSecond / 1e6,
                    PerFill(book.allocations, book.fills));
        std::printf("  %-32s %14.1f %14s\n", "one heap node per pixel", list.pixelsPerSecond / 1e6,
                    PerFill(list.allocations, list.fills));
        std::printf("  %-32s %14.1f\n", "ClearWave", clear / 1e6);
        // One row of the summary that tools/bench.sh prints at the end.
        rows += std::string("table: | Fill walk without pacing, ") + name + " | " +
                Format("%.2f x the textbook std::queue fill (%.0f against %.0f Mpixels/s), %s allocations a fill",
                       ours.pixelsPerSecond / book.pixelsPerSecond, ours.pixelsPerSecond / 1e6,
                       book.pixelsPerSecond / 1e6, PerFill(ours.allocations, ours.fills)) +
                " | none set |\n";
    }

    const FrameWork fill = FillFrameWork();
    const FrameWork clear = ClearFrameWork();
    std::printf("\nwork per frame, drawing excluded (%zu fill frames, %zu clear frames)\n", fill.frames, clear.frames);
    std::printf("  fill, 501 entries:   mean %.4f ms, max %.4f ms = %.2f%% / %.2f%% of the 10 ms interval\n", fill.meanMs,
                fill.maxMs, fill.meanMs * 10, fill.maxMs * 10);
    std::printf("  clear, one batch:    mean %.4f ms, max %.4f ms = %.2f%% / %.2f%% of the 30 ms interval\n",
                clear.meanMs, clear.maxMs, clear.meanMs * 100 / 30, clear.maxMs * 100 / 30);
    std::printf("%s", rows.c_str());
    return 0;
}
