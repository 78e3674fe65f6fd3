// tintwell-pictures.exe on real page folders: which pages become pictures, their
// pixels, the message for a damaged or an uncoloured folder, and pages left untouched.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <algorithm>
#include <map>

#include "editions/edition.h"
#include "tests/e2e/support/desktop.h"
#include "tests/testdata/page_writer.h"

using namespace e2e;

namespace {

struct RunResult {
    DWORD exitCode = DWORD(-2);
    std::vector<std::string> boxTexts;  // the message boxes shown, in order, each answered with OK
};

// Runs the saver on a page folder, answering each message box with OK.
RunResult SavePictures(const std::string& pages, const std::string& pictures) {
    RunResult result;
    std::string command = "\"" + ProgramFolder() + "\\tintwell-pictures.exe\" \"" + pages + "\" \"" + pictures + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, pages.c_str(), &si, &pi))
        return result;
    CloseHandle(pi.hThread);
    while (WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT) {
        HWND box = WaitForMessageBox(pi.dwProcessId, "Tintwell: Save the pictures", 0);
        if (!box) continue;
        result.boxTexts.push_back(MessageBoxText(box));
        AnswerBox(box, IDOK);
        WaitUntil([&] { return !IsWindow(box); }, 5000);
    }
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hProcess);
    return result;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

// A PNG's pixels as blue, green, red bytes, rows from the top; empty when it is no PNG.
std::vector<uint8_t> ReadPng(const std::string& path, UINT& width, UINT& height) {
    const std::vector<uint8_t> bytes = testdata::ReadBytes(path);
    if (bytes.size() < 8 || std::string(bytes.begin(), bytes.begin() + 8) != "\x89PNG\r\n\x1a\n") return {};
    std::vector<uint8_t> pixels;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICBitmapSource* converted = nullptr;
    const std::wstring wide(path.begin(), path.end());
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame, &converted)) &&
        SUCCEEDED(converted->GetSize(&width, &height))) {
        const UINT stride = (width * 3 + 3) / 4 * 4;
        std::vector<uint8_t> padded(size_t(stride) * height);
        if (SUCCEEDED(converted->CopyPixels(nullptr, stride, UINT(padded.size()), padded.data())))
            for (UINT y = 0; y < height; ++y)
                pixels.insert(pixels.end(), padded.begin() + y * stride, padded.begin() + y * stride + width * 3);
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converted, frame, decoder, factory})
        if (object) object->Release();
    CoUninitialize();
    return pixels;
}

// Closes the folder window the saver opened (its title is the folder's name).
bool CloseFolderWindow(const std::string& folder) {
    const std::string title = folder.substr(folder.find_last_of('\\') + 1);
    HWND window = nullptr;
    const bool shown = WaitUntil([&] { return (window = FindWindowA(nullptr, title.c_str())) != nullptr; }, 10000);
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    return shown;
}

// Two painted rectangles inside outlines on paper; colour 27 is the white paint.
uint8_t PaintedPage(int x, int y, uint8_t first, uint8_t second) {
    if (x == 50 || x == 300 || y == 40 || y == 400) return 0;
    if (x > 50 && x < 300 && y > 40 && y < 400) return first;
    if (x > 300 && y > 40 && y < 400) return second;
    return 37;
}

std::string PageName(int edition, int index) {
    std::string name = kEditions[edition - 1].pageNames[index];
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

}  // namespace

// Documents\Tintwell as the installer lays it out: one folder per edition. Page
// titles that two editions share get the edition's name, so no picture replaces another.
TEST(Pictures, SavesEachColouredPageOnceWithItsColoursAndLeavesThePagesAlone) {
    TempFolder root, pictures;
    const std::string one = root.File("Tintwell"), three = root.File("Tintwell 3 - Animals");
    CreateDirectoryA(one.c_str(), nullptr);
    CreateDirectoryA(three.c_str(), nullptr);
    const auto blank = testdata::OutlinedRects({{50, 40, 300, 400}});
    std::map<std::string, std::vector<uint8_t>> before;
    auto write = [&](const std::string& path, const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(testdata::WriteBytes(path, bytes));
        before[path] = bytes;
    };
    write(one + "\\" + PageName(1, 0), testdata::ColourPageBytes(1, [](int x, int y) { return PaintedPage(x, y, 5, 27); }));
    write(one + "\\" + PageName(1, 1), testdata::MonoPageBytes(1, blank));
    // Saved after a clear: 8-bit, but only line and paper.
    write(one + "\\" + PageName(1, 2), testdata::ColourPageBytes(1, [](int x, int y) { return PaintedPage(x, y, 37, 37); }, true));
    write(one + "\\" + PageName(1, 3), {'C', 'O', 1, 2, 3});
    write(three + "\\" + PageName(3, 7), testdata::ColourPageBytes(3, [](int x, int y) { return PaintedPage(x, y, 37, 12); }));
    // A page of another edition under this edition's name is not this edition's page.
    write(three + "\\" + PageName(3, 8), testdata::ColourPageBytes(1, [](int x, int y) { return PaintedPage(x, y, 9, 9); }));

    const RunResult run = SavePictures(root.path(), pictures.path());
    EXPECT_EQ(run.exitCode, 2u);
    ASSERT_EQ(run.boxTexts.size(), 1u);
    EXPECT_NE(run.boxTexts[0].find(one + "\\" + PageName(1, 3)), std::string::npos) << run.boxTexts[0];
    EXPECT_NE(run.boxTexts[0].find(three + "\\" + PageName(3, 8)), std::string::npos) << run.boxTexts[0];
    EXPECT_TRUE(CloseFolderWindow(pictures.path()));

    std::vector<std::string> files = FilesIn(pictures.path());
    std::sort(files.begin(), files.end());
    ASSERT_EQ(files, (std::vector<std::string>{"Airplane.png", "Butterfly (Tintwell 3 - Animals).png"}));
    const std::vector<uint8_t> table = testdata::SavedColourTable();
    const std::pair<std::string, testdata::ColourAt> expected[] = {
        {"Airplane.png", [](int x, int y) { return PaintedPage(x, y, 5, 27); }},
        {"Butterfly (Tintwell 3 - Animals).png", [](int x, int y) { return PaintedPage(x, y, 37, 12); }}};
    for (const auto& picture : expected) {
        UINT width = 0, height = 0;
        const std::vector<uint8_t> pixels = ReadPng(pictures.File(picture.first), width, height);
        ASSERT_EQ(width, 660u) << picture.first;
        ASSERT_EQ(height, 460u) << picture.first;
        ASSERT_EQ(pixels.size(), size_t(660 * 460 * 3));
        int wrong = 0;
        for (int y = 0; y < 460; ++y)
            for (int x = 0; x < 660; ++x) {
                const uint8_t* want = &table[4 * picture.second(x, y)];
                const uint8_t* got = &pixels[(size_t(y) * 660 + x) * 3];
                wrong += want[0] != got[0] || want[1] != got[1] || want[2] != got[2];
            }
        EXPECT_EQ(wrong, 0) << picture.first;
    }
    for (const auto& page : before) EXPECT_EQ(testdata::ReadBytes(page.first), page.second) << page.first;
}

TEST(Pictures, AFolderWithNothingColouredSaysSoAndMakesNoPicture) {
    TempFolder pages, pictures;
    const std::string target = pictures.File("Pictures");
    ASSERT_TRUE(testdata::WriteMonoPage(pages.File(PageName(2, 0)), 2, testdata::OutlinedRects({{9, 9, 99, 99}})));
    const RunResult run = SavePictures(pages.path(), target);
    EXPECT_EQ(run.exitCode, 1u);
    ASSERT_EQ(run.boxTexts.size(), 1u);
    EXPECT_NE(run.boxTexts[0].find("No page in " + pages.path() + " has been coloured yet"), std::string::npos)
        << run.boxTexts[0];
    EXPECT_EQ(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
}
