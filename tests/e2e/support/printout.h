// The virtual printer seen from the tests: its job file, the rasteriser that
// turns a job into the sheet a printer would print, and the print dialog.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// The file the spooler writes each job of the test printer to (its Unix path
// from the spooler setting, in Windows form), and whether it holds a whole
// PostScript document.
std::string JobFile();
bool JobComplete();
void ForgetJob();  // removes the last job's file
bool WaitForJob(DWORD timeoutMs);

// A rasterised sheet at 300 dpi, 0xRRGGBB row by row from the top.
struct Sheet {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};
// Rasterises the job file with tools/rasterise.sh (ghostscript); false, with
// the reason in `error`, when no image came.
bool RasteriseJob(Sheet* sheet, std::string* error, DWORD timeoutMs = 60000);

// The smallest rectangle holding every pixel that is not white (right and
// bottom exclusive); empty (all 0) for a blank sheet.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
Box InkBox(const Sheet& sheet);

// The default printer as a program sees it: printable area and physical offset.
struct PrinterGeometry {
    int xPage = 0, yPage = 0, offsetX = 0, offsetY = 0;
};
PrinterGeometry DefaultPrinterGeometry();

// The print dialog (not a message box) of a process, once it shows.
HWND WaitForPrintDialog(DWORD processId, DWORD timeoutMs);

// Removes the test printer for a test and defines it again afterwards.
class NoPrinter {
public:
    NoPrinter();
    ~NoPrinter();
    bool removed() const { return removed_; }

private:
    std::string destination_;
    bool removed_ = false;
};

}  // namespace e2e
