#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "editions/edition.h"

TEST(EditionTable, EveryEditionHasFiftyDistinctEightDotThreeNamesWithItsExtension) {
    for (const EditionInfo& e : kEditions) {
        std::set<std::string> seen;
        for (const char* name : e.pageNames) {
            std::string file(name);
            while (!file.empty() && file.back() == ' ') file.pop_back();  // the file system drops it
            const size_t dot = file.find('.');
            ASSERT_NE(dot, std::string::npos) << file;
            EXPECT_GE(dot, 1u) << file;
            EXPECT_LE(dot, 8u) << file;
            EXPECT_EQ(file.substr(dot), e.pageExtension) << file;
            EXPECT_TRUE(seen.insert(file).second) << "duplicate " << file;
        }
        EXPECT_EQ(seen.size(), 50u);
    }
}

TEST(EditionTable, SignaturesAreCFollowedByTheEditionLetter) {
    const char second[] = {'O', '2', '3', '4', '5'};
    for (int i = 0; i < kEditionCount; ++i) {
        EXPECT_EQ(kEditions[i].number, i + 1);
        EXPECT_EQ(kEditions[i].pageSignature & 0xFF, 'C');
        EXPECT_EQ(kEditions[i].pageSignature >> 8, second[i]);
    }
}

TEST(EditionTable, ClassNamesDifferSoEditionsRunSideBySide) {
    std::set<std::string> classes;
    for (const EditionInfo& e : kEditions) classes.insert(e.className);
    EXPECT_EQ(classes.size(), 5u);
    EXPECT_STREQ(kEditions[0].className, "TNTWLWIN1");
    EXPECT_STREQ(kEditions[4].windowTitle, "Tintwell 5");
}

TEST(EditionTable, FirstAndLastPagesAndTheStoredBlankOfFlowers) {
    EXPECT_STREQ(kEditions[0].pageNames[0], "airplane.col");
    EXPECT_STREQ(kEditions[1].pageNames[0], "ALBERTOS.CO2");
    EXPECT_STREQ(kEditions[2].pageNames[49], "WOLF.CO3");
    EXPECT_STREQ(kEditions[3].pageNames[49], "whiteoak.co4");
    EXPECT_STREQ(kEditions[4].pageNames[11], "flowers.co5 ");
    EXPECT_STREQ(kEditions[4].pageNames[49], "caboose.co5");
    EXPECT_STREQ(kEditions[4].musicFile, "tntwl5.mid");
    EXPECT_STREQ(kEditions[4].aboutVersion, "Version 1.1");
}

TEST(EditionTable, TheBuiltEditionIsOneOfTheFive) {
    EXPECT_GE(&gEdition, &kEditions[0]);
    EXPECT_LE(&gEdition, &kEditions[4]);
}

// The folders the installers make under Documents\Tintwell (tools/release/names.py).
TEST(EditionTable, FolderNamesAreTheInstallersAndNeverOverrunTheBuffer) {
    char name[32];
    ASSERT_TRUE(EditionFolderName(kEditions[0], name, sizeof name));
    EXPECT_STREQ(name, "Tintwell");
    ASSERT_TRUE(EditionFolderName(kEditions[1], name, sizeof name));
    EXPECT_STREQ(name, "Tintwell 2 - Dinosaurs");
    ASSERT_TRUE(EditionFolderName(kEditions[4], name, sizeof name));
    EXPECT_STREQ(name, "Tintwell 5 - Alphabet Train");
    char exact[28];  // 27 characters and the terminator
    EXPECT_TRUE(EditionFolderName(kEditions[4], exact, sizeof exact));
    EXPECT_FALSE(EditionFolderName(kEditions[4], exact, sizeof exact - 1));
    EXPECT_FALSE(EditionFolderName(kEditions[1], name, 3));
}
