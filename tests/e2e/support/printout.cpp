#include "tests/e2e/support/printout.h"

#include <winspool.h>

#include <cstdio>
#include <cstring>

#include "tests/e2e/support/desktop.h"
#include "tests/printer/virtual_printer.h"
#include "tests/testdata/page_writer.h"

namespace e2e {

namespace {

// A Unix path as Wine shows it on its Z: drive.
std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string ReadFile(const std::string& path) {
    const std::vector<uint8_t> bytes = testdata::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A binary PPM (P6, maxval 255) into 0xRRGGBB pixels.
bool ParsePpm(const std::string& bytes, Sheet* sheet) {
    size_t pos = 0;
    auto token = [&]() {
        while (pos < bytes.size()) {
            if (bytes[pos] == '#')
                while (pos < bytes.size() && bytes[pos] != '\n') ++pos;
            else if (isspace(static_cast<unsigned char>(bytes[pos])))
                ++pos;
            else
                break;
        }
        const size_t start = pos;
        while (pos < bytes.size() && !isspace(static_cast<unsigned char>(bytes[pos]))) ++pos;
        return bytes.substr(start, pos - start);
    };
    if (token() != "P6") return false;
    const int width = std::atoi(token().c_str()), height = std::atoi(token().c_str());
    if (token() != "255" || width <= 0 || height <= 0) return false;
    ++pos;  // the one white-space character before the samples
    if (bytes.size() - pos < size_t(width) * size_t(height) * 3) return false;
    sheet->width = width;
    sheet->height = height;
    sheet->pixels.resize(size_t(width) * size_t(height));
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data() + pos);
    for (auto& pixel : sheet->pixels) {
        pixel = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        p += 3;
    }
    return true;
}

}  // namespace

std::string JobFile() { return WindowsPath(testprinter::JobDestination()); }

bool JobComplete() {
    const std::string bytes = ReadFile(JobFile());
    const size_t end = bytes.find_last_not_of("\r\n");
    return end != std::string::npos && end >= 4 && bytes.compare(end - 4, 5, "%%EOF") == 0;
}

void ForgetJob() { DeleteFileA(JobFile().c_str()); }

bool WaitForJob(DWORD timeoutMs) { return WaitUntil([] { return JobComplete(); }, timeoutMs); }

bool RasteriseJob(Sheet* sheet, std::string* error, DWORD timeoutMs) {
    const std::string job = testprinter::JobDestination();
    const std::string image = job + ".ppm";
    DeleteFileA(WindowsPath(image).c_str());
    DeleteFileA(WindowsPath(image + ".failed").c_str());
    // Wine starts a Unix program named by its Z: path (without a process handle to wait on).
    std::string command = WindowsPath(TW_SOURCE_DIR "/tools/rasterise.sh") + " " + job + " " + image;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        *error = "the rasteriser did not start: error " + std::to_string(GetLastError());
        return false;
    }
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    const bool done = WaitUntil(
        [&] { return Exists(WindowsPath(image)) || Exists(WindowsPath(image + ".failed")); }, timeoutMs);
    if (!done) {
        *error = "no image from the rasteriser";
        return false;
    }
    if (Exists(WindowsPath(image + ".failed"))) {
        *error = ReadFile(WindowsPath(image + ".failed"));
        return false;
    }
    if (!ParsePpm(ReadFile(WindowsPath(image)), sheet)) {
        *error = "the image is no binary PPM";
        return false;
    }
    return true;
}

Box InkBox(const Sheet& sheet) {
    Box box{sheet.width, sheet.height, 0, 0};
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            if (sheet.At(x, y) != 0xFFFFFF) {
                if (x < box.left) box.left = x;
                if (x >= box.right) box.right = x + 1;
                if (y < box.top) box.top = y;
                if (y >= box.bottom) box.bottom = y + 1;
            }
    return box.right == 0 ? Box{} : box;
}

PrinterGeometry DefaultPrinterGeometry() {
    PrinterGeometry g;
    char name[256];
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) return g;
    HDC dc = CreateDCA(nullptr, name, nullptr, nullptr);
    if (!dc) return g;
    g.xPage = GetDeviceCaps(dc, HORZRES);
    g.yPage = GetDeviceCaps(dc, VERTRES);
    g.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    g.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    DeleteDC(dc);
    return g;
}

HWND WaitForPrintDialog(DWORD processId, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows("#32770", processId))
                // The dialog lists the printers in a combo box; a message box has none.
                if (IsWindowVisible(w) && FindWindowExA(w, nullptr, "ComboBox", nullptr)) {
                    found = w;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

NoPrinter::NoPrinter() : destination_(testprinter::JobDestination()) { removed_ = testprinter::Remove(); }

NoPrinter::~NoPrinter() {
    const std::string error = testprinter::Install(WindowsPath(TW_SOURCE_DIR "/tests/printer/tintwell-test.ppd"),
                                                   destination_);
    if (!error.empty()) std::fprintf(stderr, "the test printer could not be defined again: %s\n", error.c_str());
}

}  // namespace e2e
