#include "structure/core/ReservedWords.h"
#include "structure/core/WordTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace norvane;
using Words = std::vector<std::string>;

namespace {

TEST(WordTools, OnlyTheEightDelimitersSeparateWords)
{
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        const bool expected = ch == '\n' || ch == '\r' || ch == ' ' || ch == '(' || ch == ')' || ch == ','
            || ch == '.' || ch == ':';
        EXPECT_EQ(isWordDelimiter(ch), expected) << "character " << c;
    }
}

TEST(WordTools, SplitWordsGivesTheWordsBetweenDelimiters)
{
    struct Row {
        std::string text;
        Words words;
    };
    const Row rows[] = {
        {"       05 WS-NAME PIC X(10).", {"05", "WS-NAME", "PIC", "X", "10"}},
        {"", {}},
        {" .,():\r\n", {}},
        {"A", {"A"}},
        {"  A  B  ", {"A", "B"}},
        {"END-EXEC.", {"END-EXEC"}},
        {"X(1:2)", {"X", "1", "2"}},
        {"'IT''S';\"Q\"\tT", {"'IT''S';\"Q\"\tT"}},
        {"A\r\nB", {"A", "B"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(SplitWords(row.text), row.words) << '"' << row.text << '"';
}

TEST(WordTools, WordAtGivesTheWordAroundAPosition)
{
    const std::string line = "       05 WS-NAME PIC X(10).";
    struct Row {
        std::string text;
        std::size_t position;
        std::string word;
    };
    const Row rows[] = {
        {line, 14, "WS-NAME"},      // the N
        {line, 11, "WS-NAME"},      // first character of the word
        {line, 17, "WS-NAME"},      // last character
        {line, 18, ""},             // the space after it
        {line, 1, ""},              // a leading space
        {line, 20, "PIC"},
        {line, 22, ""},             // space before X
        {line, 23, "X"},
        {line, 24, ""},             // the parenthesis
        {line, 26, "10"},
        {line, 28, ""},             // the final full stop
        {line, line.size() + 1, ""}, // past the full stop: nothing
        {"       MOVE A TO B", 19, "B"}, // past the end of a word ending the line
        {"       MOVE A TO B", 18, "B"},
        {"ABC DEF", 2, "ABC"},       // a word starting the text
        {"ABC", 4, "ABC"},
        {"", 1, ""},
        {"ABC", 0, ""},              // out of range
        {"ABC", 5, ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(WordAt(row.text, row.position), row.word) << '"' << row.text << "\" at " << row.position;
}

TEST(ReservedWords, TableHasItsEntriesInPlace)
{
    ASSERT_EQ(ReservedWords.size(), 378u);
    EXPECT_EQ(ReservedWords[0], "ACCEPT");
    EXPECT_EQ(ReservedWords[266], "REEL");
    EXPECT_EQ(ReservedWords[267], "");
    EXPECT_EQ(ReservedWords[268], "REFERENCE");
    EXPECT_EQ(ReservedWords[366], "ZEROS");
    const std::vector<std::string_view> operators(ReservedWords.begin() + 367, ReservedWords.end());
    EXPECT_EQ(operators,
              (std::vector<std::string_view>{"+", "*", "/", "**", ">", "<", "=", ">=", "<=", "=>", "=<"}));

    // The words (all but the empty entry) are upper case, in alphabetical order, once each.
    std::vector<std::string_view> words(ReservedWords.begin(), ReservedWords.begin() + 367);
    words.erase(words.begin() + 267);
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
    EXPECT_EQ(std::adjacent_find(words.begin(), words.end()), words.end());
    for (std::string_view word : words)
        EXPECT_TRUE(std::none_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; })) << word;
}

TEST(ReservedWords, LookupIsExactAndCaseSensitive)
{
    struct Row {
        std::string word;
        bool reserved;
    };
    const Row rows[] = {
        {"PERFORM", true},  {"Perform", false}, {"perform", false}, {"PERFORMS", false}, {"PERFOR", false},
        {"", true},         {"=<", true},       {"**", true},       {"-", false},        {"WS-NAME", false},
        {"COMP-3", true},   {"PIC", true},      {"ZEROS", true},    {"ACCEPT", true},    {" PIC", false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(isReservedWord(row.word), row.reserved) << '"' << row.word << '"';
}

} // namespace
