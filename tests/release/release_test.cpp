// The release as a family gets it, under Wine: the installer's silent install,
// the Start-menu shortcut's program, a reinstall over a child's colouring, the
// uninstaller, and the zips unpacked. tests/release/run.sh makes the release's
// files available (TW_SETUP: the installer; TW_ZIPS: a folder holding each zip
// unpacked) and runs this in a fresh Wine prefix.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <gtest/gtest.h>
#include <shobjidl.h>
#include <objidl.h>

#include <cstdio>

#include "editions/edition.h"
#include "pictures/picture_names.h"
#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/program_art.h"
#include "tests/testdata/page_writer.h"

using namespace e2e;

namespace {

std::string Env(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? value : "";
}

std::string KnownFolder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string ProgramName(int edition) {
    return edition == 1 ? "tintwell.exe" : "tintwell" + std::to_string(edition) + ".exe";
}

std::string PageName(int edition, int index) {
    std::string name = kEditions[edition - 1].pageNames[index];
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SamePath(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// Runs a command to its end; its exit code, and the milliseconds it took.
DWORD RunToEnd(const std::string& commandLine, DWORD& ms) {
    std::string command = commandLine;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    const DWORD start = GetTickCount();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return DWORD(-2);
    CloseHandle(pi.hThread);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    ms = GetTickCount() - start;
    return code;
}

struct Shortcut {
    std::string target, folder;
};

Shortcut ReadShortcut(const std::string& path) {
    Shortcut result;
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    const std::wstring wide(path.begin(), path.end());
    char text[MAX_PATH] = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
        if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0))) result.target = text;
        if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) result.folder = text;
    }
    if (file) file->Release();
    if (link) link->Release();
    return result;
}

// The program of an edition, started, shows its intro card; Enter leads to page 0,
// whose title strip shows; Q quits it.
void ExpectIntroThenPageZero(int edition, HANDLE process) {
    const EditionInfo& info = kEditions[edition - 1];
    HWND window = WaitForWindow(info.className, 0, 15000);
    ASSERT_NE(window, nullptr) << info.windowTitle << " did not open";
    HWND ok = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (ok = GetDlgItem(window, 1007)) != nullptr && IsWindowVisible(ok); }, 10000))
        << "no intro card";
    Activate(window);
    PressKey(VK_RETURN);
    ProgramArt art(edition);
    EXPECT_TRUE(WaitForArt(art, "Titles", 0, 10, 330, 561, 140, 10, 10000)) << "page 0 is not shown";
    EXPECT_TRUE(WaitUntil([&] { return GetDlgItem(window, 1001) != nullptr; }, 5000));
    Sleep(500);  // input is dropped while the screen is still being composed
    Activate(window);
    TypeChar('q');
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }, 10000)) << "Q did not quit";
    if (process) WaitForSingleObject(process, 10000);
}

class ComSession {
public:
    ComSession() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComSession() { CoUninitialize(); }
};

}  // namespace

TEST(Installer, InstallsReinstallsOverColouringAndUninstallsKeepingIt) {
    ComSession com;
    const std::string setup = Env("TW_SETUP"), zips = Env("TW_ZIPS");
    ASSERT_FALSE(setup.empty()) << "run through tests/release/run.sh";
    const std::string programs = KnownFolder(CSIDL_PROGRAM_FILES) + "\\Tintwell";
    const std::string documents = KnownFolder(CSIDL_PERSONAL) + "\\Tintwell";
    const std::string menu = KnownFolder(CSIDL_PROGRAMS) + "\\Tintwell";
    auto editionFolder = [&](int n) { return documents + "\\" + kEditionFolders[n - 1]; };
    auto shortcut = [&](int n) { return menu + "\\" + kEditionFolders[n - 1] + ".lnk"; };

    DWORD ms = 0;
    ASSERT_EQ(RunToEnd("\"" + setup + "\" /S", ms), 0u);
    std::printf("[ figures ] silent install of five editions: %lu ms\n", ms);
    for (int n = 1; n <= kEditionCount; ++n) {
        SCOPED_TRACE(kEditions[n - 1].aboutHeading);
        EXPECT_TRUE(Exists(programs + "\\" + ProgramName(n)));
        EXPECT_TRUE(Exists(shortcut(n)));
        const std::string unpacked = zips + "\\tintwell-" + std::to_string(n) + "\\";
        for (int i = 0; i < kPageCount; ++i)
            EXPECT_EQ(testdata::ReadBytes(editionFolder(n) + "\\" + PageName(n, i)),
                      testdata::ReadBytes(unpacked + PageName(n, i)))
                << PageName(n, i);
        EXPECT_TRUE(Exists(editionFolder(n) + "\\" + kEditions[n - 1].musicFile));
    }
    EXPECT_TRUE(Exists(programs + "\\tintwell-pictures.exe"));
    const Shortcut pictures = ReadShortcut(menu + "\\Save the pictures.lnk");
    EXPECT_TRUE(SamePath(pictures.target, programs + "\\tintwell-pictures.exe")) << pictures.target;
    EXPECT_TRUE(SamePath(pictures.folder, documents)) << pictures.folder;

    // The shortcut starts the program in the edition's own folder.
    const Shortcut first = ReadShortcut(shortcut(1));
    EXPECT_TRUE(SamePath(first.target, programs + "\\tintwell.exe")) << first.target;
    EXPECT_TRUE(SamePath(first.folder, editionFolder(1))) << first.folder;
    SHELLEXECUTEINFOA run = {};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS;
    const std::string link = shortcut(1);
    run.lpFile = link.c_str();
    run.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExA(&run));
    ExpectIntroThenPageZero(1, run.hProcess);
    if (run.hProcess) CloseHandle(run.hProcess);
    // What the program writes (its printing method, the page it left) goes to the child's folder.
    EXPECT_TRUE(Exists(editionFolder(1) + "\\printer.dta"));
    EXPECT_EQ(testdata::ReadBytes(editionFolder(1) + "\\" + PageName(1, 0)).size(), 304678u);
    EXPECT_FALSE(Exists(programs + "\\printer.dta"));
    EXPECT_FALSE(Exists(programs + "\\" + PageName(1, 0)));

    // A child's colouring and a page deleted to start it afresh; then a reinstall.
    const std::string coloured = editionFolder(1) + "\\" + PageName(1, 0);
    const std::vector<uint8_t> colouring = testdata::ColourPageBytes(1, [](int x, int y) {
        return uint8_t(x == 20 || y == 20 ? 0 : (x < 20 ? 7 : 37));
    });
    ASSERT_TRUE(testdata::WriteBytes(coloured, colouring));
    const std::string removed = editionFolder(2) + "\\" + PageName(2, 5);
    ASSERT_TRUE(DeleteFileA(removed.c_str()));
    ASSERT_EQ(RunToEnd("\"" + setup + "\" /S", ms), 0u);
    std::printf("[ figures ] silent reinstall: %lu ms\n", ms);
    EXPECT_EQ(testdata::ReadBytes(coloured), colouring);
    EXPECT_EQ(testdata::ReadBytes(removed), testdata::ReadBytes(zips + "\\tintwell-2\\" + PageName(2, 5)));

    // The uninstaller runs from a copy of itself; it is done when its own file is gone.
    const std::string uninstaller = programs + "\\uninstall.exe";
    const DWORD start = GetTickCount();
    ASSERT_EQ(RunToEnd("\"" + uninstaller + "\" /S", ms), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !Exists(programs); }, 60000)) << programs << " is still there";
    std::printf("[ figures ] silent uninstall: %lu ms\n", GetTickCount() - start);
    EXPECT_FALSE(Exists(menu));
    for (int n = 1; n <= kEditionCount; ++n) EXPECT_FALSE(Exists(shortcut(n)));
    EXPECT_EQ(testdata::ReadBytes(coloured), colouring);
    EXPECT_TRUE(Exists(editionFolder(5) + "\\" + PageName(5, 49)));

    // A school's clean removal: /REMOVEPAGES ticks "also remove the coloured pages";
    // what the family put there themselves (saved pictures) stays.
    ASSERT_EQ(RunToEnd("\"" + setup + "\" /S", ms), 0u);
    const std::string picture = documents + "\\Pictures\\Airplane.png";
    CreateDirectoryA((documents + "\\Pictures").c_str(), nullptr);
    ASSERT_TRUE(testdata::WriteBytes(picture, {1, 2, 3}));
    ASSERT_EQ(RunToEnd("\"" + uninstaller + "\" /S /REMOVEPAGES", ms), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !Exists(programs); }, 60000));
    for (int n = 1; n <= kEditionCount; ++n) EXPECT_FALSE(Exists(editionFolder(n))) << editionFolder(n);
    EXPECT_TRUE(Exists(picture));
}

TEST(Zips, EachEditionRunsFromItsUnpackedFolderWithItsPagesAndSong) {
    const std::string zips = Env("TW_ZIPS");
    ASSERT_FALSE(zips.empty()) << "run through tests/release/run.sh";
    for (int n = 1; n <= kEditionCount; ++n) {
        SCOPED_TRACE(kEditions[n - 1].aboutHeading);
        const std::string folder = zips + "\\tintwell-" + std::to_string(n);
        EXPECT_TRUE(Exists(folder + "\\" + kEditions[n - 1].musicFile));
        EXPECT_TRUE(Exists(folder + "\\README.txt"));
        EXPECT_TRUE(Exists(folder + "\\tintwell-pictures.exe"));
        std::string command = "\"" + folder + "\\" + ProgramName(n) + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi));
        CloseHandle(pi.hThread);
        ExpectIntroThenPageZero(n, pi.hProcess);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &code);
        EXPECT_EQ(code, 0u);
        if (code == STILL_ACTIVE) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hProcess);
        // Quitting saved page 0 back into the unpacked folder, in the 8-bit form.
        EXPECT_EQ(testdata::ReadBytes(folder + "\\" + PageName(n, 0)).size(), 304678u);
    }
}
