// The printing method kept in printer.dta, with real files in a temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/print_option.h"
#include "tests/testdata/page_writer.h"
#include "tests/win32/support/temp_folder.h"

namespace {

class SettingsFile : public testing::Test {
protected:
    void SetUp() override { PrintOption = 7; }  // anything: loading starts from 0
    TempCurrentFolder folder_{"printopt"};
};

}  // namespace

TEST_F(SettingsFile, AMissingFileIsCreatedHoldingDefault) {
    LoadPrintOption();
    EXPECT_EQ(PrintOption, 0);
    EXPECT_EQ(testdata::ReadBytes("printer.dta"), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST_F(SettingsFile, StoredValuesLoadAsWritten) {
    testdata::WriteBytes("printer.dta", {2, 0, 0, 0});
    LoadPrintOption();
    EXPECT_EQ(PrintOption, 2);
    testdata::WriteBytes("printer.dta", {0xFF, 0xFF, 0xFF, 0xFF});
    LoadPrintOption();
    EXPECT_EQ(PrintOption, -1);
    // A short file gives only its low-order bytes.
    testdata::WriteBytes("printer.dta", {1});
    LoadPrintOption();
    EXPECT_EQ(PrintOption, 1);
    EXPECT_EQ(testdata::ReadBytes("printer.dta").size(), 1u) << "loading does not rewrite the file";
}

TEST_F(SettingsFile, StoringWritesTheFirstFourBytesAndKeepsTheRest) {
    testdata::WriteBytes("printer.dta", {1, 0, 0, 0, 9, 8, 7, 6, 5, 4});
    PrintOption = 2;
    StorePrintOption();
    EXPECT_EQ(testdata::ReadBytes("printer.dta"), (std::vector<uint8_t>{2, 0, 0, 0, 9, 8, 7, 6, 5, 4}));
    DeleteFileA("printer.dta");
    PrintOption = 1;
    StorePrintOption();  // a missing file is created
    EXPECT_EQ(testdata::ReadBytes("printer.dta"), (std::vector<uint8_t>{1, 0, 0, 0}));
}
