#include "layout/core/CellCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

namespace {

TEST(CellCheck, ValidateFieldNamesWhatIsWrong)
{
    struct Case {
        std::string value;
        std::string picture;
        std::string message;
    };
    const Case cases[] = {
        // Passing texts: the grid's own texts of every kind of field.
        {"-123.45", "S9(3)V99", ""},
        {"123.45+", "S9(3)V99", ""},
        {"00012+", "S9(4)", ""}, // a packed S9(4) shows five digits; leading zeros are not significant
        {"000012345", "9(5)", ""}, // a binary 9(5) padded to nine digits
        {"-0005", "S9(4)", ""},
        {" 1,234.50-", "ZZ,ZZ9.99-", ""},
        {"   $123.45", "$$$,$$9.99", ""},
        {"AB   ", "X(2)", ""}, // trailing spaces do not count
        {"1 2", "9(3)", ""},    // spaces are allowed anywhere
        // The edge cases.
        {"ABCDEF", "X(5)", " is too long"},
        {"12a", "9(3)", " has non-numeric character"},
        {"1-2", "S9(3)", " sign must be at beginning or end"},
        {"-5", "9(3)", " should be unsigned"},
        // Every complaint, in the order they are looked for.
        {"$12", "9(3)", " has non-numeric character"}, // "$" only in an edited picture
        {"1,234", "9(5)", " has non-numeric character"},
        // Fill characters, signs or a point without a digit are no number,
        // unless they are the field's own text of zero.
        {"    *", "Z(4)9", " has non-numeric character"},
        {" $,", "$$$,$$9.99", " has non-numeric character"},
        {"-", "S9(3)", " has non-numeric character"},
        {"*****", "*****", ""},
        {"     ", "9(5)", ""},
        {"--5", "S9(3)", " has too many signs"},
        {"1.2.3", "9(3)V99", " has too many decimal points"},
        {"1234", "S9(3)V99", " has too many significant digits"},
        {"1.234", "S9(3)V99", " has too many decimal digits"},
        {"1.5", "9(3)", " has too many decimal digits"},
        {"12", "9(3)Q", " has invalid PIC clause"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ValidateField(c.value, c.picture), c.message) << c.value << " in " << c.picture;
}

TEST(CellCheck, ValidateDataGridReportsTheFirstFailingCell)
{
    const std::vector<std::string> headers = {"NAME", "AMOUNT", "QTY (2)"};
    const std::vector<std::string> pictures = {"X(4)", "S9(3)V99", "9(2)"};
    const std::vector<std::vector<std::string>> records = {
        {"ANN", "1.5", "12"},
        {"", "", ""},              // empty cells are not checked
        {"BOB", "1.234", "12a"},   // two failures: the first one counts
        {"TOOLONG", "1", "1"},
    };
    const auto cell = [&](std::size_t record, std::size_t column) -> std::string_view { return records[record][column]; };

    const std::optional<CellFailure> failure = ValidateDataGrid(headers, pictures, records.size(), cell);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->record, 2u);
    EXPECT_EQ(failure->column, 1u);
    EXPECT_EQ(failure->message, "line 3 AMOUNT has too many decimal digits");

    EXPECT_FALSE(ValidateDataGrid(headers, pictures, 2, cell).has_value());
    EXPECT_EQ(CellMessage(0, "QTY (2)", " has non-numeric character"), "line 1 QTY (2) has non-numeric character");
}

} // namespace
