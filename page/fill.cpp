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

// The frame pacing, the switch to the looping sound and the looks for waiting
// messages, common to both walks.
//
// A look is a round trip to the window system, which under Wine costs more
// than processing a few hundred pixels; looking after every pixel made large
// fills take twice their time. So a walk looks after every kPixelsPerLook
// pixels and, while it waits for its next frame, whenever a message arrives
// and each time the clock moves on: a message waits a millisecond at most.
class Pacing {
public:
    Pacing(WalkHost& host, int loopSound, const uint8_t* pixels, const uint8_t* visited)
        : host_(host), loopSound_(loopSound), pixels_(pixels), visited_(visited) {
        start_ = lastFrame_ = lastLook_ = host.TickCount();
    }
    // After each processed pixel. False once a handled message has released the page.
    bool Pixel() {
        if (++sinceLook_ < kPixelsPerLook) return true;
        return Look();
    }
    // Waits from `now` until `gap` ms have passed since the last frame, starts
    // the looping sound once the walk has lasted long enough, and draws. False,
    // without drawing, once a message handled while waiting has released the page.
    bool Frame(uint32_t now, uint32_t gap) {
        while (now - lastFrame_ < gap) {  // unsigned: safe across the wrap
            if (now != lastLook_ && !Look()) return false;
            const uint32_t left = gap - (now - lastFrame_);
            if (left > kSpinBeforeFrameMs) {
                host_.WaitForMessage(left - kSpinBeforeFrameMs);
                if (!Look()) return false;
            }
            now = host_.TickCount();
        }
        lastFrame_ = now;
        if (!looping_ && now - start_ > kLoopAfterMs) {
            host_.PlaySoundLoop(loopSound_);
            looping_ = true;
        }
        host_.DrawFrame();
        return true;
    }
    // The last frame; the one-shot sound is left to play out.
    void Finish() {
        host_.DrawFrame();
        if (looping_) host_.StopSounds();
    }

private:
    // Handles one waiting message, if any; false when that released the page.
    bool Look() {
        sinceLook_ = 0;
        lastLook_ = host_.TickCount();
        host_.PumpOneMessage();
        return lpDib == pixels_ && (!visited_ || lpDibClear == visited_);
    }

    WalkHost& host_;
    int loopSound_;
    const uint8_t* pixels_;
    const uint8_t* visited_;
    uint32_t start_;
    uint32_t lastFrame_;
    uint32_t lastLook_;
    unsigned sinceLook_ = 0;
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

    const int width = page.width, height = page.height;
    uint8_t* const pixels = page.pixels;
    host.PlaySoundOnce(kFirstFillSound + host.RandomBelow(4));
    Pacing pacing(host, kFillLoopSound, pixels, nullptr);
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
            if (!pacing.Frame(now, kFillFrameMs)) break;  // a handled message released the page
        }
        if (!pacing.Pixel()) break;
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
    Pacing pacing(host, kClearLoopSound, pixels, visited);

    // The visited map, not the page, bounds the wave: it passes through outlines.
    auto reach = [&](size_t at, int nx, int ny) {
        if (visited[at] == kReached || !queue.Push(nx, ny)) return;
        visited[at] = kReached;
        if (pixels[at] != kLineIndex) pixels[at] = kPaperIndex;
    };

    size_t processed = 0;
    QueuedPoint current = centre, reference = centre;
    bool pageKept = true;  // false once a handled message has released the page
    while (pageKept && !queue.Empty()) {
        // A batch ends with the first pixel at least 6 further along x + y
        // than the one that ended the batch before: the diamond grows by 6.
        while (pageKept && !queue.Empty() &&
               current.x + current.y < reference.x + reference.y + kClearBatchStep) {
            current = queue.Front();
            const int x = current.x, y = current.y;
            const size_t at = PixelOffset(x, y, width, height);
            if (y > 0) reach(at + width, x, y - 1);
            if (y + 1 < height) reach(at - width, x, y + 1);
            if (x > 0) reach(at - 1, x - 1, y);
            if (x + 1 < width) reach(at + 1, x + 1, y);
            queue.Pop();
            ++processed;
            pageKept = pacing.Pixel();
        }
        reference = current;
        if (pageKept) pageKept = pacing.Frame(host.TickCount(), kClearFrameMs);
    }
    pacing.Finish();
    return processed;
}
