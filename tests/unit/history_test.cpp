#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "page/colours.h"
#include "page/fill.h"
#include "page/history.h"
#include "page/page_image.h"
#include "page/point_queue.h"
#include "support/gmem.h"

namespace {

constexpr int kW = 660, kH = 460;
using Page = std::vector<uint8_t>;

// The walks at full speed: a clock that moves a millisecond a read, nothing drawn or heard.
struct QuietHost : WalkHost {
    uint32_t now = 0;
    uint32_t TickCount() override { return now++; }
    void DrawFrame() override {}
    bool PumpOneMessage() override { return false; }
    void WaitForMessage(uint32_t) override {}
    void PlaySoundOnce(int) override {}
    void PlaySoundLoop(int) override {}
    void StopSounds() override {}
    int RandomBelow(int) override { return 0; }
};

// An allocator that refuses while `refusals` is above zero (each refusal counts down)
// or for good while `refuseAll` is set.
struct RefusingStorage {
    static inline int refusals = 0;
    static inline bool refuseAll = false;
    static void* Allocate(size_t n) {
        if (refuseAll) return nullptr;
        if (refusals > 0) {
            --refusals;
            return nullptr;
        }
        return std::calloc(1, n);
    }
    static void Release(void* block) { std::free(block); }
    static const BlockAllocator* Allocator() {
        static const BlockAllocator refusing = {Allocate, Release};
        return &refusing;
    }
};

// The program's page and its clean flag, on a page of the test's own, with a
// history of it; every change goes through the history as the program's do.
class History : public testing::Test {
protected:
    void SetUp() override {
        savedDib_ = lpDib;
        savedClear_ = lpDibClear;
        std::memcpy(savedInfo_, gPageImage.info, sizeof savedInfo_);
        std::memcpy(savedHeader_, gPageImage.fileHeader, sizeof savedHeader_);
        page_.assign(kDibBytes, kPaperIndex);
        visited_.assign(kDibBytes, 0);
        lpDib = page_.data();
        lpDibClear = visited_.data();
        WriteU32(gPageImage.info + 4, kW);
        WriteU32(gPageImage.info + 8, kH);
        SetPageClean(gPageImage, false);
        RefusingStorage::refusals = 0;
        RefusingStorage::refuseAll = false;
        SetBlockAllocator(RefusingStorage::Allocator());
    }
    void TearDown() override {
        history_.reset();
        ReleaseWalkStorage();
        SetBlockAllocator(nullptr);
        lpDib = savedDib_;
        lpDibClear = savedClear_;
        std::memcpy(gPageImage.info, savedInfo_, sizeof savedInfo_);
        std::memcpy(gPageImage.fileHeader, savedHeader_, sizeof savedHeader_);
    }

    PageHistory& history() { return *history_; }
    void MakeHistory(size_t budget = kHistoryBudgetBytes) { history_.reset(new PageHistory(budget)); }

    uint8_t& At(int x, int y) { return page_[PixelOffset(x, y, kW, kH)]; }
    void Outline(int x0, int y0, int x1, int y1) {
        for (int x = x0; x <= x1; ++x) At(x, y0) = At(x, y1) = kLineIndex;
        for (int y = y0; y <= y1; ++y) At(x0, y) = At(x1, y) = kLineIndex;
    }
    bool Clean() const { return PageIsClean(gPageImage); }

    // A fill, a clear, or any change to the pixels, recorded as the program records them.
    template <typename Change>
    void Record(Change change, bool cleanAfter) {
        history_->BeginChange(page_.data(), page_.size(), Clean());
        change();
        SetPageClean(gPageImage, cleanAfter);
        history_->CommitChange(page_.data(), page_.size(), Clean());
    }
    void Fill(int x, int y, uint8_t colour) {
        Record([&] { ASSERT_GT(FillRegion(host_, x, y, colour), 0u); }, false);
    }
    void ClearPage() {
        Record([&] { ASSERT_GT(ClearWave(host_), 0u); }, true);
    }
    // Every byte from `first` on, for `count` bytes, to a noise of colours unlike before.
    void Scribble(size_t first, size_t count, unsigned seed) {
        std::mt19937 random(seed);
        Record([&] {
            for (size_t i = first; i < first + count; ++i)
                page_[i] = uint8_t(1 + (page_[i] + random() % 36) % 37);
        }, false);
    }

    bool Undo() {
        bool clean = false;
        if (!history_->Undo(page_.data(), page_.size(), clean)) return false;
        SetPageClean(gPageImage, clean);
        return true;
    }
    bool Redo() {
        bool clean = false;
        if (!history_->Redo(page_.data(), page_.size(), clean)) return false;
        SetPageClean(gPageImage, clean);
        return true;
    }

    Page page_, visited_;
    QuietHost host_;

private:
    std::unique_ptr<PageHistory> history_;
    uint8_t* savedDib_;
    uint8_t* savedClear_;
    uint8_t savedInfo_[kInfoBytes];
    uint8_t savedHeader_[kFileHeaderBytes];
};

TEST_F(History, UndoAndRedoStepThroughFillsAndAClearWithTheirCleanFlags) {
    MakeHistory();
    Outline(100, 100, 300, 300);
    Outline(350, 100, 600, 300);
    SetPageClean(gPageImage, true);
    const Page first = page_;
    Fill(200, 200, 5);
    Fill(400, 200, 9);
    Fill(20, 20, 12);  // the background: most of the page
    ClearPage();
    Fill(200, 200, 30);
    const Page last = page_;
    EXPECT_EQ(history().UndoSteps(), 5u);

    // Back to the start, each step showing the page and the flag as they were.
    std::vector<Page> seen = {page_};
    std::vector<bool> seenClean = {Clean()};
    while (Undo()) {
        seen.insert(seen.begin(), page_);
        seenClean.insert(seenClean.begin(), Clean());
    }
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_TRUE(seen[0] == first) << "every step undone gives back the page as it was";
    EXPECT_EQ(seenClean, (std::vector<bool>{true, false, false, false, true, false}));
    EXPECT_EQ(history().RedoSteps(), 5u);

    // And forward again to the same pages.
    for (size_t i = 1; i < seen.size(); ++i) {
        ASSERT_TRUE(Redo()) << i;
        EXPECT_TRUE(page_ == seen[i]) << i;
        EXPECT_EQ(Clean(), seenClean[i]) << i;
    }
    EXPECT_FALSE(Redo());
    EXPECT_TRUE(page_ == last);
}

TEST_F(History, ANewStepDropsTheRedoStepsButAChangeOfNothingIsNoStep) {
    MakeHistory();
    Outline(100, 100, 300, 300);
    const Page blank = page_;
    Fill(200, 200, 5);
    const Page afterFirst = page_;
    Fill(20, 20, 7);
    Fill(200, 200, 9);
    ASSERT_TRUE(Undo());
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(page_ == afterFirst);
    EXPECT_EQ(history().RedoSteps(), 2u);

    Record([] {}, false);  // a fill that changed no pixel
    EXPECT_EQ(history().RedoSteps(), 2u);
    EXPECT_EQ(history().UndoSteps(), 1u);

    Fill(20, 20, 3);
    EXPECT_EQ(history().RedoSteps(), 0u);
    EXPECT_FALSE(Redo());
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(page_ == afterFirst);
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(page_ == blank);
    EXPECT_FALSE(Undo());
}

TEST_F(History, AFullPageFillAndAClearOfAManyColouredPageAreExactSteps) {
    MakeHistory();
    Fill(0, 0, 5);  // no outline at all: every pixel
    for (uint8_t p : page_) ASSERT_EQ(p, 5);
    // Stripes of every colour and outlines, so the clear changes many different values.
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) At(x, y) = (x + 3 * y) % 50 == 0 ? kLineIndex : uint8_t(1 + (x / 7 + y) % 36);
    const Page striped = page_;
    SetPageClean(gPageImage, false);
    history().Clear();  // the stripes were not a step: start again from them
    ClearPage();
    for (size_t i = 0; i < page_.size(); ++i) ASSERT_EQ(page_[i], striped[i] == kLineIndex ? kLineIndex : kPaperIndex);
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(page_ == striped);
    EXPECT_FALSE(Clean());
    ASSERT_TRUE(Redo());
    EXPECT_TRUE(Clean());
    EXPECT_EQ(std::count(page_.begin(), page_.end(), kPaperIndex) + std::count(page_.begin(), page_.end(), kLineIndex),
              long(page_.size()));
    ASSERT_TRUE(Undo());
    history().Clear();
    EXPECT_FALSE(Undo()) << "the history ended";
    EXPECT_TRUE(page_ == striped);

    // A page of another size is another page: the steps are not its.
    Fill(0, 0, 9);
    bool clean = true;
    Page smaller(page_.begin(), page_.end() - 1);
    EXPECT_FALSE(history().Undo(smaller.data(), smaller.size(), clean));
}

TEST_F(History, TheBudgetGivesUpTheOldestStepsFirstAndHoldsTwentyOfTheLargest) {
    // Room for the copy of the page and a little over two noisy thirds of a page.
    MakeHistory(kDibBytes + 2 * (kDibBytes / 3 + kDibBytes / 300) + 1000);
    std::vector<Page> pages = {page_};
    for (unsigned i = 0; i < 4; ++i) {
        Scribble(kDibBytes / 3, kDibBytes / 3, i);
        pages.push_back(page_);
        EXPECT_LE(history().BytesUsed(), kDibBytes + 2 * (kDibBytes / 3 + kDibBytes / 300) + 1000);
    }
    EXPECT_EQ(history().UndoSteps(), 2u);
    ASSERT_TRUE(Undo());
    ASSERT_TRUE(Undo());
    EXPECT_FALSE(Undo());
    EXPECT_TRUE(page_ == pages[2]) << "the two newest steps stayed";

    // The program's budget: twenty changes of every pixel to noise, all kept.
    MakeHistory();
    const Page start = page_;
    for (unsigned i = 0; i < 20; ++i) Scribble(0, kDibBytes, 100 + i);
    EXPECT_EQ(history().UndoSteps(), 20u);
    EXPECT_LE(history().BytesUsed(), kHistoryBudgetBytes);
    while (Undo()) {
    }
    EXPECT_TRUE(page_ == start);

    // However small the steps, no more than the most steps are kept.
    for (size_t i = 0; i < kHistoryMaxSteps + 5; ++i) Scribble(i, 1, unsigned(i));
    EXPECT_EQ(history().UndoSteps(), kHistoryMaxSteps);
}

TEST_F(History, WhenMemoryRunsOutOnlyTheOldestStepsGoAndThePageIsKept) {
    MakeHistory();
    Outline(100, 100, 300, 300);
    Fill(200, 200, 5);
    const Page afterFirst = page_;
    Fill(20, 20, 7);
    Fill(200, 200, 9);
    RefusingStorage::refusals = 1;  // the newest step's memory, asked once
    Fill(20, 20, 11);
    const Page newest = page_;
    EXPECT_EQ(history().UndoSteps(), 3u) << "the oldest step made room";
    while (Undo()) {
    }
    EXPECT_TRUE(page_ == afterFirst);
    while (Redo()) {
    }
    EXPECT_TRUE(page_ == newest);

    RefusingStorage::refuseAll = true;  // no memory at all for the next step
    Fill(200, 200, 3);
    const Page shown = page_;
    EXPECT_EQ(history().UndoSteps(), 0u);
    EXPECT_FALSE(Undo());
    EXPECT_TRUE(page_ == shown);

    // No copy of the page to compare with: that change is no step, and the
    // next one is the only step.
    RefusingStorage::refuseAll = false;
    MakeHistory();
    RefusingStorage::refuseAll = true;
    Fill(20, 20, 4);
    const Page unrecorded = page_;
    RefusingStorage::refuseAll = false;
    Fill(200, 200, 6);
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(page_ == unrecorded);
    EXPECT_FALSE(Undo());

    // A change that did not begin through the history ends it.
    Fill(200, 200, 8);
    history().CommitChange(page_.data(), page_.size(), false);
    EXPECT_FALSE(Undo());
}

}  // namespace
