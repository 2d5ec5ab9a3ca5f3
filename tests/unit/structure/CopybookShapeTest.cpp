#include "structure/core/CopybookShape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

TEST(CopybookShape, recordsWithoutDivisionsMakeACopybook)
{
    struct Case {
        const char *what;
        std::vector<std::string> lines;
        bool copybook;
    };
    const Case cases[] = {
        {"records", {"      * account record", "       01  ACCOUNT-RECORD.", "           05  ACCT-ID PIC 9(11)."}, true},
        {"a record without leading zero", {"       1  REC.", "          5 F PIC X."}, true},
        {"fields only", {"           05  ACCT-ID PIC 9(11).", "           05  ACCT-NAME PIC X(20)."}, false},
        {"a program", {"       IDENTIFICATION DIVISION.", "       DATA DIVISION.", "       01  REC PIC X."}, false},
        {"a division in small letters", {"       data division.", "       01  REC PIC X."}, false},
        {"a division in a comment", {"      * PROCEDURE DIVISION.", "       01  REC."}, true},
        {"plain text", {"Dear reader,", "01 is a number."}, false},
        {"nothing", {}, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(holdsRecordsOnly(c.lines), c.copybook) << c.what;
}

TEST(CopybookShape, theCopybookExtension)
{
    EXPECT_TRUE(hasCopybookExtension(".cpy"));
    EXPECT_TRUE(hasCopybookExtension(".CPY"));
    EXPECT_FALSE(hasCopybookExtension(".cbl"));
    EXPECT_FALSE(hasCopybookExtension(""));
}
