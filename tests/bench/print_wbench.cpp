// Times a print job on the test suite's virtual printer, per printing method:
// from pressing the print dialog's Print button to the job's PostScript file
// being complete, ten runs each, median and slowest. Run it under Wine on the
// test display with the test printer defined (tools/bench.sh does both).
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "app/globals.h"
#include "dialogs/print.h"
#include "dialogs/print_option.h"
#include "app/page_files.h"
#include "page/page_store.h"
#include "page/palette.h"
#include "support/gmem.h"
#include "tests/printer/virtual_printer.h"
#include "tests/win32/support/print_dialog.h"
#include "tests/support/millis_now.h"

namespace {
constexpr int kRuns = 10;

std::string JobFile() {
    std::string path = "Z:" + testprinter::JobDestination();
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The job's size once it ends with the PostScript trailer, else 0.
size_t CompleteJobSize(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    const DWORD size = GetFileSize(file, nullptr);
    char tail[16] = {};
    DWORD got = 0;
    if (size >= sizeof tail - 1) {
        SetFilePointer(file, LONG(size - (sizeof tail - 1)), nullptr, FILE_BEGIN);
        ReadFile(file, tail, sizeof tail - 1, &got, nullptr);
    }
    CloseHandle(file);
    return std::string(tail, got).find("%%EOF") != std::string::npos ? size : 0;
}

// One job: milliseconds from the Print button to the complete file, or -1.
double TimeOneJob(const std::string& job, size_t* bytes) {
    DeleteFileA(job.c_str());
    double pressed = 0, complete = -1;
    std::thread presser([&] {
        HWND dialog = WaitForOwnPrintDialog(10000);
        if (!dialog) return;
        pressed = MillisNow();
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
        for (int i = 0; i < 600000; ++i) {
            if ((*bytes = CompleteJobSize(job)) != 0) {
                complete = MillisNow();
                return;
            }
            Sleep(0);
        }
    });
    PrintPage(hInst, hwndMain);
    presser.join();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    return complete < 0 ? -1 : complete - pressed;
}
}  // namespace

int main() {
    hInst = GetModuleHandleA(nullptr);
    const std::string job = JobFile();
    if (!testprinter::Exists() || job == "Z:") {
        std::printf("print benchmark: the test printer is not defined (run it through tools/bench.sh)\n");
        return 1;
    }
    // A real page of edition 1, read from the source tree.
    SetCurrentDirectoryA((std::string("Z:") + TW_SOURCE_DIR "/editions/1/pages").c_str());
    hwndMain = CreateWindowExA(0, "STATIC", "print bench", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr,
                               hInst, nullptr);
    gScreen.arrowCursor = gScreen.currentCursor = LoadCursorA(nullptr, IDC_ARROW);
    gScreen.editCursor = gScreen.arrowCursor;
    gScreen.waitCursor = LoadCursorA(nullptr, IDC_WAIT);
    if (!hwndMain || !AllocateGlobalBlocks() || !BuildPagePalette(hwndMain) || !LoadPage("airplane.col")) {
        std::printf("print benchmark: set-up failed\n");
        return 1;
    }
    const char* names[3] = {"Default", "Alternate 1", "Alternate 2"};
    std::string rows;  // of the summary that tools/bench.sh prints at the end
    for (int option = 0; option < 3; ++option) {
        PrintOption = option;
        std::vector<double> times;
        size_t bytes = 0;
        TimeOneJob(job, &bytes);  // the first job of a method warms the driver up
        for (int i = 0; i < kRuns; ++i) {
            const double t = TimeOneJob(job, &bytes);
            if (t < 0) {
                std::printf("%-12s FAILED on run %d: no complete job\n", names[option], i + 1);
                return 1;
            }
            times.push_back(t);
        }
        std::sort(times.begin(), times.end());
        const double median = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
        std::printf("print, %-12s Print button to complete job file: median %8.1f ms   max %8.1f ms   (%d runs, %zu KB)\n",
                    names[option], median, times.back(), kRuns, bytes / 1024);
        rows += "table: | Print, " + std::string(names[option]) + ": Print button to complete job | " +
                std::to_string(int(median + 0.5)) + " ms, slowest " + std::to_string(int(times.back() + 0.5)) +
                " ms (" + std::to_string(kRuns) + " jobs, " + std::to_string(bytes / 1024) + " KB each) | none set |\n";
    }
    std::printf("%s", rows.c_str());
    ReleasePagePalette();
    DestroyWindow(hwndMain);
    return 0;
}
