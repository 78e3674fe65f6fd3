#include "dialogs/print.h"

#include <cstring>

#include "app/globals.h"
#include "app/input.h"
#include "app/surface.h"
#include "dialogs/print_layout.h"
#include "dialogs/print_option.h"
#include "page/page_image.h"
#include "page/palette.h"
#include "support/assert.h"
#include "support/gmem.h"
#include "support/scoped_gdi.h"

#ifndef _WIN64  // the 32-bit records the programs are built with
static_assert(sizeof(PRINTDLGA) == 66, "the print dialog record is 66 bytes");
static_assert(sizeof(DOCINFOA) == 20, "the document record is 20 bytes");
#endif

namespace {

const char kDocumentName[] = "Tintwell: Printing";
constexpr AssertionText kNoPrintableArea = {"xPage || yPage", "Print", 49};
bool gPrinting = false;  // from disabling the window to the end of the document

// The page's bitmap information (header and 256 colours) with another size.
struct PageBitmapInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
    const BITMAPINFO* get() const { return reinterpret_cast<const BITMAPINFO*>(this); }
};
static_assert(sizeof(PageBitmapInfo) == kInfoBytes, "header and colour table as in the page");

PageBitmapInfo PageInfoSized(int width, int height) {
    PageBitmapInfo info;
    std::memcpy(&info, gPageImage.info, sizeof info);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biSizeImage = 0;
    return info;
}

bool PageInMemory() { return lpDib && lpDibClear && lpDibPrint; }

// A framed half of the turned page, or a tile buffer: an off-screen surface the
// size of a framed half, with the page palette.
class HalfSurface {
public:
    static constexpr int kWidth = kPageHeight + 40;         // 500
    static constexpr int kHeight = (kPageWidth + 140) / 2;  // 400

    explicit HalfSurface(HDC screen) : surface_(screen, kWidth, kHeight), palette_(surface_.Context(), hPagePalette) {}
    operator HDC() const { return surface_.Context(); }

private:
    OffscreenSurface surface_;
    ScopedSelectPalette palette_;
};

// White, with a solid black rectangle one framed half in size at the top-left:
// the picture drawn over it leaves three black pixels showing as its frame.
void PrepareHalf(HDC half, int width, int height) {
    PatBlt(half, 0, 0, HalfSurface::kWidth, HalfSurface::kHeight, WHITENESS);
    ScopedSelectObject pen(half, GetStockObject(BLACK_PEN));
    ScopedSelectObject brush(half, GetStockObject(BLACK_BRUSH));
    const POINT corners[4] = {
        {0, 0}, {height + 5, 0}, {height + 5, (width + 6) / 2 - 1}, {0, (width + 6) / 2 - 1}};
    Polygon(half, corners, 4);
}

// Alternate 2: the half cut into 20 x 20 tiles, each enlarged s times in the
// tile buffer and copied whole to the printer.
void PrintTiles(HDC printer, HDC half, HDC tile, int left, int top, int s) {
    const int size = 20 * s;
    for (int k = 0; k < HalfSurface::kHeight / 20; ++k)
        for (int l = 0; l < HalfSurface::kWidth / 20; ++l) {
            StretchBlt(tile, 0, 0, size, size, half, 20 * l, 20 * k, 20, 20, SRCCOPY);
            BitBlt(printer, left + l * size, top + k * size, size, size, tile, 0, 0, SRCCOPY);
        }
}

}  // namespace

bool PrintingBusy() { return gPrinting; }

void FillPrintDialogRecord(PRINTDLGA& record, HWND owner) {
    std::memset(&record, 0, sizeof record);
    record.lStructSize = sizeof record;
    record.hwndOwner = owner;
    record.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
    record.nCopies = 1;
}

HDC ChoosePrinter(HWND owner) {
    PRINTDLGA record;
    FillPrintDialogRecord(record, owner);
    if (!PrintDlgA(&record)) return nullptr;
    // The printer's settings come with the context; the copies handed back are not needed.
    if (record.hDevMode) GlobalFree(record.hDevMode);
    if (record.hDevNames) GlobalFree(record.hDevNames);
    return record.hDC;
}

BOOL CALLBACK PrintAbortProc(HDC printer, int error) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Left for the main loop, which would otherwise never end.
            PostQuitMessage(int(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return TRUE;
}

bool RenderPrintDefault(HDC printer, int16_t xPage, int16_t yPage) {
    if (!PageInMemory()) return false;
    const int width = PageWidth(gPageImage), height = PageHeight(gPageImage);
    const DefaultPlacement place = PlaceDefault({xPage, yPage}, width, height);
    MakeRotatedCopy(lpDib, width, height, lpDibClear);
    MakeFramedCopy(lpDibClear, width, height, lpDibPrint);
    const PageBitmapInfo info = PageInfoSized(height + 2 * kPrintFrame, width + 2 * kPrintFrame);
    ScopedSelectPalette palette(printer, hPagePalette);
    StretchDIBits(printer, place.x, place.y, place.width, place.height, 0, 0, height + 2 * kPrintFrame,
                  width + 2 * kPrintFrame, lpDibPrint, info.get(), DIB_RGB_COLORS, SRCCOPY);
    return true;
}

bool RenderPrintAlternate(HDC printer, int16_t xPage, int16_t yPage) {
    if (!PageInMemory()) return false;
    const int width = PageWidth(gPageImage), height = PageHeight(gPageImage);
    const PrintMethod method = MethodForOption(PrintOption);
    const PrintableArea area{xPage, yPage};
    MakeRotatedCopy(lpDib, width, height, lpDibClear);

    ScopedGetDC screen(nullptr);
    ScopedSelectPalette screenPalette(screen, hPagePalette);
    // The turned page's upper half (its top rows, stored last) goes into `upper`
    // inside the frame's top, its lower half into `lower` above the frame's bottom.
    HalfSurface upper(screen), lower(screen);
    PrepareHalf(upper, width, height);
    PrepareHalf(lower, width, height);
    const int halfRows = width / 2;
    const PageBitmapInfo info = PageInfoSized(height, halfRows);
    const uint8_t* upperRows = lpDibClear + size_t(halfRows) * size_t(DibRowBytes(height));
    SetDIBitsToDevice(upper, 3, 3, height, halfRows, 0, 0, 0, halfRows, upperRows, info.get(), DIB_RGB_COLORS);
    SetDIBitsToDevice(lower, 3, 0, height, halfRows, 0, 0, 0, halfRows, lpDibClear, info.get(), DIB_RGB_COLORS);

    ScopedSelectPalette printerPalette(printer, hPagePalette);
    const int framedWidth = height + 6, framedHalf = (width + 6) / 2;
    if (method == PrintMethod::AlternateTwo) {
        const AlternateTwoPlacement place = PlaceAlternateTwo(area, width, height);
        HalfSurface tile(screen);
        PrintTiles(printer, upper, tile, place.left, place.top, place.scale);
        PrintTiles(printer, lower, tile, place.left, place.top + framedHalf * place.scale, place.scale);
    } else {
        const AlternateOnePlacement place = PlaceAlternateOne(area, width, height);
        StretchBlt(printer, place.x, place.top, place.width, place.halfHeight, upper, 0, 0, framedWidth, framedHalf,
                   SRCCOPY);
        StretchBlt(printer, place.x, place.top + place.halfHeight, place.width, place.halfHeight, lower, 0, 0,
                   framedWidth, framedHalf, SRCCOPY);
    }
    return true;
}

void PrintPage(HINSTANCE instance, HWND window) {
    gScreen.inputBlocked = true;
    ScopedCreatedDC printer(ChoosePrinter(window));
    if (!printer.get()) {
        gScreen.inputBlocked = false;
        return;
    }
    const int16_t xPage = int16_t(GetDeviceCaps(printer, HORZRES));
    const int16_t yPage = int16_t(GetDeviceCaps(printer, VERTRES));
    if (!xPage && !yPage) ReportAssertion(kNoPrintableArea);

    gScreen.currentCursor = gScreen.waitCursor;
    SetCursor(gScreen.currentCursor);
    gPrinting = true;
    EnableWindow(window, FALSE);
    SetAbortProc(printer, PrintAbortProc);

    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = kDocumentName;
    const bool started = StartDocA(printer, &document) > 0;
    if (started && StartPage(printer) > 0) {
        if (PrintOption == 0)
            RenderPrintDefault(printer, xPage, yPage);
        else
            RenderPrintAlternate(printer, xPage, yPage);
    }
    if (EndPage(printer) > 0)
        EndDoc(printer);
    else if (started)
        AbortDoc(printer);  // a document left open would hold the printer's job
    gPrinting = false;

    EnableWindow(window, TRUE);
    DiscardQueuedInput(window);
    RefreshCursorFromPointer(window);
    gScreen.inputBlocked = false;  // the printer's context is deleted as the job's scope ends
}
