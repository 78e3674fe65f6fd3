#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "support/assert.h"
#include "support/gmem.h"
#include "support/log.h"

namespace {

// Runs a test body in a fresh temporary directory (log.txt is written to the current one).
class InTempDir : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tintwell-diag-XXXXXX";
        dir_ = mkdtemp(pattern);
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        ASSERT_EQ(chdir(dir_.c_str()), 0);
    }
    void TearDown() override {
        gLogEnabled = false;
        SetLogClock(nullptr);
        std::remove("log.txt");
        ASSERT_EQ(chdir(previous_), 0);
        rmdir(dir_.c_str());
    }
    static std::string ReadLog() {
        std::ifstream in("log.txt", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string dir_;
    char previous_[4096];
};

uint32_t gFakeMillis = 0;
uint32_t FakeClock() { return gFakeMillis; }

}  // namespace

using Log = InTempDir;

TEST_F(Log, SwitchedOffWritesNoFile) {
    gLogEnabled = false;
    EXPECT_TRUE(LogMessage("DirectDrawCreateEx"));
    EXPECT_TRUE(LogMessage("LoadMidiFile reports: %s\n", "File cannot be loaded for reading."));
    FILE* f = std::fopen("log.txt", "rb");
    EXPECT_EQ(f, nullptr);
    if (f) std::fclose(f);
}

TEST_F(Log, LinesCarryTenthsOfASecondAndAppend) {
    gLogEnabled = true;
    SetLogClock(FakeClock);
    gFakeMillis = 12345;  // 12.3 seconds after start
    EXPECT_TRUE(LogMessage("WM_ACTIVATEAPP %i", 0));
    gFakeMillis = 99;
    EXPECT_TRUE(LogMessage("LoadMidiFile reports: %s\n", "x"));
    // A message ending in its own line feed leaves an empty line after it.
    EXPECT_EQ(ReadLog(), "123:  WM_ACTIVATEAPP 0\n0:  LoadMidiFile reports: x\n\n");
}

TEST_F(Log, NegativeSystemTimeTruncatesTowardZero) {
    gLogEnabled = true;
    SetLogClock(FakeClock);
    gFakeMillis = uint32_t(-250);  // read as a signed number
    LogMessage("SetDisplayMode");
    EXPECT_EQ(ReadLog(), "-2:  SetDisplayMode\n");
}

TEST_F(Log, TwoThreadsNeverInterleaveWithinALine) {
    gLogEnabled = true;
    SetLogClock(FakeClock);
    gFakeMillis = 1000;
    auto writer = [](char c) {
        const std::string text(200, c);
        for (int i = 0; i < 200; ++i) LogMessage("%s", text.c_str());
    };
    std::thread a(writer, 'a'), b(writer, 'b');
    a.join();
    b.join();
    std::istringstream lines(ReadLog());
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        ASSERT_EQ(line.size(), 5u + 200u) << line.substr(0, 40);  // "10:  " + text
        const std::string body = line.substr(5);
        EXPECT_TRUE(body == std::string(200, 'a') || body == std::string(200, 'b'));
    }
    EXPECT_EQ(count, 400);
}

TEST(Assertion, TextNamesLineFileAndQuotedExpression) {
    EXPECT_EQ(FormatAssertion({"lpDibClear", "Gmem", 26}),
              "at line 26 in file Gmem: \"lpDibClear\": OK to continue.");
    EXPECT_EQ(FormatAssertion({"xPage || yPage", "Print", 49}),
              "at line 49 in file Print: \"xPage || yPage\": OK to continue.");
}

// ---- global blocks with an injected allocator ----
namespace {
struct FakeHeap {
    int failuresLeft[3] = {0, 0, 0};  // per allocation order: how many times to fail
    int calls = 0;
    std::vector<void*> live;
    std::vector<size_t> sizes;
};
FakeHeap* gHeap = nullptr;
std::vector<std::string> gReports;
int gHandlerCalls = 0;
bool gHandlerAnswer = false;
size_t gHandlerBytes = 0;

void* FakeAllocate(size_t bytes) {
    int index = 0;
    if (bytes == kDibPrintBytes) index = 2;
    else if (gHeap->sizes.size() >= 1) index = 1;  // second block of the same size
    ++gHeap->calls;
    if (gHeap->failuresLeft[index] > 0) {
        if (gHeap->failuresLeft[index] < 1000) --gHeap->failuresLeft[index];
        return nullptr;
    }
    void* p = calloc(1, bytes);
    gHeap->live.push_back(p);
    gHeap->sizes.push_back(bytes);
    return p;
}
void FakeRelease(void* p) {
    for (size_t i = 0; i < gHeap->live.size(); ++i)
        if (gHeap->live[i] == p) {
            gHeap->live.erase(gHeap->live.begin() + long(i));
            free(p);
            return;
        }
    ADD_FAILURE() << "released a block twice or one never allocated";
}
bool CountingHandler(size_t bytes) {
    ++gHandlerCalls;
    gHandlerBytes = bytes;
    return gHandlerAnswer;
}
// A handler that itself allocates, as a message box may.
bool ReentrantHandler(size_t bytes) {
    ++gHandlerCalls;
    uint8_t* inner = AllocGlobalBlock(bytes);  // must give up at once, not recurse
    EXPECT_EQ(inner, nullptr);
    return false;
}
void RecordReport(const std::string& text) { gReports.push_back(text); }

class Blocks : public testing::Test {
protected:
    void SetUp() override {
        gHeap = &heap_;
        static const BlockAllocator fake = {FakeAllocate, FakeRelease};
        SetBlockAllocator(&fake);
        SetAssertionSink(RecordReport);
        gReports.clear();
        gHandlerCalls = 0;
        gHandlerAnswer = false;
    }
    void TearDown() override {
        FreeGlobalBlock(lpDib);
        FreeGlobalBlock(lpDibClear);
        FreeGlobalBlock(lpDibPrint);
        SetOutOfMemoryHandler(nullptr);
        SetAssertionSink(nullptr);
        SetBlockAllocator(nullptr);
        EXPECT_TRUE(heap_.live.empty());
    }
    FakeHeap heap_;
};
}  // namespace

TEST_F(Blocks, AllThreeWithTheirSizesZeroFilled) {
    ASSERT_TRUE(AllocateGlobalBlocks());
    ASSERT_EQ(heap_.sizes, (std::vector<size_t>{303600, 303600, 312624}));
    ASSERT_NE(lpDib, nullptr);
    ASSERT_NE(lpDibClear, nullptr);
    ASSERT_NE(lpDibPrint, nullptr);
    EXPECT_EQ(lpDibPrint[312623], 0);
    EXPECT_TRUE(gReports.empty());
    uint8_t* block = lpDib;
    FreeGlobalBlock(block);
    EXPECT_EQ(block, nullptr);
    FreeGlobalBlock(block);  // a second free of a cleared pointer does nothing
    lpDib = nullptr;
}

TEST_F(Blocks, RetryUntilMemoryIsFreeCompletes) {
    heap_.failuresLeft[0] = 3;
    gHandlerAnswer = true;
    SetOutOfMemoryHandler(CountingHandler);
    ASSERT_TRUE(AllocateGlobalBlocks());
    EXPECT_EQ(gHandlerCalls, 3);
    EXPECT_EQ(gHandlerBytes, 303600u);
    EXPECT_TRUE(gReports.empty());
}

TEST_F(Blocks, CancelAtTheSecondBlockReportsItAndReleasesTheFirst) {
    heap_.failuresLeft[1] = 1000;  // never succeeds
    gHandlerAnswer = false;
    SetOutOfMemoryHandler(CountingHandler);
    EXPECT_FALSE(AllocateGlobalBlocks());
    EXPECT_EQ(gHandlerCalls, 1);
    ASSERT_EQ(gReports.size(), 1u);
    EXPECT_EQ(gReports[0], "at line 26 in file Gmem: \"lpDibClear\": OK to continue.");
    EXPECT_EQ(lpDib, nullptr);
    EXPECT_EQ(lpDibClear, nullptr);
    EXPECT_TRUE(heap_.live.empty());
}

TEST_F(Blocks, ThirdBlockFailureNamesItAndReleasesBoth) {
    heap_.failuresLeft[2] = 1000;
    EXPECT_FALSE(AllocateGlobalBlocks());
    ASSERT_EQ(gReports.size(), 1u);
    EXPECT_EQ(gReports[0], "at line 31 in file Gmem: \"lpDibPrint\": OK to continue.");
    EXPECT_TRUE(heap_.live.empty());
}

TEST_F(Blocks, NoHandlerMeansGiveUpAtOnce) {
    heap_.failuresLeft[0] = 1000;
    EXPECT_FALSE(AllocateGlobalBlocks());
    EXPECT_EQ(heap_.calls, 1);
    ASSERT_EQ(gReports.size(), 1u);
    EXPECT_EQ(gReports[0], "at line 20 in file Gmem: \"lpDib\": OK to continue.");
}

TEST_F(Blocks, HandlerIsNotAskedAgainWhileItsOwnBoxIsOpen) {
    heap_.failuresLeft[0] = 1000;
    SetOutOfMemoryHandler(ReentrantHandler);
    EXPECT_EQ(AllocGlobalBlock(kDibBytes), nullptr);
    EXPECT_EQ(gHandlerCalls, 1);
}

TEST_F(Blocks, SetHandlerReturnsThePreviousOne) {
    EXPECT_EQ(SetOutOfMemoryHandler(CountingHandler), nullptr);
    EXPECT_EQ(SetOutOfMemoryHandler(ReentrantHandler), &CountingHandler);
}
