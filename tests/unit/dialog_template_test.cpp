// The dialog templates as the dialog manager will read them, byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialogs/dialog_template.h"
#include "editions/edition.h"

namespace {

struct Built {
    std::vector<uint8_t> bytes;  // exactly the template's length
    unsigned u16(size_t at) const { return unsigned(bytes.at(at) | bytes.at(at + 1) << 8); }
    // x, y, cx, cy of the item starting at `at`.
    std::vector<unsigned> rect(size_t at) const { return {u16(at + 8), u16(at + 10), u16(at + 12), u16(at + 14)}; }
};

// Builds into a buffer of exactly the block's size, as the program does.
Built Build(int dialog, DialogBaseUnits units = {8, 16}) {
    std::vector<uint8_t> block(kDialogTemplateBytes, 0xCC);
    const size_t length = WriteDialogTemplate(DialogSpecs[dialog], DialogItemLists[dialog], units, block.data(),
                                              block.size());
    block.resize(length);
    return Built{block};
}

class DialogTemplate : public testing::Test {
protected:
    void SetUp() override { FillDialogItemLists(kEditions[0]); }
};

}  // namespace

TEST_F(DialogTemplate, AnEmptyListGivesTheHeaderAloneAndAFontOnlyWithDsSetFont) {
    const DialogItemSpec none[] = {{0, 0, 0, 0, 0, 0, nullptr, nullptr}};
    uint8_t out[64];
    ASSERT_EQ(WriteDialogTemplate(DialogSpecs[DIALOG_INFO], none, {8, 16}, out, sizeof out), 24u);
    EXPECT_EQ(out[8] | out[9] << 8, 0) << "item count";

    DialogSpec withFont = DialogSpecs[DIALOG_INFO];
    withFont.style |= 0x40;
    withFont.pointSize = 10;
    withFont.fontName = u"Arial";
    ASSERT_EQ(WriteDialogTemplate(withFont, none, {8, 16}, out, sizeof out), 24u + 2 + 12);
    EXPECT_EQ(out[24], 10);
    EXPECT_EQ(out[26], 'A');
    EXPECT_EQ(out[36] | out[37] << 8, 0) << "the face name's terminator";
}

TEST_F(DialogTemplate, InfoDialogSizesAndPlacesFollowTheBaseUnits) {
    const Built common = Build(DIALOG_INFO, {8, 16});
    EXPECT_EQ(common.u16(8), 3u) << "item count";
    EXPECT_EQ(common.u16(14), 180u);
    EXPECT_EQ(common.u16(16), 180u);
    // The Done button at byte 24; it ends at 70, so the About button starts at 72.
    EXPECT_EQ(common.u16(24 + 16), 1u);
    EXPECT_EQ(common.u16(72 + 16), 110u);
    EXPECT_EQ(common.bytes[70], 0);
    EXPECT_EQ(common.bytes[71], 0);
    EXPECT_EQ(common.rect(72), (std::vector<unsigned>{39, 35, 104, 23}));

    // A smaller system font: more dialog units for the same pixels.
    const Built small = Build(DIALOG_INFO, {6, 13});
    EXPECT_EQ(small.u16(14), 240u);
    EXPECT_EQ(small.u16(16), 221u);
    EXPECT_EQ(small.rect(72), (std::vector<unsigned>{52, 43, 138, 28}));
    EXPECT_EQ(small.bytes.size(), common.bytes.size());
}

TEST_F(DialogTemplate, PrintingOptionsTemplateIsByteExact) {
    const Built t = Build(DIALOG_PRINT_OPTIONS);
    ASSERT_EQ(t.bytes.size(), 174u);
    const std::vector<uint8_t> header = {0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0, 0x04, 0, 0, 0, 0, 0,
                                         0xB4, 0,    0xB4, 0,    0, 0, 0, 0, 0,    0};
    EXPECT_EQ(std::vector<uint8_t>(t.bytes.begin(), t.bytes.begin() + 24), header);
    const std::vector<uint8_t> firstItem = {0x04, 0, 0, 0x50, 0, 0, 0, 0, 0x27, 0, 0x35, 0, 0x69, 0, 0x0C, 0,
                                            0x70, 0, 'B', 0, 'U', 0, 'T', 0, 'T', 0, 'O', 0, 'N', 0, 0, 0,
                                            0,    0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(t.bytes.begin() + 24, t.bytes.begin() + 60), firstItem);
    EXPECT_EQ(t.u16(60 + 16), 113u);
    EXPECT_EQ(t.u16(96 + 16), 114u);
    EXPECT_EQ(t.u16(132 + 16), 1u);
    EXPECT_EQ(t.u16(132 + 18 + 14), unsigned('&')) << "the OK button's text after its class";
}

TEST_F(DialogTemplate, EveryDialogOfEveryEditionFitsTheBlock) {
    for (const EditionInfo& edition : kEditions) {
        FillDialogItemLists(edition);
        for (int dialog : {DIALOG_INFO, DIALOG_PRINT_OPTIONS, DIALOG_ABOUT}) {
            for (DialogBaseUnits units : {DialogBaseUnits{8, 16}, DialogBaseUnits{7, 16}}) {
                const Built t = Build(dialog, units);
                EXPECT_GT(t.bytes.size(), 24u) << edition.number << " " << dialog;
                if (units.x == 8)
                    std::printf("edition %d, dialog %d: %zu bytes\n", edition.number, dialog, t.bytes.size());
            }
        }
        // The About box names the edition it belongs to.
        std::string heading;
        for (const DialogItemSpec* item = DialogItemLists[DIALOG_ABOUT]; item->className; ++item)
            if (item->id == 2501)
                for (const char16_t* c = item->text; *c; ++c) heading += char(*c);
        EXPECT_EQ(heading, edition.aboutHeading);
    }
}

TEST_F(DialogTemplate, ATableThatOutgrowsTheBlockIsRefusedWithoutWritingPastIt) {
    std::vector<DialogItemSpec> many(300, DialogItemSpec{0, 0, 10, 10, 7, 0x10000001, u"STATIC", u""});
    many.push_back(DialogItemSpec{0, 0, 0, 0, 0, 0, nullptr, nullptr});
    // Each item takes 36 bytes: 113 fit after the 24-byte header (4092 bytes), 114 do not.
    for (size_t count : {113u, 114u}) {
        std::vector<DialogItemSpec> list(many.begin(), many.begin() + count);
        list.push_back(many.back());
        std::vector<uint8_t> block(kDialogTemplateBytes + 16, 0xCC);
        const size_t length =
            WriteDialogTemplate(DialogSpecs[DIALOG_ABOUT], list.data(), {8, 16}, block.data(), kDialogTemplateBytes);
        EXPECT_EQ(length, count == 113 ? 4092u : 0u) << count;
        for (size_t i = kDialogTemplateBytes; i < block.size(); ++i) ASSERT_EQ(block[i], 0xCC) << "byte " << i;
    }
    // Base units of zero cannot convert anything.
    uint8_t out[64];
    EXPECT_EQ(WriteDialogTemplate(DialogSpecs[DIALOG_INFO], DialogItemLists[DIALOG_INFO], {0, 16}, out, sizeof out),
              0u);
}
