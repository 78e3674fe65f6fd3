#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "page/point_queue.h"
#include "tests/unit/support/counting_storage.h"

namespace {

constexpr size_t kWholePage = 660 * 460 + 1;

std::vector<QueuedPoint> Drain(PointQueue& queue) {
    std::vector<QueuedPoint> out;
    while (!queue.Empty()) {
        out.push_back(queue.Front());
        queue.Pop();
    }
    return out;
}


int gRefused = 0;
void* NoMemory(size_t) {
    ++gRefused;
    return nullptr;
}
void NeverCalled(void*) { ADD_FAILURE() << "released storage that was never given"; }

// Installs the counting allocator (dropping any walk storage kept from before) with the counts at zero.
void StartCounting() {
    SetPointStorageAllocator(nullptr);
    SetPointStorageAllocator(CountingStorage::Allocator());
    CountingStorage::ResetCounts();
}

// Fills the queue to its capacity and checks that it is refused one more and
// gives everything back in order, starting with `first`.
void ExpectFullRoundTrip(PointQueue& queue, QueuedPoint first) {
    ASSERT_EQ(queue.Size(), 1u);
    for (size_t i = 1; i < queue.Capacity(); ++i) ASSERT_TRUE(queue.Push(int32_t(i), first.y));
    EXPECT_FALSE(queue.Push(-1, -1));
    ASSERT_EQ(queue.Front().x, first.x);
    ASSERT_EQ(queue.Front().y, first.y);
    queue.Pop();
    for (size_t i = 1; !queue.Empty(); ++i) {
        ASSERT_EQ(queue.Front().x, int32_t(i));
        queue.Pop();
    }
}

class QueueStorage : public testing::Test {
protected:
    void TearDown() override { SetPointStorageAllocator(nullptr); }
};

}  // namespace

TEST(PointQueue, StartsHoldingItsFirstPositionOrEmpty) {
    PointQueue first(8, 330, 230);
    ASSERT_FALSE(first.Empty());
    EXPECT_EQ(first.Size(), 1u);
    EXPECT_EQ(first.Front().x, 330);
    EXPECT_EQ(first.Front().y, 230);

    PointQueue empty(8);
    EXPECT_TRUE(empty.HasStorage());
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.Size(), 0u);
}

TEST(PointQueue, GivesPositionsBackInTheOrderTheyCameAcrossTheWrap) {
    // Capacity 4 with interleaved pushes and pops: the tail wraps round twice.
    PointQueue queue(4, 0, 0);
    std::vector<QueuedPoint> seen;
    int next = 1;
    for (int round = 0; round < 5; ++round) {
        for (; queue.Size() < 4; ++next) ASSERT_TRUE(queue.Push(next, -next));
        for (int i = 0; i < 3; ++i) {
            seen.push_back(queue.Front());
            queue.Pop();
        }
    }
    for (QueuedPoint p : Drain(queue)) seen.push_back(p);
    ASSERT_EQ(int(seen.size()), next);
    for (int i = 0; i < next; ++i) {
        EXPECT_EQ(seen[i].x, i);
        EXPECT_EQ(seen[i].y, -i);
    }
}

TEST(PointQueue, PoppingAnEmptyQueueDoesNothingAndClearEmptiesIt) {
    PointQueue queue(3);
    queue.Pop();
    queue.Pop();
    EXPECT_TRUE(queue.Empty());
    // A pop too many must not have moved anything: order is still kept.
    ASSERT_TRUE(queue.Push(1, 1));
    ASSERT_TRUE(queue.Push(2, 2));
    EXPECT_EQ(queue.Front().x, 1);

    queue.Clear();
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(queue.Size(), 0u);
    // Cleared, the whole capacity is available again and order starts afresh.
    ASSERT_TRUE(queue.Push(7, 8));
    ASSERT_TRUE(queue.Push(9, 10));
    ASSERT_TRUE(queue.Push(11, 12));
    const std::vector<QueuedPoint> out = Drain(queue);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].x, 7);
    EXPECT_EQ(out[2].y, 12);
}

TEST(PointQueue, RefusesAPositionBeyondItsCapacityAndKeepsTheRest) {
    PointQueue queue(3, 1, 1);
    EXPECT_TRUE(queue.Push(2, 2));
    EXPECT_TRUE(queue.Push(3, 3));
    EXPECT_FALSE(queue.Push(4, 4));
    const std::vector<QueuedPoint> out = Drain(queue);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].x, 1);
    EXPECT_EQ(out[1].x, 2);
    EXPECT_EQ(out[2].x, 3);
}

TEST_F(QueueStorage, AQueueWithItsOwnStorageAllocatesOnceAndReleasesOnce) {
    StartCounting();
    {
        PointQueue queue(kWholePage, 0, 0);
        ASSERT_TRUE(queue.HasStorage());
        // The most a walk ever holds: every pixel of the page plus the start again.
        for (size_t i = 1; i < kWholePage; ++i) ASSERT_TRUE(queue.Push(int32_t(i % 660), int32_t(i / 660)));
        EXPECT_EQ(queue.Size(), kWholePage);
        EXPECT_FALSE(queue.Push(1, 1));
        size_t popped = 0;
        while (!queue.Empty()) {
            const QueuedPoint p = queue.Front();
            ASSERT_EQ(size_t(p.y) * 660 + size_t(p.x), popped);
            queue.Pop();
            ++popped;
        }
        EXPECT_EQ(popped, kWholePage);
        EXPECT_EQ(CountingStorage::allocations, 1);
        EXPECT_GE(CountingStorage::bytes, kWholePage * sizeof(QueuedPoint));
        EXPECT_EQ(CountingStorage::releases, 0);
    }
    EXPECT_EQ(CountingStorage::releases, 1);
}

TEST_F(QueueStorage, WithoutStorageTheQueueIsEmptyAndRefusesEverything) {
    static const PointStorageAllocator failing = {NoMemory, NeverCalled};
    SetPointStorageAllocator(&failing);
    PointQueue queue(kWholePage, 330, 230);
    EXPECT_FALSE(queue.HasStorage());
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(queue.Capacity(), 0u);
    EXPECT_FALSE(queue.Push(1, 2));
    queue.Pop();
    queue.Clear();
    EXPECT_TRUE(queue.Empty());
}

TEST_F(QueueStorage, TheWalkStorageIsTakenOnceAndLentToEveryLaterQueue) {
    StartCounting();
    QueuedPoint* block = nullptr;
    for (int walk = 0; walk < 3; ++walk) {
        const PointStorage storage = SharedPointStorage(kWholePage);
        ASSERT_NE(storage.points, nullptr);
        if (walk == 0) block = storage.points;
        EXPECT_EQ(storage.points, block);
        PointQueue queue(storage, walk, 7);
        ASSERT_TRUE(queue.HasStorage());
        EXPECT_EQ(queue.Capacity(), kWholePage);
        // The positions of the walk before are still in the block but not in this queue.
        ExpectFullRoundTrip(queue, {walk, 7});
        // Installing the same allocator again is no change: the block stays.
        SetPointStorageAllocator(CountingStorage::Allocator());
    }
    {
        PointQueue empty(SharedPointStorage(kWholePage));
        EXPECT_TRUE(empty.Empty());
        ASSERT_TRUE(empty.Push(5, 6));
        EXPECT_EQ(empty.Size(), 1u);
        EXPECT_EQ(empty.Front().x, 5);
    }
    EXPECT_EQ(CountingStorage::allocations, 1);
    EXPECT_GE(CountingStorage::bytes, kWholePage * sizeof(QueuedPoint));
    EXPECT_EQ(CountingStorage::releases, 0);  // a queue never releases what it borrowed

    // Another allocator: the block goes back to the one that gave it.
    SetPointStorageAllocator(nullptr);
    EXPECT_EQ(CountingStorage::releases, 1);
}

TEST_F(QueueStorage, AskingForMoreWalkStorageReplacesTheBlockAndLessReusesIt) {
    StartCounting();
    const PointStorage small = SharedPointStorage(8);
    ASSERT_NE(small.points, nullptr);
    const PointStorage smaller = SharedPointStorage(4);
    EXPECT_EQ(smaller.points, small.points);
    EXPECT_EQ(smaller.capacity, 4u);
    EXPECT_EQ(CountingStorage::allocations, 1);

    const PointStorage page = SharedPointStorage(kWholePage);
    ASSERT_NE(page.points, nullptr);
    EXPECT_EQ(page.capacity, kWholePage);
    EXPECT_EQ(CountingStorage::allocations, 2);
    EXPECT_EQ(CountingStorage::releases, 1);
    EXPECT_GE(CountingStorage::bytes, (8 + kWholePage) * sizeof(QueuedPoint));

    // A queue over less of the block holds only what it asked for.
    PointQueue queue(SharedPointStorage(3), 1, 1);
    EXPECT_EQ(queue.Capacity(), 3u);
    ExpectFullRoundTrip(queue, {1, 1});
    EXPECT_EQ(CountingStorage::allocations, 2);
}

TEST_F(QueueStorage, AFailingAllocatorIsAskedEvenAfterTheWalkStorageWasTaken) {
    SetPointStorageAllocator(nullptr);
    ASSERT_NE(SharedPointStorage(kWholePage).points, nullptr);

    // The kept block is dropped through the allocator that gave it, never NeverCalled.
    static const PointStorageAllocator failing = {NoMemory, NeverCalled};
    SetPointStorageAllocator(&failing);
    gRefused = 0;
    for (int walk = 1; walk <= 2; ++walk) {
        PointQueue queue(SharedPointStorage(kWholePage), 330, 230);
        EXPECT_FALSE(queue.HasStorage());
        EXPECT_TRUE(queue.Empty());
        EXPECT_FALSE(queue.Push(1, 2));
        EXPECT_EQ(gRefused, walk);  // each walk tries again
    }

    SetPointStorageAllocator(nullptr);
    PointQueue queue(SharedPointStorage(kWholePage), 330, 230);
    ASSERT_TRUE(queue.HasStorage());
    EXPECT_EQ(queue.Front().x, 330);
}

TEST_F(QueueStorage, QueuesOfTheirOwnWorkBesideTheWalkStorage) {
    StartCounting();
    {
        PointQueue walk(SharedPointStorage(kWholePage), 0, 0);
        PointQueue own(4, 100, 100);
        PointQueue other(4);
        for (int i = 1; i <= 3; ++i) {
            ASSERT_TRUE(walk.Push(i, 0));
            ASSERT_TRUE(own.Push(100 + i, 100));
            ASSERT_TRUE(other.Push(200 + i, 200));
        }
        EXPECT_EQ(CountingStorage::allocations, 3);
        const std::vector<QueuedPoint> a = Drain(walk), b = Drain(own), c = Drain(other);
        ASSERT_EQ(a.size(), 4u);
        ASSERT_EQ(b.size(), 4u);
        ASSERT_EQ(c.size(), 3u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(a[i].x, i);
            EXPECT_EQ(b[i].x, 100 + i);
        }
        for (int i = 0; i < 3; ++i) EXPECT_EQ(c[i].x, 201 + i);
    }
    // The two queues of their own are gone with their storage; the walk's stays.
    EXPECT_EQ(CountingStorage::releases, 2);
}
