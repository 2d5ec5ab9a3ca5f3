#include "common/core/TabBook.h"

#include <gtest/gtest.h>

using norvane::TabBook;

namespace {

TEST(TabBook, StartsEmpty)
{
    TabBook book;
    EXPECT_EQ(book.LastTabIndex(), -1);
    EXPECT_EQ(book.count(), 0);
}

TEST(TabBook, RemovingTheMiddleOfThreeMovesTheLastDown)
{
    TabBook book;
    EXPECT_EQ(book.AddTab("/a.cbl"), 0);
    EXPECT_EQ(book.AddTab("/b.cbl"), 1);
    EXPECT_EQ(book.AddTab("/c.cbl"), 2);

    EXPECT_EQ(book.RemoveTab("/b.cbl"), 1);
    EXPECT_EQ(book.LastTabIndex(), 1);
    EXPECT_EQ(book.pathAt(0), "/a.cbl");
    EXPECT_EQ(book.pathAt(1), "/c.cbl");
    ASSERT_EQ(book.TabPaths().size(), 3u) << "the array keeps its length";
    EXPECT_EQ(book.TabPaths()[2], "");

    EXPECT_EQ(book.AddTab("/d.cbl"), 2) << "the emptied entry is used again";
    EXPECT_EQ(book.TabPaths().size(), 3u);
}

TEST(TabBook, RemovingAnUnknownCaptionChangesNothing)
{
    TabBook book;
    book.AddTab("/a.cbl");
    EXPECT_FALSE(book.RemoveTab("/A.cbl").has_value()) << "comparison is exact";
    EXPECT_EQ(book.LastTabIndex(), 0);
    EXPECT_EQ(book.pathAt(0), "/a.cbl");
}

TEST(TabBook, RemoveTakesTheLastEqualEntryAndLookupTheFirst)
{
    TabBook book;
    book.AddTab("blank 0");
    book.AddTab("/x.cbl");
    book.AddTab("blank 0");
    EXPECT_EQ(book.lowestIndexOf("blank 0"), 0);
    EXPECT_EQ(book.RemoveTab("blank 0"), 2);
    EXPECT_EQ(book.lowestIndexOf("/x.cbl"), 1);
}

TEST(TabBook, RenameStoresTheCaptionAtTheIndex)
{
    TabBook book;
    book.AddTab("/a.cbl");
    book.AddTab("blank 0");
    book.RenameTab(1, "/saved.cbl");
    EXPECT_EQ(book.pathAt(1), "/saved.cbl");
    book.RenameTab(5, "/ignored");
    EXPECT_EQ(book.count(), 2);
}

} // namespace
