#include "search/core/LineNumberInput.h"

#include <gtest/gtest.h>

#include <string>

using namespace norvane;

TEST(LineNumberInput, DigitsNameALineOfTheText)
{
    const struct {
        std::string answer;
        int lineCount;
        int index;        // -1: refused
        std::string message;
    } rows[] = {
        {"1", 100, 0, ""},
        {"007", 100, 6, ""},
        {"100", 100, 99, ""},
        {"101", 100, -1, "invalid line number"},
        {"0", 100, -1, "invalid line number"},
        {"000", 100, -1, "invalid line number"},
        {"1", 0, -1, "invalid line number"},
        {" 5", 100, -1, "input not numeric"},
        {"5 ", 100, -1, "input not numeric"},
        {"-5", 100, -1, "input not numeric"},
        {"+5", 100, -1, "input not numeric"},
        {"1e3", 100, -1, "input not numeric"},
        {"\xB9", 100, -1, "input not numeric"},   // superscript one is no decimal digit
        {"2147483647", 100, -1, "invalid line number"},
        {"2147483648", 100, -1, "line number 2147483648 is too large"},
        {"99999999999999999999", 100, -1, "line number 99999999999999999999 is too large"},
        {"0000000000000000000042", 100, 41, ""},
    };
    for (const auto &row : rows) {
        const Result<int> result = lineIndexFromInput(row.answer, row.lineCount);
        if (row.index >= 0) {
            ASSERT_TRUE(result.ok()) << row.answer << ": " << result.error();
            EXPECT_EQ(result.value(), row.index) << row.answer;
        } else {
            ASSERT_FALSE(result.ok()) << row.answer;
            EXPECT_EQ(result.error(), row.message) << row.answer;
        }
    }
}
