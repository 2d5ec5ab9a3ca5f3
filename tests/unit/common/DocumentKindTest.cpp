#include "common/core/DocumentKind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

namespace {

TEST(DocumentKind, PrefixesAreExactAndCaseSensitive)
{
    const struct {
        const char *caption;
        DocumentKind kind;
        bool blank;
    } cases[] = {
        {"data: payroll.dat", DocumentKind::Data, false},
        {"offset: WS-REC", DocumentKind::Layout, false},
        {"blank 0", DocumentKind::Source, true},
        {"Data: x", DocumentKind::Source, false},
        {"data:", DocumentKind::Source, false},
        {"offset:", DocumentKind::Source, false},
        {"blank", DocumentKind::Source, false},
        {"/src/data: odd name.cbl", DocumentKind::Source, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(kindOfCaption(c.caption), c.kind) << c.caption;
        EXPECT_EQ(isBlankCaption(c.caption), c.blank) << c.caption;
    }
}

TEST(DocumentKind, ReadOnlySuffix)
{
    EXPECT_EQ(sourceCaption("/p.cbl", true), "/p.cbl (read only)");
    EXPECT_EQ(sourceCaption("/p.cbl", false), "/p.cbl");
    EXPECT_EQ(withoutReadOnlySuffix("/p.cbl (read only)"), "/p.cbl");
    EXPECT_EQ(withoutReadOnlySuffix("/p.cbl"), "/p.cbl");
}

TEST(DocumentKind, NextBlankNumberIsOneAboveTheHighestOpen)
{
    const struct {
        std::vector<std::string> captions;
        int next;
    } cases[] = {
        {{}, 0},
        {{"/a.cbl", "offset: R"}, 0},
        {{"blank 0", "blank 3"}, 4},
        {{"blank 3", "blank 0"}, 4},
        {{"blank 9"}, 10},
        {{"blank 1", "blank 2", "blank 0"}, 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nextBlankNumber(c.captions), c.next);
}

} // namespace
