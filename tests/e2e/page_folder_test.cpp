// Where the real program finds its pages when the folder it starts in holds none:
// the edition's folder under the user's Documents, as the installers lay it out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editions/edition.h"
#include "tests/e2e/support/session.h"

using namespace e2e;

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Points the user's Documents at a folder of the test's own while it lives, so the
// test never sees or touches the prefix's real Documents.
class DocumentsAt {
public:
    explicit DocumentsAt(const std::string& folder) {
        RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                        nullptr);
        DWORD size = sizeof old_;
        had_ = RegQueryValueExA(key_, "Personal", nullptr, &type_, reinterpret_cast<BYTE*>(old_), &size) ==
               ERROR_SUCCESS;
        RegSetValueExA(key_, "Personal", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       DWORD(folder.size() + 1));
    }
    ~DocumentsAt() {
        if (had_)
            RegSetValueExA(key_, "Personal", 0, type_, reinterpret_cast<const BYTE*>(old_), DWORD(strlen(old_) + 1));
        else
            RegDeleteValueA(key_, "Personal");
        RegCloseKey(key_);
    }

private:
    HKEY key_ = nullptr;
    DWORD type_ = REG_EXPAND_SZ;
    char old_[MAX_PATH] = {};
    bool had_ = false;
};

// The edition's folder under documents, with every page except `missing`.
std::string InstalledPages(const TempFolder& documents, int edition, std::vector<int> missing = {}) {
    char name[64];
    EditionFolderName(kEditions[edition - 1], name, sizeof name);
    const std::string tintwell = documents.File("Tintwell");
    const std::string folder = tintwell + "\\" + name;
    CreateDirectoryA(tintwell.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const auto isLine = testdata::OutlinedRects(kTestRects);
    for (int i = 0; i < kPageCount; ++i) {
        if (std::find(missing.begin(), missing.end(), i) != missing.end()) continue;
        std::string page = kEditions[edition - 1].pageNames[i];
        while (page.back() == ' ') page.pop_back();
        testdata::WriteMonoPage(folder + "\\" + page, edition, isLine);
    }
    return folder;
}

std::vector<int> AllPages() {
    std::vector<int> all;
    for (int i = 0; i < kPageCount; ++i) all.push_back(i);
    return all;
}

bool FolderIsEmpty(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    bool empty = true;
    if (find == INVALID_HANDLE_VALUE) return true;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") empty = false;
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return empty;
}

}  // namespace

TEST(PageFolder, PagesOnlyInDocumentsAreColouredAndSavedThereAndNothingIsWrittenWhereItStarted) {
    TempFolder documents;
    DocumentsAt redirect(documents.path());
    const std::string pages = InstalledPages(documents, 2);
    const std::vector<uint8_t> before = testdata::ReadBytes(pages + "\\ALBERTOS.CO2");
    Session s(2, AllPages());
    ASSERT_TRUE(s.DismissIntro());
    EXPECT_EQ(WaitForMessageBox(s.program().id(), "Tintwell", 300), nullptr);
    EXPECT_TRUE(s.WaitForTitleStrip(0));
    Click(kPageX + 200, kPageY + 200);  // inside area A: the default red
    EXPECT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kRed, 10000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
    EXPECT_NE(testdata::ReadBytes(pages + "\\ALBERTOS.CO2"), before) << "the colouring was saved in Documents";
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((pages + "\\printer.dta").c_str(), &entry);
    EXPECT_NE(find, INVALID_HANDLE_VALUE) << "the printing method is kept beside the pages";
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    EXPECT_TRUE(FolderIsEmpty(s.folder())) << "nothing is written where the program was started";
}

TEST(PageFolder, NoPagesAnywhereIsToldInOneBoxThatNamesBothPlaces) {
    TempFolder documents;
    DocumentsAt redirect(documents.path());
    Session s(1, AllPages());
    ASSERT_NE(s.WaitForIntroButton(), nullptr);
    Activate(s.window());
    PressKey(VK_RETURN);
    HWND box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
    ASSERT_NE(box, nullptr);
    const std::string text = MessageBoxText(box);
    EXPECT_NE(text.find(s.folder()), std::string::npos) << text;
    EXPECT_NE(text.find(documents.File("Tintwell\\Tintwell")), std::string::npos) << text;
    EXPECT_NE(text.find("Start menu"), std::string::npos) << text;
    AnswerBox(box, IDOK);
    EXPECT_EQ(s.program().WaitForExit(10000), 0u) << "the program ends after the one box";
}

TEST(PageFolder, AFolderLackingSomePagesIsSearchedAsBeforeAndDocumentsIsLeftAlone) {
    TempFolder documents;
    DocumentsAt redirect(documents.path());
    const std::string installed = InstalledPages(documents, 1);
    const std::vector<uint8_t> pristine = testdata::ReadBytes(installed + "\\ant.col");
    Session s(1, {0, 1});
    ASSERT_NE(s.WaitForIntroButton(), nullptr);
    Activate(s.window());
    PressKey(VK_RETURN);
    for (const char* name : {"airplane.col", "alphabet.col"}) {
        HWND box = WaitForMessageBox(s.program().id(), "Tintwell", 10000);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(MessageBoxText(box), std::string("The file ") + name + " is missing.");
        AnswerBox(box, IDOK);
        WaitUntil([&] { return !IsWindow(box); }, 3000);
    }
    EXPECT_TRUE(s.WaitForTitleStrip(2));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
    EXPECT_EQ(testdata::ReadBytes(s.PagePath(2)).size(), 304678u) << "page 2 was saved where it started";
    EXPECT_EQ(testdata::ReadBytes(installed + "\\ant.col"), pristine) << "Documents' page 2 untouched";
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((installed + "\\printer.dta").c_str(), &entry);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE) << "nothing was written in Documents";
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}
