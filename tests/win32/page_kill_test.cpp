// A save cut short by the end of the process never leaves a page file that
// fails to load: a helper saves a page over and over and is killed with
// TerminateProcess at random moments, and each time the file must hold one
// whole save.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "editions/edition.h"
#include "page/colours.h"
#include "page/page_file.h"
#include "support/gmem.h"
#include "tests/testdata/page_writer.h"

namespace td = testdata;

namespace {
constexpr int kKills = 100;

std::string HelperPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + "page_saver.exe";
}

// Spins for a number of microseconds: finer than Sleep, so kills land anywhere in a save.
void SpinMicroseconds(unsigned us) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    do QueryPerformanceCounter(&now);
    while (uint64_t(now.QuadPart - start.QuadPart) * 1000000 / uint64_t(frequency.QuadPart) < us);
}

// True when the bytes are a page of one colour with the clean flag its save gave it.
testing::AssertionResult IsOneWholeSave(const std::vector<uint8_t>& file) {
    PageImage page{};
    std::vector<uint8_t> pixels(kDibBytes, 0), scratch(pixels.size());
    PaletteColour palette[256];
    BuildPaletteEntries(palette);
    MemorySource source(file.data(), file.size());
    if (ReadPageFile(source, gEdition.pageSignature, palette, page, pixels.data(), scratch.data()) !=
        PageLoadResult::Loaded)
        return testing::AssertionFailure() << "a " << file.size() << "-byte file does not load";
    const uint8_t colour = pixels[0];
    for (uint8_t p : pixels)
        if (p != colour) return testing::AssertionFailure() << "two saves mixed: " << int(colour) << " and " << int(p);
    const bool wasOdd = (colour - 1) % 2 == 1;
    if (colour != 37 && PageIsClean(page) != wasOdd)
        return testing::AssertionFailure() << "clean flag of another save than colour " << int(colour);
    return testing::AssertionSuccess();
}
}  // namespace

TEST(PageKill, KillsDuringRepeatedSavesNeverLeaveAPageThatFailsToLoad) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "tw-page-kill-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string page = folder + "\\kill.col";
    const std::string leftover = page + ".tmp";
    ASSERT_TRUE(td::WriteMonoPage(page, 1, td::OutlinedRects({{10, 10, 600, 400}})));

    const std::string eventName = "tw-page-saver-" + std::to_string(GetCurrentProcessId());
    HANDLE running = CreateEventA(nullptr, FALSE, FALSE, eventName.c_str());
    ASSERT_NE(running, nullptr);
    std::mt19937 rng(20261207);
    int kills = 0, midSave = 0;
    for (int i = 0; i < kKills; ++i) {
        std::string command = "page_saver.exe \"" + page + "\" " + eventName;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(HelperPath().c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &startup, &process));
        HANDLE waits[2] = {running, process.hProcess};
        const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, 20000);
        if (woke == WAIT_OBJECT_0) {
            SpinMicroseconds(rng() % 20000);
            TerminateProcess(process.hProcess, 1);
            ++kills;
        }
        WaitForSingleObject(process.hProcess, 20000);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ASSERT_EQ(woke, WAIT_OBJECT_0) << "the saver stopped by itself with code " << code << " in round " << i;

        if (GetFileAttributesA(leftover.c_str()) != INVALID_FILE_ATTRIBUTES) ++midSave;
        ASSERT_TRUE(IsOneWholeSave(td::ReadBytes(page))) << "after kill " << kills;
    }
    CloseHandle(running);
    DeleteFileA(page.c_str());
    DeleteFileA(leftover.c_str());
    RemoveDirectoryA(folder.c_str());
    std::printf("page kill test: %d kills, %d of them while a temporary file was being written\n", kills, midSave);
    EXPECT_EQ(kills, kKills);
}
