#include <gtest/gtest.h>

#include <vector>

#include "page/point_queue.h"
#include "tests/unit/support/counting_storage.h"

namespace {

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

// Each test starts without walk storage and with the platform's allocator.
class PointQueueTest : public testing::Test {
protected:
    void SetUp() override { ReleaseWalkStorage(); }
    void TearDown() override {
        ReleaseWalkStorage();
        SetBlockAllocator(nullptr);
    }
};

}  // namespace

TEST_F(PointQueueTest, StartsHoldingItsFirstPosition) {
    PointQueue queue(330, 230);
    ASSERT_FALSE(queue.Empty());
    EXPECT_EQ(queue.Size(), 1u);
    EXPECT_EQ(queue.Front().x, 330);
    EXPECT_EQ(queue.Front().y, 230);
}

TEST_F(PointQueueTest, HoldsAWholePageAndGivesItBackInOrderAcrossTheWrap) {
    PointQueue queue(0, 0);
    // The most a walk ever holds: every pixel of the page plus the start again.
    for (size_t i = 1; i < kPointQueueCapacity; ++i) ASSERT_TRUE(queue.Push(int32_t(i), -int32_t(i)));
    EXPECT_EQ(queue.Size(), kPointQueueCapacity);
    EXPECT_FALSE(queue.Push(-1, -1));  // full: refused, the rest kept
    // Room made at the head is used from the start of the ring again.
    for (int i = 0; i < 3; ++i) queue.Pop();
    for (size_t i = kPointQueueCapacity; i < kPointQueueCapacity + 3; ++i)
        ASSERT_TRUE(queue.Push(int32_t(i), -int32_t(i)));
    EXPECT_FALSE(queue.Push(-1, -1));
    const std::vector<QueuedPoint> out = Drain(queue);
    ASSERT_EQ(out.size(), kPointQueueCapacity);
    for (size_t i = 0; i < out.size(); ++i) {
        ASSERT_EQ(out[i].x, int32_t(i + 3));
        ASSERT_EQ(out[i].y, -int32_t(i + 3));
    }
}

TEST_F(PointQueueTest, PoppingAnEmptyQueueDoesNothing) {
    PointQueue queue(1, 1);
    queue.Pop();
    queue.Pop();
    EXPECT_TRUE(queue.Empty());
    // A pop too many must not have moved anything: order is still kept.
    ASSERT_TRUE(queue.Push(2, 2));
    ASSERT_TRUE(queue.Push(3, 3));
    const std::vector<QueuedPoint> out = Drain(queue);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].x, 2);
    EXPECT_EQ(out[1].x, 3);
}

TEST_F(PointQueueTest, WithoutStorageTheQueueIsEmptyRefusesEverythingAndTheNextOneAsksAgain) {
    static const BlockAllocator failing = {NoMemory, NeverCalled};
    SetBlockAllocator(&failing);
    gRefused = 0;
    for (int walk = 1; walk <= 2; ++walk) {
        PointQueue queue(330, 230);
        EXPECT_TRUE(queue.Empty());
        EXPECT_FALSE(queue.Push(1, 2));
        queue.Pop();
        EXPECT_TRUE(queue.Empty());
        EXPECT_EQ(gRefused, walk);
    }
    SetBlockAllocator(nullptr);
    PointQueue queue(330, 230);
    EXPECT_EQ(queue.Front().x, 330);
}

TEST_F(PointQueueTest, TheStorageIsTakenOnceAndLentToEveryLaterQueue) {
    SetBlockAllocator(CountingStorage::Allocator());
    CountingStorage::ResetCounts();
    for (int walk = 0; walk < 3; ++walk) {
        PointQueue queue(walk, 7);
        ASSERT_TRUE(queue.Push(walk, 8));
        // The positions of the walk before are still in the storage but not in this queue.
        const std::vector<QueuedPoint> out = Drain(queue);
        ASSERT_EQ(out.size(), 2u);
        EXPECT_EQ(out[0].x, walk);
        EXPECT_EQ(out[1].y, 8);
    }
    EXPECT_EQ(CountingStorage::allocations, 1);
    EXPECT_GE(CountingStorage::bytes, kPointQueueCapacity * sizeof(QueuedPoint));
    EXPECT_EQ(CountingStorage::releases, 0);  // a queue never releases the storage

    // Given back to the allocator that gave it, even when another is installed by then.
    SetBlockAllocator(nullptr);
    ReleaseWalkStorage();
    EXPECT_EQ(CountingStorage::releases, 1);
    ReleaseWalkStorage();
    EXPECT_EQ(CountingStorage::releases, 1);
}
