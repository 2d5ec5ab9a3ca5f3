#include "search/core/SearchMessages.h"

#include <gtest/gtest.h>

using namespace norvane;

TEST(SearchMessages, ReplaceAllStatusQuotesBothTexts)
{
    EXPECT_EQ(replaceAllStatus(false, "ABC", "XYZ"), "replacing ALL \"ABC\"with \"XYZ\"...");
    EXPECT_EQ(replaceAllStatus(true, "A B", ""), "replacing SELECTED \"A B\"with \"\"...");
}

TEST(SearchMessages, ReplaceAllReportHasThreeLines)
{
    EXPECT_EQ(replaceAllReport(false, 3, "MOVE", "SET"), "All Text\n3 occurances of \"MOVE\"\nreplaced with \"SET\"");
    EXPECT_EQ(replaceAllReport(true, 0, "A", "B"), "Selected Text\n0 occurances of \"A\"\nreplaced with \"B\"");
}

TEST(SearchMessages, FindAllTexts)
{
    EXPECT_EQ(findingAllStatus("WS-A"), "finding all \"WS-A\"...");
    EXPECT_EQ(notFoundMessage("WS-A"), "\"WS-A\" was not found");
}
