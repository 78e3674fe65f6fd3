// Printing end to end: the real program prints a coloured page on the test
// suite's virtual printer by each of its three methods; the job is rasterised
// as the printer would print it and compared with where the page must land.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "dialogs/print_layout.h"
#include "page/page_image.h"
#include "tests/e2e/support/printout.h"
#include "tests/e2e/support/session.h"

using namespace e2e;

namespace {

constexpr COLORREF kGreen = 0x006F00;  // colour 5, swatch 2004 at (488, 12)
constexpr COLORREF kBlack = 0x000000, kWhite = 0xFFFFFF;
constexpr int W = kPageWidth, H = kPageHeight;

void WritePrintOption(const Session& s, int32_t option) {
    testdata::WriteBytes(s.folder() + "\\printer.dta",
                         {uint8_t(option), uint8_t(option >> 8), uint8_t(option >> 16), uint8_t(option >> 24)});
}

bool InsideA(int x, int y) { return x > 100 && x < 300 && y > 100 && y < 300; }

// What the sheet must show for page pixel (x, y) once area A is painted green.
COLORREF PrintedColour(const std::function<bool(int, int)>& isLine, int x, int y) {
    if (isLine(x, y)) return kBlack;
    return InsideA(x, y) ? kGreen : kWhite;  // paper prints white
}

// A session on the colouring screen with area A painted green and the method chosen.
void ColourAndChooseMethod(Session& s, int32_t option) {
    WritePrintOption(s, option);  // read when the intro card goes
    ASSERT_TRUE(s.DismissIntro());
    Click(488 + 22, 12 + 22);
    ASSERT_TRUE(WaitForArt(s.art(), "#105", 0, 45, 488, 12, 45, 45, 3000));
    Click(kPageX + 200, kPageY + 200);
    ASSERT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kGreen, 10000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000));
    ASSERT_TRUE(s.WaitForSettled());
}

// Presses P and then the dialog's Print button; the rasterised sheet.
void PrintOnce(Session& s, Sheet* sheet) {
    ForgetJob();
    TypeChar('p');
    HWND dialog = WaitForPrintDialog(s.program().id(), 10000);
    ASSERT_NE(dialog, nullptr);
    AnswerBox(dialog, IDOK);
    ASSERT_TRUE(WaitForJob(30000)) << JobFile();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 10000));
    std::string error;
    ASSERT_TRUE(RasteriseJob(sheet, &error)) << error;
}

// The picture on the sheet: its outer edges, and the page pixels' colours
// where each maps after a quarter turn anticlockwise inside a frame of
// `frame` page pixels. Counts page pixels shown in the wrong colour, checked
// at the centre of where each lands; pixels beside another colour are skipped
// unless `blocks` (a whole-number enlargement) asks for every device pixel.
struct PictureCheck {
    int wrong = 0, checked = 0, frameWrong = 0, frameChecked = 0;
};
PictureCheck CheckPicture(const Sheet& sheet, const Box& box, int frame, int blockScale) {
    PictureCheck result;
    const auto isLine = testdata::OutlinedRects(kTestRects);
    const double sx = double(box.width()) / (H + 2 * frame), sy = double(box.height()) / (W + 2 * frame);
    auto colourAt = [&](int x, int y) { return PrintedColour(isLine, x, y); };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const COLORREF expected = colourAt(x, y);
            // Turned anticlockwise: the page's top row is the picture's left column,
            // its left column the picture's bottom row.
            const int u = frame + y, v = frame + (W - 1 - x);
            if (blockScale) {
                bool same = true;
                for (int dy = 0; dy < blockScale && same; ++dy)
                    for (int dx = 0; dx < blockScale && same; ++dx)
                        same = NearColour(sheet.At(box.left + u * blockScale + dx, box.top + v * blockScale + dy),
                                          expected);
                ++result.checked;
                result.wrong += !same;
                continue;
            }
            bool uniform = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < W && ny < H && colourAt(nx, ny) != expected) uniform = false;
                }
            if (!uniform) continue;
            const int px = box.left + int((u + 0.5) * sx), py = box.top + int((v + 0.5) * sy);
            ++result.checked;
            result.wrong += !NearColour(sheet.At(px, py), expected);
        }
    // The frame: every picture pixel of its band, sampled along all four sides.
    for (int i = 0; i < frame; ++i) {
        for (int u = 0; u < H + 2 * frame; u += 7)
            for (int v : {i, W + 2 * frame - 1 - i}) {
                ++result.frameChecked;
                result.frameWrong += !NearColour(
                    sheet.At(box.left + int((u + 0.5) * sx), box.top + int((v + 0.5) * sy)), kBlack);
            }
        for (int v = 0; v < W + 2 * frame; v += 7)
            for (int u : {i, H + 2 * frame - 1 - i}) {
                ++result.frameChecked;
                result.frameWrong += !NearColour(
                    sheet.At(box.left + int((u + 0.5) * sx), box.top + int((v + 0.5) * sy)), kBlack);
            }
    }
    return result;
}

void ExpectNear(const Box& measured, int left, int top, int width, int height, const PrinterGeometry& g) {
    std::printf("placement: measured (%d, %d) %d x %d, computed (%d, %d) %d x %d (+ offset %d, %d)\n",
                measured.left - g.offsetX, measured.top - g.offsetY, measured.width(), measured.height(), left, top,
                width, height, g.offsetX, g.offsetY);
    EXPECT_NEAR(measured.left, g.offsetX + left, 2);
    EXPECT_NEAR(measured.top, g.offsetY + top, 2);
    EXPECT_NEAR(measured.right, g.offsetX + left + width, 2);
    EXPECT_NEAR(measured.bottom, g.offsetY + top + height, 2);
}

// Where a stretching method must put the picture on the sheet (device pixels
// of the printable area) and how wide its frame is, in page pixels.
struct Stretched {
    int left, top, width, height, frame;
};

// Paints area A, prints by `method` and checks the picture's place and pixels.
void PrintAndCheckStretched(int32_t method, const std::function<Stretched(PrintableArea)>& place) {
    Session s;
    ColourAndChooseMethod(s, method);
    Sheet sheet;
    PrintOnce(s, &sheet);
    const PrinterGeometry g = DefaultPrinterGeometry();
    const Stretched p = place({int16_t(g.xPage), int16_t(g.yPage)});
    const Box box = InkBox(sheet);
    ExpectNear(box, p.left, p.top, p.width, p.height, g);
    const PictureCheck c = CheckPicture(sheet, box, p.frame, 0);
    EXPECT_EQ(c.wrong, 0) << "of " << c.checked;
    EXPECT_EQ(c.frameWrong, 0) << "of " << c.frameChecked;
    EXPECT_EQ(s.Quit(), 0u);
}

}  // namespace

TEST(Printing, DefaultPrintsTheTurnedFramedPageAtThreeQuartersOfTheHeight) {
    PrintAndCheckStretched(0, [](PrintableArea area) {
        const DefaultPlacement p = PlaceDefault(area, W, H);
        return Stretched{p.x, p.y, p.width, p.height, 4};
    });
}

TEST(Printing, AlternateOnePrintsTwoStretchedHalvesThatMeetWithoutASeam) {
    PrintAndCheckStretched(1, [](PrintableArea area) {
        const AlternateOnePlacement p = PlaceAlternateOne(area, W, H);
        return Stretched{p.x, p.top, p.width, 2 * p.halfHeight, 3};
    });
}

TEST(Printing, AlternateTwoEnlargesEveryPagePixelToAWholeBlock) {
    Session s;
    ColourAndChooseMethod(s, 2);
    Sheet sheet;
    PrintOnce(s, &sheet);
    const PrinterGeometry g = DefaultPrinterGeometry();
    const AlternateTwoPlacement p = PlaceAlternateTwo({int16_t(g.xPage), int16_t(g.yPage)}, W, H);
    const Box box = InkBox(sheet);
    ExpectNear(box, p.left, p.top, p.scale * (H + 6), p.scale * (W + 6), g);
    ASSERT_EQ(box.width(), p.scale * (H + 6));
    ASSERT_EQ(box.height(), p.scale * (W + 6));
    const PictureCheck c = CheckPicture(sheet, box, 3, p.scale);
    EXPECT_EQ(c.wrong, 0) << "of " << c.checked << " blocks of " << p.scale << " x " << p.scale;
    EXPECT_EQ(c.frameWrong, 0) << "of " << c.frameChecked;
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(Printing, CancelPrintsNothingAndTheProgramGoesOn) {
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    ForgetJob();
    TypeChar('p');
    HWND dialog = WaitForPrintDialog(s.program().id(), 10000);
    ASSERT_NE(dialog, nullptr);
    AnswerBox(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    ASSERT_TRUE(s.WaitForSettled());
    // A fill works at once, and no job has come meanwhile.
    Click(kPageX + 200, kPageY + 200);
    EXPECT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kRed, 10000));
    EXPECT_FALSE(WaitUntil([] { return GetFileAttributesA(JobFile().c_str()) != INVALID_FILE_ATTRIBUTES; }, 1000));
    EXPECT_TRUE(NearColour(ScreenPixel(kPageX + 400, kPageY + 200), kPaper));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
}

TEST(Printing, WithNoPrinterTheSystemSaysSoAndTheProgramGoesOn) {
    NoPrinter none;
    ASSERT_TRUE(none.removed());
    Session s;
    ASSERT_TRUE(s.DismissIntro());
    TypeChar('p');
    HWND box = WaitForMessageBox(s.program().id(), "Print", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find("printer"), std::string::npos) << MessageBoxText(box);
    AnswerBox(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_TRUE(IsWindowEnabled(s.window()));
    Click(kPageX + 200, kPageY + 200);
    EXPECT_TRUE(s.WaitForPixel(kPageX + 200, kPageY + 200, kRed, 10000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.window()) != FALSE; }, 20000));
    ASSERT_TRUE(s.WaitForSettled());
    EXPECT_EQ(s.Quit(), 0u);
}
