#include "page/fill.h"

#include <cstring>

#include "page/colours.h"
#include "page/page_image.h"
#include "page/point_queue.h"
#include "support/gmem.h"

namespace {

constexpr uint8_t kNotReached = 1;  // the clear wave's visited map
constexpr uint8_t kReached = 37;

bool gWalkRunning = false;

// Holds the running flag for the length of one walk.
struct RunningFlag {
    RunningFlag() { gWalkRunning = true; }
    ~RunningFlag() { gWalkRunning = false; }
};

struct PageView {
    uint8_t* pixels;
    int width;
    int height;
};

// The page in memory, or false when there is none the walk could safely use.
bool CurrentPage(PageView& page) {
    page = {lpDib, PageWidth(gPageImage), PageHeight(gPageImage)};
    return page.pixels && page.width > 0 && page.height > 0 &&
           size_t(page.width) * size_t(page.height) <= kDibBytes;
}

// Every pixel is changed when queued, so apart from the start none is queued
// twice: a queue with room for the largest page plus one never runs out.
static_assert(kPointQueueCapacity >= kDibBytes + 1, "the walks' queue holds a whole page");

// The frame pacing and the switch to the looping sound, common to both walks.
class Pacing {
public:
    Pacing(WalkHost& host, int loopSound) : host_(host), loopSound_(loopSound) {
        start_ = lastFrame_ = host.TickCount();
    }
    // Spins from `now` until `gap` ms have passed since the last frame, starts
    // the looping sound once the walk has lasted long enough, and draws.
    void Frame(uint32_t now, uint32_t gap) {
        while (now - lastFrame_ < gap) now = host_.TickCount();  // unsigned: safe across the wrap
        lastFrame_ = now;
        if (!looping_ && now - start_ > kLoopAfterMs) {
            host_.PlaySoundLoop(loopSound_);
            looping_ = true;
        }
        host_.DrawFrame();
    }
    // The last frame; the one-shot sound is left to play out.
    void Finish() {
        host_.DrawFrame();
        if (looping_) host_.StopSounds();
    }

private:
    WalkHost& host_;
    int loopSound_;
    uint32_t start_;
    uint32_t lastFrame_;
    bool looping_ = false;
};

}  // namespace

bool WalkRunning() { return gWalkRunning; }

size_t FillRegion(WalkHost& host, int x, int y, uint8_t colour) {
    PageView page;
    if (gWalkRunning || !CurrentPage(page)) return 0;
    if (x < 0 || y < 0 || x >= page.width || y >= page.height) return 0;
    PointQueue queue(x, y);
    if (queue.Empty()) return 0;  // no storage: the allocation failed
    RunningFlag running;

    host.PlaySoundOnce(kFirstFillSound + host.RandomBelow(4));
    Pacing pacing(host, kFillLoopSound);

    const int width = page.width, height = page.height;
    uint8_t* const pixels = page.pixels;
    auto reach = [&](size_t at, int nx, int ny) {
        uint8_t& pixel = pixels[at];
        if (pixel != kLineIndex && pixel != colour && queue.Push(nx, ny)) pixel = colour;
    };

    size_t processed = 0;
    unsigned sinceFrame = 0;
    while (!queue.Empty()) {
        const QueuedPoint p = queue.Front();
        const size_t at = PixelOffset(p.x, p.y, width, height);  // rows bottom-up: up is +width
        if (p.y > 0) reach(at + width, p.x, p.y - 1);
        if (p.y + 1 < height) reach(at - width, p.x, p.y + 1);
        if (p.x > 0) reach(at - 1, p.x - 1, p.y);
        if (p.x + 1 < width) reach(at + 1, p.x + 1, p.y);
        queue.Pop();
        ++processed;

        const uint32_t now = host.TickCount();
        if (++sinceFrame >= kPixelsPerFillFrame) {
            sinceFrame = 0;
            pacing.Frame(now, kFillFrameMs);
        }
        host.PumpOneMessage();
        if (lpDib != pixels) break;  // a message handled above released the page
    }
    pacing.Finish();
    return processed;
}

size_t ClearWave(WalkHost& host) {
    PageView page;
    if (gWalkRunning || !CurrentPage(page) || !lpDibClear) return 0;
    const QueuedPoint centre = {page.width / 2, page.height / 2};
    PointQueue queue(centre.x, centre.y);
    if (queue.Empty()) return 0;  // no storage: the allocation failed
    RunningFlag running;

    const int width = page.width, height = page.height;
    uint8_t* const pixels = page.pixels;
    uint8_t* const visited = lpDibClear;
    std::memset(visited, kNotReached, size_t(width) * size_t(height));
    host.PlaySoundOnce(kClearSound);
    Pacing pacing(host, kClearLoopSound);

    // The visited map, not the page, bounds the wave: it passes through outlines.
    auto reach = [&](size_t at, int nx, int ny) {
        if (visited[at] == kReached || !queue.Push(nx, ny)) return;
        visited[at] = kReached;
        if (pixels[at] != kLineIndex) pixels[at] = kPaperIndex;
    };

    size_t processed = 0;
    QueuedPoint current = centre, reference = centre;
    while (!queue.Empty()) {
        // A batch ends with the first pixel at least 6 further along x + y
        // than the one that ended the batch before: the diamond grows by 6.
        while (!queue.Empty() && current.x + current.y < reference.x + reference.y + kClearBatchStep) {
            current = queue.Front();
            const int x = current.x, y = current.y;
            const size_t at = PixelOffset(x, y, width, height);
            if (y > 0) reach(at + width, x, y - 1);
            if (y + 1 < height) reach(at - width, x, y + 1);
            if (x > 0) reach(at - 1, x - 1, y);
            if (x + 1 < width) reach(at + 1, x + 1, y);
            queue.Pop();
            ++processed;
        }
        reference = current;
        pacing.Frame(host.TickCount(), kClearFrameMs);
        host.PumpOneMessage();
        if (lpDib != pixels || lpDibClear != visited) break;  // released by a handled message
    }
    pacing.Finish();
    return processed;
}
