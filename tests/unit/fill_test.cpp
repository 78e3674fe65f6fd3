#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "page/colours.h"
#include "page/fill.h"
#include "page/page_image.h"
#include "page/point_queue.h"
#include "tests/unit/support/counting_storage.h"
#include "support/gmem.h"

namespace {

enum class Kind { Once, Loop, Stop, Draw };

struct Event {
    Kind kind;
    int sound;      // Once, Loop
    uint32_t time;  // the last tick count the walk read
    size_t pumps;   // messages pumped before this event
};

// A clock that moves on a few microseconds every time it is read, and a record
// of everything the walk asks of the platform.
class FakeHost : public WalkHost {
public:
    uint32_t base = 5000;  // milliseconds at the first read
    uint32_t microsPerRead = 5;
    int random = 0;

    std::vector<Event> events;
    std::vector<int> randomAsked;
    size_t pumps = 0;
    size_t waits = 0;
    std::vector<uint32_t> lookTimes;  // the clock at every look for messages
    std::function<void()> onDraw;
    std::function<void()> onPump;

    uint32_t Now() const { return base + uint32_t(micros_ / 1000); }
    uint32_t TickCount() override {
        lastRead_ = Now();
        micros_ += microsPerRead;
        return lastRead_;
    }
    void DrawFrame() override {
        events.push_back({Kind::Draw, 0, lastRead_, pumps});
        if (onDraw) onDraw();
    }
    // Waiting for a message is listening for one: every millisecond of the wait counts as a look.
    void WaitForMessage(uint32_t milliseconds) override {
        ++waits;
        for (uint32_t i = 0; i < milliseconds; ++i) {
            lookTimes.push_back(Now());
            micros_ += 1000;
        }
    }
    bool PumpOneMessage() override {
        ++pumps;
        lookTimes.push_back(Now());
        if (onPump) onPump();
        return false;
    }
    void PlaySoundOnce(int sound) override { events.push_back({Kind::Once, sound, Now(), pumps}); }
    void PlaySoundLoop(int sound) override { events.push_back({Kind::Loop, sound, lastRead_, pumps}); }
    void StopSounds() override { events.push_back({Kind::Stop, 0, lastRead_, pumps}); }
    int RandomBelow(int n) override {
        randomAsked.push_back(n);
        return random;
    }

    std::vector<Event> Only(Kind kind) const {
        std::vector<Event> out;
        for (const Event& e : events)
            if (e.kind == kind) out.push_back(e);
        return out;
    }
    std::vector<Kind> Sounds() const {
        std::vector<Kind> out;
        for (const Event& e : events)
            if (e.kind != Kind::Draw) out.push_back(e.kind);
        return out;
    }

private:
    uint64_t micros_ = 0;
    uint32_t lastRead_ = 0;
};

constexpr int kW = 660;
constexpr int kH = 460;

// A page of the given size in place of the program's, restored afterwards.
class Walk : public testing::Test {
protected:
    void SetUp() override {
        savedDib_ = lpDib;
        savedClear_ = lpDibClear;
        std::memcpy(savedInfo_, gPageImage.info, sizeof savedInfo_);
        page_.assign(kDibBytes, kPaperIndex);
        visited_.assign(kDibBytes, 0);
        lpDib = page_.data();
        lpDibClear = visited_.data();
        SetSize(kW, kH);
    }
    void TearDown() override {
        lpDib = savedDib_;
        lpDibClear = savedClear_;
        std::memcpy(gPageImage.info, savedInfo_, sizeof savedInfo_);
        ReleaseWalkStorage();
        SetBlockAllocator(nullptr);
    }

    void SetSize(int width, int height) {
        width_ = width;
        height_ = height;
        WriteU32(gPageImage.info + 4, uint32_t(width));
        WriteU32(gPageImage.info + 8, uint32_t(height));
    }
    uint8_t& At(int x, int y) { return page_[PixelOffset(x, y, width_, height_)]; }
    uint8_t Visited(int x, int y) { return visited_[PixelOffset(x, y, width_, height_)]; }
    void Paint(int x0, int y0, int x1, int y1, uint8_t colour) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) At(x, y) = colour;
    }
    // A one-pixel outline around the rectangle x0..x1, y0..y1 (the outline itself).
    void Outline(int x0, int y0, int x1, int y1) {
        for (int x = x0; x <= x1; ++x) At(x, y0) = At(x, y1) = kLineIndex;
        for (int y = y0; y <= y1; ++y) At(x0, y) = At(x1, y) = kLineIndex;
    }
    // Fills a one-pixel-high strip of `pixels` pixels from its left end, outlined all round.
    size_t FillStrip(int pixels, FakeHost& host) {
        Paint(0, 99, kW - 1, 99, kLineIndex);
        Paint(0, 101, kW - 1, 101, kLineIndex);
        At(pixels, 100) = kLineIndex;
        return FillRegion(host, 0, 100, 7);
    }
    std::vector<uint8_t> Snapshot() const {
        return std::vector<uint8_t>(page_.begin(), page_.begin() + size_t(width_) * size_t(height_));
    }

    std::vector<uint8_t> page_, visited_;
    int width_ = kW, height_ = kH;

private:
    uint8_t* savedDib_;
    uint8_t* savedClear_;
    uint8_t savedInfo_[kInfoBytes];
};


int Ring(int x, int y) { return std::abs(x - 330) + std::abs(y - 230); }

// Checks the frame pacing and the loop sound: frames at least `gap` ms apart,
// the loop starting with the first frame later than 450 ms after the start
// and stopped after the final frame.
void ExpectPacedWithLoop(const FakeHost& host, int oneShot, int loopSound, uint32_t gap) {
    ASSERT_FALSE(host.events.empty());
    ASSERT_EQ(host.events.front().kind, Kind::Once);
    EXPECT_EQ(host.events.front().sound, oneShot);
    const uint32_t start = host.events.front().time;

    const std::vector<Event> draws = host.Only(Kind::Draw);
    ASSERT_GE(draws.size(), 2u);
    uint32_t previous = start;
    size_t firstLate = draws.size();
    for (size_t i = 0; i + 1 < draws.size(); ++i) {
        EXPECT_GE(uint32_t(draws[i].time - previous), gap) << "frame " << i;
        previous = draws[i].time;
        if (firstLate == draws.size() && uint32_t(draws[i].time - start) > 450) firstLate = i;
    }
    ASSERT_LT(firstLate, draws.size() - 1) << "the walk never lasted 450 ms";

    // The loop sound comes right before the first late frame, and only once.
    const std::vector<Event> loops = host.Only(Kind::Loop);
    ASSERT_EQ(loops.size(), 1u);
    EXPECT_EQ(loops[0].sound, loopSound);
    for (size_t i = 0; i < host.events.size(); ++i) {
        if (host.events[i].kind != Kind::Loop) continue;
        ASSERT_LT(i + 1, host.events.size());
        EXPECT_EQ(host.events[i + 1].kind, Kind::Draw);
        EXPECT_EQ(host.events[i + 1].time, draws[firstLate].time);
        EXPECT_EQ(host.events[i + 1].pumps, draws[firstLate].pumps);
    }
    // Stopped once, after the final frame.
    ASSERT_EQ(host.Only(Kind::Stop).size(), 1u);
    EXPECT_EQ(host.events.back().kind, Kind::Stop);
    EXPECT_EQ(host.events[host.events.size() - 2].kind, Kind::Draw);
}

// A waiting message waits about a millisecond at most, from the start of the
// walk to its final frame, also while the walk waits for its next frame; and
// since every look is a round trip to the window system, the walk looks far
// less often than once a pixel.
void ExpectLooksAboutEveryMillisecond(const FakeHost& host, size_t processed) {
    const uint32_t start = host.events.front().time;
    const uint32_t end = host.Only(Kind::Draw).back().time;
    ASSERT_FALSE(host.lookTimes.empty());
    uint32_t previous = start, longest = 0;
    for (uint32_t t : host.lookTimes) {
        longest = std::max(longest, uint32_t(t - previous));
        previous = t;
    }
    longest = std::max(longest, uint32_t(end - previous));
    EXPECT_LE(longest, 1u) << "ms without a look, over a walk of " << uint32_t(end - start) << " ms";
    EXPECT_LT(host.pumps, processed / 10);
}

}  // namespace

// ---- The region a fill paints -------------------------------------------------

using Fill = Walk;

TEST_F(Fill, PaintsTheOutlinedRegionAndNothingElse) {
    Outline(100, 100, 200, 150);  // interior 99 x 49
    At(150, 125) = 9;             // already painted: still part of the region
    const std::vector<uint8_t> before = Snapshot();
    FakeHost host;
    const size_t processed = FillRegion(host, 120, 110, 4);

    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool inside = x > 100 && x < 200 && y > 100 && y < 150;
            ASSERT_EQ(At(x, y), inside ? 4 : before[PixelOffset(x, y, kW, kH)]) << x << "," << y;
        }
    // Every pixel once, the start twice.
    EXPECT_EQ(processed, size_t(99 * 49 + 1));
}

TEST_F(Fill, RegionsMeetingOnlyAtACornerOrADiagonalLineFillSeparately) {
    // Two squares of paper in a sea of outline that touch only at a corner.
    Paint(0, 0, kW - 1, kH - 1, kLineIndex);
    Paint(10, 10, 19, 19, kPaperIndex);
    Paint(20, 20, 29, 29, kPaperIndex);
    // A paper area cut in two by a one-pixel diagonal line.
    Paint(100, 100, 199, 199, kPaperIndex);
    for (int i = 0; i < 100; ++i) At(100 + i, 100 + i) = kLineIndex;

    FakeHost host;
    FillRegion(host, 12, 12, 3);
    FillRegion(host, 150, 120, 8);  // above the diagonal
    for (int y = 10; y <= 19; ++y)
        for (int x = 10; x <= 19; ++x) ASSERT_EQ(At(x, y), 3);
    for (int y = 20; y <= 29; ++y)
        for (int x = 20; x <= 29; ++x) ASSERT_EQ(At(x, y), kPaperIndex);
    for (int y = 100; y <= 199; ++y)
        for (int x = 100; x <= 199; ++x) {
            const uint8_t expected = x == y ? kLineIndex : x > y ? 8 : kPaperIndex;
            ASSERT_EQ(At(x, y), expected) << x << "," << y;
        }
}

TEST_F(Fill, RepaintsAManyColouredAreaUpToItsOutlineButStopsAtTheNewColour) {
    Outline(50, 50, 250, 200);
    const uint8_t colour = 12;
    for (int y = 51; y < 200; ++y)
        for (int x = 51; x < 250; ++x) {
            const uint8_t stripe = uint8_t(1 + (x / 7 + y / 5) % 36);
            At(x, y) = stripe == colour ? kPaperIndex : stripe;
        }
    // A ring already in the new colour, with another colour inside it.
    Paint(120, 100, 160, 140, colour);
    Paint(121, 101, 159, 139, 30);
    // The fill starts on a pixel of another colour.
    At(60, 60) = 5;
    const std::vector<uint8_t> before = Snapshot();
    FakeHost host;
    FillRegion(host, 60, 60, colour);

    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool inArea = x > 50 && x < 250 && y > 50 && y < 200;
            const bool insideRing = x > 120 && x < 160 && y > 100 && y < 140;
            const uint8_t old = before[PixelOffset(x, y, kW, kH)];
            const uint8_t expected = inArea && !insideRing ? colour : old;
            ASSERT_EQ(At(x, y), expected) << x << "," << y;
        }
}

TEST_F(Fill, ASinglePixelRegionKeepsItsColourAndStillPlaysASound) {
    // Page corner: page edge above and left, outline below and right.
    At(0, 0) = 6;
    At(1, 0) = kLineIndex;
    At(0, 1) = kLineIndex;
    // And one in the middle, outlined on all four sides.
    At(300, 300) = 6;
    At(300, 299) = At(300, 301) = At(299, 300) = At(301, 300) = kLineIndex;
    const std::vector<uint8_t> before = Snapshot();

    for (QueuedPoint p : {QueuedPoint{0, 0}, QueuedPoint{300, 300}}) {
        FakeHost host;
        host.random = 2;
        EXPECT_EQ(FillRegion(host, p.x, p.y, 20), 1u);
        EXPECT_EQ(At(p.x, p.y), 6);
        ASSERT_EQ(host.events.size(), 2u);
        EXPECT_EQ(host.events[0].kind, Kind::Once);
        EXPECT_EQ(host.events[0].sound, 3);
        EXPECT_EQ(host.events[1].kind, Kind::Draw);
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Fill, OffThePageOrWithoutAPageNothingHappens) {
    const std::vector<uint8_t> before = Snapshot();
    FakeHost host;
    EXPECT_EQ(FillRegion(host, -1, 10, 3), 0u);
    EXPECT_EQ(FillRegion(host, kW, 10, 3), 0u);
    EXPECT_EQ(FillRegion(host, 10, kH, 3), 0u);
    lpDib = nullptr;
    EXPECT_EQ(FillRegion(host, 10, 10, 3), 0u);
    EXPECT_EQ(ClearWave(host), 0u);
    lpDib = page_.data();
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(host.pumps, 0u);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Fill, LooksUpBeforeDownAndLeftBeforeRight) {
    // In a one-pixel corridor the walk alternates sides. From the start s the
    // entries are s, s-1, s+1, s-2, s (looked back at), s+2, s-3, s+3, ...: the
    // 501st is s-250, which reaches s-251, after s+249 reached s+250. So the
    // first frame shows the colour 251 pixels to the up or left side, 250 to the other.
    Paint(0, 199, kW - 1, 199, kLineIndex);
    Paint(0, 201, kW - 1, 201, kLineIndex);
    int left = -1, right = -1;
    FakeHost across;
    across.onDraw = [&] {
        if (left >= 0) return;
        for (left = 330; left > 0 && At(left - 1, 200) == 7;) --left;
        for (right = 330; right < kW - 1 && At(right + 1, 200) == 7;) ++right;
    };
    FillRegion(across, 330, 200, 7);
    EXPECT_EQ(left, 330 - 251);
    EXPECT_EQ(right, 330 + 250);

    SetSize(1, 800);
    int top = -1, bottom = -1;
    FakeHost down;
    down.onDraw = [&] {
        if (top >= 0) return;
        for (top = 400; top > 0 && At(0, top - 1) == 7;) --top;
        for (bottom = 400; bottom < 799 && At(0, bottom + 1) == 7;) ++bottom;
    };
    FillRegion(down, 0, 400, 7);
    EXPECT_EQ(top, 400 - 251);
    EXPECT_EQ(bottom, 400 + 250);
}

// ---- Sounds, frames and messages of a fill --------------------------------------

TEST_F(Fill, StartsWithOneOfTheFourStartSounds) {
    for (int r = 0; r < 4; ++r) {
        Outline(10, 10, 20, 20);
        FakeHost host;
        host.random = r;
        FillRegion(host, 15, 15, uint8_t(1 + r));
        ASSERT_EQ(host.randomAsked, std::vector<int>{4});
        ASSERT_FALSE(host.events.empty());
        EXPECT_EQ(host.events.front().kind, Kind::Once);
        EXPECT_EQ(host.events.front().sound, 1 + r);
    }
}

TEST_F(Fill, AShortFillDrawsOnlyItsFinalFrameAndPlaysOnlyItsOneShotSound) {
    // 499 pixels: 500 queue entries, the start counted twice.
    FakeHost host;
    host.microsPerRead = 2000;  // slow enough to pass 450 ms: still no loop
    EXPECT_EQ(FillStrip(499, host), 500u);
    EXPECT_EQ(At(498, 100), 7);
    EXPECT_EQ(At(499, 100), kLineIndex);
    ASSERT_EQ(host.events.size(), 2u);
    EXPECT_EQ(host.events[0].kind, Kind::Once);
    EXPECT_EQ(host.events[1].kind, Kind::Draw);
    EXPECT_GT(host.Now() - host.events[0].time, 450u);
}

TEST_F(Fill, TheFiveHundredAndFirstQueueEntryBringsAFrame) {
    // 500 pixels are 501 entries (the start twice), so a frame comes with
    // the last entry and the final frame follows.
    FakeHost host;
    EXPECT_EQ(FillStrip(500, host), 501u);
    const std::vector<Event> draws = host.Only(Kind::Draw);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_GE(draws[0].time - host.events.front().time, 10u);
}

TEST_F(Fill, AWholePageFillIsPacedAndSwitchesToTheLoopAfter450Ms) {
    FakeHost host;
    host.base = 0xFFFFFF00u;  // the tick count wraps 256 ms into the fill
    host.random = 1;
    const size_t processed = FillRegion(host, 330, 230, 25);
    EXPECT_EQ(processed, size_t(kW) * kH + 1);
    for (uint8_t p : Snapshot()) ASSERT_EQ(p, 25);

    // A frame after every 501 entries, then the final one.
    const std::vector<Event> draws = host.Only(Kind::Draw);
    ASSERT_EQ(draws.size(), processed / 501 + 1);
    // 501 entries take 2.5 ms on this clock: the walk waits for the 10 ms, no longer.
    for (size_t i = 1; i + 1 < draws.size(); ++i) ASSERT_EQ(uint32_t(draws[i].time - draws[i - 1].time), 10u);

    ExpectPacedWithLoop(host, 2, 5, 10);
    ExpectLooksAboutEveryMillisecond(host, processed);
}

TEST_F(Fill, ASlowWalkDrawsAsSoonAsTenMillisecondsHavePassed) {
    // 501 entries take about 15 ms here, so no frame waits.
    FakeHost host;
    host.microsPerRead = 30;
    Outline(0, 0, 300, 200);
    const size_t processed = FillRegion(host, 150, 100, 11);
    const std::vector<Event> draws = host.Only(Kind::Draw);
    ASSERT_EQ(draws.size(), processed / 501 + 1);
    for (size_t i = 1; i + 1 < draws.size(); ++i) {
        const uint32_t gap = draws[i].time - draws[i - 1].time;
        ASSERT_GE(gap, 15u);
        ASSERT_LE(gap, 16u);
    }
    ExpectPacedWithLoop(host, 1, 5, 10);
    ExpectLooksAboutEveryMillisecond(host, processed);
}

// ---- The clear wave ---------------------------------------------------------------

using Clear = Walk;

TEST_F(Clear, ResetsEveryPixelButTheOutlineAndVisitsEveryPixel) {
    std::mt19937 random(12345);
    for (uint8_t& p : page_) p = uint8_t(random() % 38);
    // Areas closed off by outline, one of them the size of a pixel.
    Outline(20, 20, 60, 60);
    Outline(400, 300, 402, 302);
    Paint(21, 21, 59, 59, 14);
    At(401, 301) = 9;
    const std::vector<uint8_t> before = Snapshot();

    FakeHost host;
    EXPECT_EQ(ClearWave(host), size_t(kW) * kH + 1);  // every pixel once, the centre twice
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const uint8_t old = before[PixelOffset(x, y, kW, kH)];
            ASSERT_EQ(At(x, y), old == kLineIndex ? kLineIndex : kPaperIndex) << x << "," << y;
            ASSERT_EQ(Visited(x, y), 37) << x << "," << y;
        }
}

TEST_F(Clear, TheFirstBatchEndsAt330_236) {
    Paint(0, 0, kW - 1, kH - 1, 4);
    int ringPixels[9] = {}, ringReset[9] = {}, resetBeyond = 0;
    std::vector<QueuedPoint> edgeReset;  // the x + y = 567 side of ring 7
    FakeHost host;
    host.onDraw = [&] {
        if (host.Only(Kind::Draw).size() != 1) return;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const int ring = Ring(x, y);
                const bool reset = At(x, y) == kPaperIndex;
                if (ring > 8) {
                    resetBeyond += reset;
                    continue;
                }
                ++ringPixels[ring];
                ringReset[ring] += reset;
                if (ring == 7 && x + y == 567 && reset) edgeReset.push_back({x, y});
            }
    };
    ClearWave(host);
    for (int ring = 0; ring <= 6; ++ring) EXPECT_EQ(ringReset[ring], ringPixels[ring]) << "ring " << ring;
    EXPECT_EQ(ringPixels[7], 28);
    EXPECT_EQ(ringReset[7], 16);
    EXPECT_EQ(ringReset[8], 0);
    EXPECT_EQ(resetBeyond, 0);
    // Only a processed pixel with x + y = 566 can reach this side of ring 7, and
    // exactly the two below and right of (330, 236) are reached: the batch ended there.
    ASSERT_EQ(edgeReset.size(), 2u);
    std::sort(edgeReset.begin(), edgeReset.end(), [](QueuedPoint a, QueuedPoint b) { return a.x < b.x; });
    EXPECT_EQ(edgeReset[0].x, 330);
    EXPECT_EQ(edgeReset[0].y, 237);
    EXPECT_EQ(edgeReset[1].x, 331);
    EXPECT_EQ(edgeReset[1].y, 236);
}

TEST_F(Clear, LooksUpBeforeDownAndLeftBeforeRight) {
    // On a page one pixel across, the centre c is taken, then c-1, c+1, c-2,
    // c (looked back at), c+2, ... c-6, c+6: the batch ends with c+6, 6 further
    // along x + y, and c-6 before it has reached c-7. Seen first: c-7 to c+7.
    for (bool tall : {false, true}) {
        SetSize(tall ? 1 : 800, tall ? 800 : 1);
        std::fill(page_.begin(), page_.end(), uint8_t(5));
        int first = -1, last = -1;
        FakeHost host;
        host.onDraw = [&] {
            if (first >= 0) return;
            for (int i = 0; i < 800; ++i) {
                if ((tall ? At(0, i) : At(i, 0)) != kPaperIndex) continue;
                if (first < 0) first = i;
                last = i;
            }
        };
        ClearWave(host);
        EXPECT_EQ(first, 400 - 7) << (tall ? "tall" : "wide");
        EXPECT_EQ(last, 400 + 7) << (tall ? "tall" : "wide");
    }
}

TEST_F(Clear, GrowsSixRingsAFrameInNinetyFourFramesAndAFinalOne) {
    Paint(0, 0, kW - 1, kH - 1, 21);
    std::vector<int> innermostUnreset, outermostReset;
    FakeHost host;
    host.onDraw = [&] {
        int inner = 1 << 30, outer = -1;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const int ring = Ring(x, y);
                if (At(x, y) == kPaperIndex)
                    outer = std::max(outer, ring);
                else
                    inner = std::min(inner, ring);
            }
        innermostUnreset.push_back(inner);
        outermostReset.push_back(outer);
    };
    ClearWave(host);

    // 94 frames, one per batch; then the final frame.
    const std::vector<Event> draws = host.Only(Kind::Draw);
    ASSERT_EQ(draws.size(), 95u);
    // Batch k ends in ring 6k: rings up to 6k are all reset, nothing past 6k + 1.
    for (int k = 1; k <= 93; ++k) {
        EXPECT_GT(innermostUnreset[k - 1], 6 * k) << "frame " << k;
        EXPECT_LE(outermostReset[k - 1], 6 * k + 1) << "frame " << k;
    }
    // Batch 93 ends at the bottom-right corner, in ring 558; only the 94th reaches
    // the top-left corner, the one pixel of ring 560.
    EXPECT_LE(outermostReset[92], 559);
    EXPECT_EQ(outermostReset[93], 560);
    EXPECT_EQ(At(0, 0), kPaperIndex);
    EXPECT_EQ(At(659, 459), kPaperIndex);
}

TEST_F(Clear, FramesComeThirtyMillisecondsApartAndTheLoopStartsAfter450Ms) {
    FakeHost host;
    host.base = 0x7FFFFF00u;  // past 2^31 during the wave: a signed comparison would go wrong
    const size_t processed = ClearWave(host);
    const std::vector<Event> draws = host.Only(Kind::Draw);
    ASSERT_EQ(draws.size(), 95u);
    // Batches are quick on this clock, so every frame waits exactly the 30 ms.
    for (size_t i = 1; i + 1 < draws.size(); ++i) ASSERT_EQ(uint32_t(draws[i].time - draws[i - 1].time), 30u);
    ExpectPacedWithLoop(host, 7, 6, 30);
    // 30, 60, ... 450 are not later than 450 ms: the 16th frame starts the loop.
    EXPECT_EQ(host.events[16].kind, Kind::Loop);
    ExpectLooksAboutEveryMillisecond(host, processed);
    EXPECT_GE(host.waits, 94u) << "the walk must sleep, not spin, while it waits for a frame";
}

TEST_F(Clear, AClearOverBeforeTheDeadlineStopsNothing) {
    SetSize(40, 30);  // a small page: a handful of frames
    Paint(0, 0, 39, 29, 2);
    FakeHost host;
    EXPECT_EQ(ClearWave(host), size_t(40 * 30 + 1));
    EXPECT_EQ(host.Sounds(), std::vector<Kind>{Kind::Once});
    EXPECT_EQ(host.events.front().sound, 7);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(At(x, y), kPaperIndex);
}

// ---- Both walks: asked again, out of memory, page gone ------------------------

using FillAndClear = Walk;

TEST_F(FillAndClear, AFillOrClearAskedForWhileOneRunsIsRefused) {
    Outline(10, 10, 300, 200);
    Outline(400, 300, 450, 350);
    FakeHost host;
    int nested = 0;
    host.onPump = [&] {
        if (host.pumps % 500 != 1) return;
        EXPECT_TRUE(WalkRunning());
        FakeHost inner;
        EXPECT_EQ(FillRegion(inner, 420, 320, 9), 0u);
        EXPECT_EQ(ClearWave(inner), 0u);
        EXPECT_TRUE(inner.events.empty());
        EXPECT_EQ(inner.pumps, 0u);
        ++nested;
    };
    EXPECT_FALSE(WalkRunning());
    FillRegion(host, 50, 50, 3);
    EXPECT_FALSE(WalkRunning());
    EXPECT_GT(nested, 1);
    EXPECT_EQ(At(420, 320), kPaperIndex);

    nested = 0;
    host.pumps = 0;
    ClearWave(host);
    EXPECT_FALSE(WalkRunning());
    EXPECT_GT(nested, 0);
    EXPECT_EQ(At(50, 50), kPaperIndex);
}

TEST_F(FillAndClear, WithoutQueueStorageNeitherWalkTouchesThePage) {
    static int asked;
    asked = 0;
    ReleaseWalkStorage();  // nothing kept from earlier walks
    static const BlockAllocator failing = {[](size_t) -> void* {
                                               ++asked;
                                               return nullptr;
                                           },
                                           [](void*) {}};
    SetBlockAllocator(&failing);
    Outline(10, 10, 100, 100);
    Paint(11, 11, 99, 99, 8);
    const std::vector<uint8_t> before = Snapshot();
    std::fill(visited_.begin(), visited_.end(), 99);
    FakeHost host;
    EXPECT_EQ(FillRegion(host, 50, 50, 3), 0u);
    EXPECT_EQ(ClearWave(host), 0u);
    EXPECT_EQ(asked, 2);  // each walk asked again
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Visited(0, 0), 99);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(host.pumps, 0u);
    EXPECT_FALSE(WalkRunning());

    // Storage back: the same fill works.
    SetBlockAllocator(nullptr);
    EXPECT_EQ(FillRegion(host, 50, 50, 3), size_t(89 * 89 + 1));
    EXPECT_EQ(At(50, 50), 3);
}

TEST_F(FillAndClear, OnlyTheFirstWalkAllocatesAndAllShareOneWholePageStorage) {
    ReleaseWalkStorage();
    SetBlockAllocator(CountingStorage::Allocator());
    CountingStorage::ResetCounts();

    // A small page first: the storage taken is still enough for the whole page after it.
    SetSize(40, 30);
    Outline(0, 0, 39, 29);
    FakeHost host;
    EXPECT_EQ(FillRegion(host, 20, 15, 4), size_t(38 * 28 + 1));
    SetSize(kW, kH);
    std::fill(page_.begin(), page_.end(), kPaperIndex);
    Outline(10, 10, 20, 20);
    EXPECT_EQ(FillRegion(host, 15, 15, 3), size_t(9 * 9 + 1));
    EXPECT_EQ(FillRegion(host, 330, 230, 5), size_t(kW) * kH - 11 * 11 + 1);  // all round the box
    EXPECT_EQ(ClearWave(host), size_t(kW) * kH + 1);
    EXPECT_EQ(FillRegion(host, 330, 230, 9), size_t(kW) * kH - 11 * 11 + 1);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool box = x >= 10 && x <= 20 && y >= 10 && y <= 20;
            const bool inside = x > 10 && x < 20 && y > 10 && y < 20;
            ASSERT_EQ(At(x, y), !box ? 9 : inside ? kPaperIndex : kLineIndex) << x << "," << y;
        }

    EXPECT_EQ(CountingStorage::allocations, 1);
    EXPECT_GE(CountingStorage::bytes, (kDibBytes + 1) * sizeof(QueuedPoint));
    EXPECT_EQ(CountingStorage::releases, 0);
    SetBlockAllocator(nullptr);
    ReleaseWalkStorage();  // given back to the allocator that gave it
    EXPECT_EQ(CountingStorage::releases, 1);
}

TEST_F(FillAndClear, AMessageThatReleasesThePageEndsTheWalkWithItsFinalFrame) {
    // Released at one of the first looks (while pixels are processed or while
    // the walk waits for a frame), or past 450 ms with the loop sound playing.
    for (bool clear : {false, true}) {
        std::vector<size_t> releaseAt;
        for (size_t k = 1; k <= 60; ++k) releaseAt.push_back(k);
        releaseAt.push_back(clear ? 4000 : 2000);
        for (size_t stopAt : releaseAt) {
            SCOPED_TRACE((clear ? "clear, look " : "fill, look ") + std::to_string(stopAt));
            std::fill(page_.begin(), page_.end(), uint8_t(clear ? 5 : kPaperIndex));
            FakeHost host;
            std::vector<uint8_t> atRelease;
            size_t eventsAtRelease = 0;
            host.onPump = [&] {
                if (host.pumps != stopAt) return;
                atRelease = Snapshot();
                eventsAtRelease = host.events.size();
                lpDib = nullptr;
            };
            const size_t processed = clear ? ClearWave(host) : FillRegion(host, 5, 5, 3);
            lpDib = page_.data();
            EXPECT_LT(processed, size_t(kW) * kH);
            EXPECT_EQ(host.pumps, stopAt) << "no look after the release";
            EXPECT_EQ(Snapshot(), atRelease) << "the released page was written to";
            // One last frame, then the loop sound stops if it had started.
            const bool looping = !host.Only(Kind::Loop).empty();
            ASSERT_EQ(host.events.size(), eventsAtRelease + (looping ? 2 : 1));
            EXPECT_EQ(host.events[eventsAtRelease].kind, Kind::Draw);
            if (looping) {
                EXPECT_EQ(host.events.back().kind, Kind::Stop);
            }
            EXPECT_EQ(looping, stopAt > 60);
        }
    }
}
