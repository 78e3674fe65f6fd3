// A program started in a folder of test pages, driven through its screens.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/program_art.h"
#include "tests/testdata/page_writer.h"

namespace e2e {

// The test picture: three outlined areas on paper.
//   A: page (100, 100)-(300, 300)  B: (350, 100)-(600, 300)  C: (100, 330)-(600, 440)
extern const std::vector<testdata::PageRect> kTestRects;
constexpr int kPageX = 70, kPageY = 70;  // page pixel (0, 0) on the screen

constexpr COLORREF kPaper = 0xEFEFEF;
constexpr COLORREF kRed = 0xFF0000;

// The bitmap each button and swatch of the colouring screen shows at start,
// as (bitmap, source row, screen rectangle).
struct ControlLook {
    std::string bitmap;
    int srcY, x, y, width, height;
};
std::vector<ControlLook> ColouringScreenControls();

class Session {
public:
    // Writes the edition's fifty pages (all but `missing`), each the outlines
    // of `rects`, and starts the program.
    explicit Session(int edition = 1, std::vector<int> missing = {},
                     const std::vector<testdata::PageRect>& rects = kTestRects);

    const std::string& folder() const { return folder_.path(); }
    std::string PagePath(int index) const;
    Program& program() { return *program_; }
    HWND window() const { return window_; }
    const ProgramArt& art() const { return art_; }
    int edition() const { return edition_; }

    // The intro card's OK button, once the first paint has created it.
    HWND WaitForIntroButton(DWORD timeoutMs = 10000);
    // Dismisses the intro card with Enter and waits for the colouring screen.
    bool DismissIntro();
    // Waits until no paint is pending and the program waits for input.
    bool WaitForSettled(DWORD timeoutMs = 5000);
    // The child button with a command id, or null.
    HWND Button(int id) const;
    // Waits until the screen point shows the colour.
    bool WaitForPixel(int x, int y, COLORREF colour, DWORD timeoutMs = 5000);
    // Waits until a page's title strip shows at (330, 561).
    bool WaitForTitleStrip(int pageIndex, DWORD timeoutMs = 5000);
    // Types "q" and waits for the program to end; its exit code.
    DWORD Quit();

private:
    int edition_;
    TempFolder folder_;
    ProgramArt art_;
    std::unique_ptr<Program> program_;
    HWND window_ = nullptr;
};

}  // namespace e2e
