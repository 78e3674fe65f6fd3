// The wave sounds: what reaches the platform's PlaySound for each request.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/sounds.h"

namespace {

struct Call {
    LPCSTR sound;
    DWORD flags;
};
std::vector<Call> gCalls;

BOOL WINAPI RecordPlaySound(LPCSTR sound, HMODULE, DWORD flags) {
    gCalls.push_back({sound, flags});
    return TRUE;
}

const void* WaveBytes(HMODULE module, int id) {
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), "WAVE");
    return info ? LockResource(LoadResource(module, info)) : nullptr;
}

class Sounds : public testing::Test {
protected:
    void SetUp() override {
        gCalls.clear();
        SetPlaySoundFunction(RecordPlaySound);
    }
    void TearDown() override {
        SetPlaySoundFunction(nullptr);
        LoadSounds(GetModuleHandleA(nullptr));
    }
};

}  // namespace

TEST_F(Sounds, PlayFromTheProgramsOwnWaveResourcesAsynchronously) {
    HMODULE program = GetModuleHandleA(nullptr);
    LoadSounds(program);
    PlaySoundOnce(7);
    PlaySoundLoop(5);
    StopSounds();
    ASSERT_EQ(gCalls.size(), 3u);
    EXPECT_EQ(gCalls[0].sound, WaveBytes(program, 7));
    EXPECT_EQ(gCalls[0].flags, DWORD(SND_ASYNC | SND_MEMORY));
    EXPECT_EQ(gCalls[1].sound, WaveBytes(program, 5));
    EXPECT_EQ(gCalls[1].flags, DWORD(SND_ASYNC | SND_MEMORY | SND_LOOP));
    EXPECT_EQ(gCalls[2].sound, nullptr);
    EXPECT_EQ(gCalls[2].flags, 0u);
    const char* riff = static_cast<const char*>(WaveBytes(program, 8));
    ASSERT_NE(riff, nullptr);
    EXPECT_EQ(std::string(riff, 4), "RIFF");
}

TEST_F(Sounds, AMissingSoundStopsWhateverPlaysInstead) {
    LoadSounds(GetModuleHandleA("kernel32.dll"));  // a module with no wave resources
    PlaySoundOnce(1);
    PlaySoundLoop(6);
    PlaySoundOnce(0);   // no such sound number
    PlaySoundOnce(9);
    ASSERT_EQ(gCalls.size(), 4u);
    for (const Call& call : gCalls) {
        EXPECT_EQ(call.sound, nullptr);
        EXPECT_EQ(call.flags, 0u);
    }
}
