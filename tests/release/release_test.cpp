// The release as a family gets it, under Wine: the installer's silent install just
// for the user, the Start-menu shortcut's program, a reinstall over a child's
// colouring, the uninstaller, and the zips unpacked; and the install for everyone,
// whose setup stub gives a second account its own pages, and whose reinstall and
// uninstall keep every account's pages. tests/release/run.sh makes the release's
// files available (TW_SETUP: the installer; TW_ZIPS: a folder holding each zip
// unpacked), runs this in a fresh Wine prefix, and plays the second account (the
// AllUsers tests run one at a time, in order, as run.sh says).
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
    if (WaitForSingleObject(pi.hProcess, Patient(120000)) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
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
    Sleep(Patient(500));  // input is dropped while the screen is still being composed
    Activate(window);
    TypeChar('q');
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }, 10000)) << "Q did not quit";
    if (process) WaitForSingleObject(process, Patient(10000));
}

// A registry key in the 32-bit or the 64-bit view (a 32-bit installer on 64-bit
// Windows writes HKLM\Software into the 32-bit one).
bool KeyExists(HKEY root, const std::string& path, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool KeyInEitherView(HKEY root, const std::string& path) {
    return KeyExists(root, path, KEY_WOW64_32KEY) || KeyExists(root, path, KEY_WOW64_64KEY);
}

// A string value from whichever view holds the key; "" when neither does.
std::string ReadString(HKEY root, const std::string& path, const char* name) {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        char value[1024] = {};
        DWORD size = sizeof value - 1;
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) continue;
        const LONG read = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(key);
        if (read == ERROR_SUCCESS) return value;
    }
    return "";
}

const std::string kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tintwell";
const std::string kActiveSetupKey = "Software\\Microsoft\\Active Setup\\Installed Components\\Tintwell";

// Signalled by any write under HKLM\Software in the view the installer under test sees:
// the 32-bit one (Wow6432Node) for the release, the 64-bit one for the 64-bit test
// installer, which these tests use when built 64-bit. Wine's own 64-bit services keep
// rewriting keys of the 64-bit view, which is why only the installer's view is watched.
class MachineRegistryWatch {
public:
    MachineRegistryWatch() {
        const REGSAM view = sizeof(void*) == 8 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_NOTIFY | view, &key_) != ERROR_SUCCESS)
            return;
        event_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        const DWORD filter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
        watching_ = event_ && RegNotifyChangeKeyValue(key_, TRUE, filter, event_, TRUE) == ERROR_SUCCESS;
    }
    ~MachineRegistryWatch() {
        if (key_) RegCloseKey(key_);
        if (event_) CloseHandle(event_);
    }
    MachineRegistryWatch(const MachineRegistryWatch&) = delete;
    MachineRegistryWatch& operator=(const MachineRegistryWatch&) = delete;
    bool Watching() const { return watching_; }
    bool Written() const { return WaitForSingleObject(event_, 0) == WAIT_OBJECT_0; }

private:
    HKEY key_ = nullptr;
    HANDLE event_ = nullptr;
    bool watching_ = false;
};

// The execution level a program's manifest asks Windows for.
std::string RequestedLevel(const std::string& exe) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return "(unreadable)";
    std::string manifest;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)))
        if (HGLOBAL data = LoadResource(module, found))
            manifest.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, found));
    FreeLibrary(module);
    const size_t at = manifest.find("level=\"");
    return at == std::string::npos ? "(none)" : manifest.substr(at + 7, manifest.find('"', at + 7) - at - 7);
}

// Starts a shortcut as the Start menu does and waits for its program to end.
DWORD RunShortcut(const Shortcut& link) {
    // As Windows starts a shortcut: its program, in its working folder. (Under Wine,
    // ShellExecuteEx on the shortcut itself gave back no process to wait for.)
    std::string command = "\"" + link.target + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (link.target.empty() || !CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                               link.folder.empty() ? nullptr : link.folder.c_str(), &si, &pi))
        return DWORD(-2);
    CloseHandle(pi.hThread);
    DWORD code = DWORD(-2);
    if (WaitForSingleObject(pi.hProcess, Patient(60000)) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    return code;
}

// The colouring each account's test leaves on a page, told apart by account.
std::vector<uint8_t> Colouring(int edition, uint8_t colour) {
    return testdata::ColourPageBytes(edition, [colour](int x, int y) {
        return uint8_t(x == 20 || y == 20 ? 0 : (x < 20 ? colour : 37));
    });
}

// Every page and the song of each edition in a folder per edition, as the zips hold them.
void ExpectPristinePages(const std::string& folders, const std::string& zips) {
    for (int n = 1; n <= kEditionCount; ++n) {
        SCOPED_TRACE(kEditions[n - 1].aboutHeading);
        const std::string folder = folders + "\\" + kEditionFolders[n - 1] + "\\";
        const std::string unpacked = zips + "\\tintwell-" + std::to_string(n) + "\\";
        for (int i = 0; i < kPageCount; ++i)
            EXPECT_EQ(testdata::ReadBytes(folder + PageName(n, i)), testdata::ReadBytes(unpacked + PageName(n, i)))
                << folder << PageName(n, i);
        EXPECT_EQ(testdata::ReadBytes(folder + kEditions[n - 1].musicFile),
                  testdata::ReadBytes(unpacked + kEditions[n - 1].musicFile));
    }
}

// An install for everyone leaves nothing of itself in the registry.
void ExpectNoEveryoneEntries() {
    EXPECT_FALSE(KeyInEitherView(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(KeyInEitherView(HKEY_LOCAL_MACHINE, kActiveSetupKey));
    EXPECT_FALSE(KeyInEitherView(HKEY_LOCAL_MACHINE, "Software\\Tintwell"));
}

class ComSession {
public:
    ComSession() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComSession() { CoUninitialize(); }
};

}  // namespace

// A child's own standard account: the default install needs no administrator and
// everything goes to that account's own places.
TEST(Installer, JustForMeInstallsReinstallsOverColouringAndUninstallsKeepingIt) {
    ComSession com;
    const std::string setup = Env("TW_SETUP"), zips = Env("TW_ZIPS");
    ASSERT_FALSE(setup.empty()) << "run through tests/release/run.sh";
    const std::string programs = KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Tintwell";
    const std::string documents = KnownFolder(CSIDL_PERSONAL) + "\\Tintwell";
    const std::string menu = KnownFolder(CSIDL_PROGRAMS) + "\\Tintwell";
    auto editionFolder = [&](int n) { return documents + "\\" + kEditionFolders[n - 1]; };
    auto shortcut = [&](int n) { return menu + "\\" + kEditionFolders[n - 1] + ".lnk"; };

    // Windows asks for no administrator: the manifest says so (Wine has no accounts to show it).
    EXPECT_EQ(RequestedLevel(setup), "asInvoker");

    DWORD ms = 0;
    {
        MachineRegistryWatch machine;
        ASSERT_TRUE(machine.Watching());
        ASSERT_EQ(RunToEnd("\"" + setup + "\" /S", ms), 0u);
        std::printf("[ figures ] silent install of five editions, just for me: %lu ms\n", ms);
        EXPECT_FALSE(machine.Written()) << "the install wrote under HKLM\\Software";
    }
    ExpectNoEveryoneEntries();
    EXPECT_FALSE(Exists(KnownFolder(CSIDL_PROGRAM_FILES) + "\\Tintwell"));
    EXPECT_FALSE(Exists(Env("ProgramW6432") + "\\Tintwell"));
    EXPECT_FALSE(Exists(KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Tintwell"));
    EXPECT_FALSE(Exists(programs + "\\pages"));
    const std::string uninstallString = ReadString(HKEY_CURRENT_USER, kUninstallKey, "UninstallString");
    EXPECT_TRUE(SamePath(uninstallString, "\"" + programs + "\\uninstall.exe\"")) << uninstallString;
    for (int n = 1; n <= kEditionCount; ++n) {
        EXPECT_TRUE(Exists(programs + "\\" + ProgramName(n))) << n;
        EXPECT_TRUE(Exists(shortcut(n))) << n;
    }
    ExpectPristinePages(documents, zips);
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
    const std::vector<uint8_t> colouring = Colouring(1, 7);
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
    std::printf("[ figures ] silent uninstall, just for me: %lu ms\n", GetTickCount() - start);
    EXPECT_FALSE(Exists(menu));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey, 0));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Tintwell", 0));
    for (int n = 1; n <= kEditionCount; ++n) EXPECT_FALSE(Exists(shortcut(n)));
    EXPECT_EQ(testdata::ReadBytes(coloured), colouring);
    EXPECT_TRUE(Exists(editionFolder(5) + "\\" + PageName(5, 49)));

    // A family's clean removal: /REMOVEPAGES ticks "also remove the coloured pages";
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
        // The unpacked page 0 is put back afterwards: the other tests compare with it.
        const std::string page0 = folder + "\\" + PageName(n, 0);
        const std::vector<uint8_t> pristine = testdata::ReadBytes(page0);
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
        EXPECT_EQ(testdata::ReadBytes(page0).size(), 304678u);
        EXPECT_TRUE(testdata::WriteBytes(page0, pristine));
    }
}

// An install for everyone, as a school or a family with several children makes it.
// run.sh runs these three one at a time, in this order: the first and last as the
// installing account, the second as another account of the same computer
// (TW_OTHER_DOCUMENTS names that account's Documents to the last).
struct EveryonePlaces {
    std::string programs = KnownFolder(CSIDL_PROGRAM_FILES) + "\\Tintwell";
    std::string menu = KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Tintwell";
    std::string documents = KnownFolder(CSIDL_PERSONAL) + "\\Tintwell";
    std::string Page(int edition, int index) const {
        return documents + "\\" + kEditionFolders[edition - 1] + "\\" + PageName(edition, index);
    }
};

// The command Windows runs once for each account as it signs in.
std::string SetupStub() {
    return ReadString(HKEY_LOCAL_MACHINE, kActiveSetupKey, "StubPath");
}

TEST(AllUsers, InstallsForEveryoneAndGivesTheInstallingAccountItsPages) {
    ComSession com;
    const std::string setup = Env("TW_SETUP"), zips = Env("TW_ZIPS");
    ASSERT_FALSE(setup.empty()) << "run through tests/release/run.sh";
    const EveryonePlaces at;
    DWORD ms = 0;
    ASSERT_EQ(RunToEnd("\"" + setup + "\" /S /ALLUSERS", ms), 0u);
    std::printf("[ figures ] silent install of five editions, for everyone: %lu ms\n", ms);

    for (int n = 1; n <= kEditionCount; ++n) {
        SCOPED_TRACE(kEditions[n - 1].aboutHeading);
        EXPECT_TRUE(Exists(at.programs + "\\" + ProgramName(n)));
        const Shortcut link = ReadShortcut(at.menu + "\\" + kEditionFolders[n - 1] + ".lnk");
        EXPECT_TRUE(SamePath(link.target, at.programs + "\\" + ProgramName(n))) << link.target;
    }
    EXPECT_FALSE(Exists(KnownFolder(CSIDL_PROGRAMS) + "\\Tintwell")) << "shortcuts for one account only";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey, 0));
    const std::string uninstallString = ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
    EXPECT_TRUE(SamePath(uninstallString, "\"" + at.programs + "\\uninstall.exe\"")) << uninstallString;
    ExpectPristinePages(at.programs + "\\pages", zips);

    const std::string stub = SetupStub();
    EXPECT_TRUE(SamePath(stub, "\"" + at.programs + "\\tintwell-pages.exe\"")) << stub;
    EXPECT_NE(ReadString(HKEY_LOCAL_MACHINE, kActiveSetupKey, "Version"), "");
    // The installing account is signed in already, so its pages are there at once.
    ExpectPristinePages(at.documents, zips);

    // The stub again (as at a newer version's first sign-in) keeps a colouring and
    // brings back a page deleted to start it afresh.
    const std::vector<uint8_t> colouring = Colouring(3, 7);
    ASSERT_TRUE(testdata::WriteBytes(at.Page(3, 0), colouring));
    ASSERT_TRUE(DeleteFileA(at.Page(2, 5).c_str()));
    ASSERT_EQ(RunToEnd(stub, ms), 0u);
    std::printf("[ figures ] setup stub, pages already in place: %lu ms\n", ms);
    EXPECT_EQ(testdata::ReadBytes(at.Page(3, 0)), colouring);
    EXPECT_EQ(testdata::ReadBytes(at.Page(2, 5)), testdata::ReadBytes(zips + "\\tintwell-2\\" + PageName(2, 5)));

    // "Save the pictures" for everyone starts in the programs' folder and finds this account's pages.
    const Shortcut save = ReadShortcut(at.menu + "\\Save the pictures.lnk");
    EXPECT_TRUE(SamePath(save.target, at.programs + "\\tintwell-pictures.exe")) << save.target;
    EXPECT_EQ(RunShortcut(save), 0u);
    EXPECT_TRUE(Exists(at.documents + "\\Pictures\\" + kPictureNames[2][0] + ".png"));
    HWND folder = nullptr;
    if (WaitUntil([&] { return (folder = FindWindowA(nullptr, "Pictures")) != nullptr; }, 10000))
        PostMessageA(folder, WM_CLOSE, 0, 0);
}

TEST(AllUsers, TheSetupStubGivesAnotherAccountItsOwnPages) {
    const std::string zips = Env("TW_ZIPS"), first = Env("TW_FIRST_DOCUMENTS");
    ASSERT_FALSE(first.empty()) << "run through tests/release/run.sh, as the second account";
    const EveryonePlaces at;
    ASSERT_FALSE(SamePath(at.documents, first + "\\Tintwell")) << "not another account";
    EXPECT_FALSE(Exists(at.documents));
    const std::string stub = SetupStub();
    ASSERT_NE(stub, "");
    DWORD ms = 0;
    ASSERT_EQ(RunToEnd(stub, ms), 0u);
    std::printf("[ figures ] setup stub, a new account's five editions: %lu ms\n", ms);
    ExpectPristinePages(at.documents, zips);
    ASSERT_TRUE(testdata::WriteBytes(at.Page(3, 0), Colouring(3, 12)));
    // The first account's colouring is its own.
    EXPECT_EQ(testdata::ReadBytes(first + "\\Tintwell\\" + kEditionFolders[2] + "\\" + PageName(3, 0)),
              Colouring(3, 7));
}

TEST(AllUsers, ReinstallAndUninstallKeepEveryAccountsPages) {
    const std::string setup = Env("TW_SETUP"), other = Env("TW_OTHER_DOCUMENTS");
    ASSERT_FALSE(other.empty()) << "run through tests/release/run.sh, after the second account";
    const EveryonePlaces at;
    const std::string otherPage = other + "\\Tintwell\\" + kEditionFolders[2] + "\\" + PageName(3, 0);
    ASSERT_EQ(testdata::ReadBytes(otherPage), Colouring(3, 12));

    DWORD ms = 0;
    ASSERT_EQ(RunToEnd("\"" + setup + "\" /S /ALLUSERS", ms), 0u);
    std::printf("[ figures ] silent reinstall, for everyone: %lu ms\n", ms);
    EXPECT_EQ(testdata::ReadBytes(at.Page(3, 0)), Colouring(3, 7));

    const std::string uninstaller = at.programs + "\\uninstall.exe";
    const DWORD start = GetTickCount();
    ASSERT_EQ(RunToEnd("\"" + uninstaller + "\" /S", ms), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !Exists(at.programs); }, 60000)) << at.programs << " is still there";
    std::printf("[ figures ] silent uninstall, for everyone: %lu ms\n", GetTickCount() - start);
    EXPECT_FALSE(Exists(at.menu));
    ExpectNoEveryoneEntries();
    EXPECT_EQ(testdata::ReadBytes(at.Page(3, 0)), Colouring(3, 7));
    EXPECT_TRUE(Exists(at.Page(5, 49)));
    EXPECT_EQ(testdata::ReadBytes(otherPage), Colouring(3, 12));
    EXPECT_TRUE(Exists(other + "\\Tintwell\\" + kEditionFolders[4] + "\\" + PageName(5, 49)));
}
