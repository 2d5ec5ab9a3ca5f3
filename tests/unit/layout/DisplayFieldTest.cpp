#include "layout/core/DisplayField.h"

#include <gtest/gtest.h>

#include <string>

using namespace norvane;

namespace {

struct Case {
    std::string picture;
    std::string value;
    int length;
    std::string expected;
};

TEST(DisplayField, GridShowsTheFieldsBytesEditedByThePicture)
{
    const Case cases[] = {
        // The worked examples.
        {"S9(3)V99", "1234u", 5, "-123.45"},
        {"9(5)", "00042", 5, "00042"},
        {"ZZ,ZZ9", "12,345", 6, "12,345"},
        {"ZZ,ZZ9", "    45", 6, "    45"},
        // A signed field shows its sign; an implied point is shown.
        {"S9(3)V99", "12345", 5, "+123.45"},
        {"S9(3)", "00p", 3, "-000"},
        {"9(3)V99", "00150", 5, "001.50"},
        {"9(3).99", "042.00", 6, "042.00"},
        {"S9(5)V99", "0012345", 7, "+00123.45"},
        // Commas, short numbers without them.
        {"Z,ZZZ,ZZ9", "1,234,567", 9, "1,234,567"},
        {"Z,ZZZ,ZZ9", "    1,234", 9, "    1,234"},
        {"ZZ,ZZ9.99-", "   123.45-", 10, "   123.45-"},
        {"ZZ,ZZ9.99-", " 1,234.50-", 10, " 1,234.50-"},
        {"ZZ,ZZ9.99-", "99,999.99 ", 10, "99,999.99 "},
        {"ZZ,ZZ9.99-", "     0.00 ", 10, "     0.00 "},
        // Currency and floating signs.
        {"$$$,$$9.99", "   $123.45", 10, "   $123.45"},
        {"$ZZ,ZZ9", "$12,345", 7, "$12,345"},
        {"$ZZ,ZZ9", "$ 1,234", 7, "$ 1,234"},
        {"$ZZ,ZZ9", "$    45", 7, "$    45"},
        {"$$$$9", "  $12", 5, "  $12"},
        {"-(5)9", "    -5", 6, "    -5"},
        {"-(5)9", "-12345", 6, "-12345"},
        {"+(3)9", "  +7", 4, "  +7"},
        {"ZZ9-", " 12-", 4, " 12-"},
        {"ZZZ.99", "   .05", 6, "   .05"},
        // A COMP text padded to its width ("00-5") and edited.
        {"S9(4)", "00-5", 4, "-0005"},
        {"S9(7)V99", "000-12345", 9, "-0000123.45"},
        {"9(5)", "000012345", 9, "000012345"},
        // Alphanumeric: as it is, padded, never cut.
        {"X(5)", "AB", 5, "AB   "},
        {"X(3)", "ABCDE", 3, "ABCDE"},
        {"A(4)", "ab", 4, "ab  "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatField(c.value, c.picture, c.length, FieldMode::Grid), c.expected) << c.picture << " " << c.value;
}

TEST(DisplayField, FileGetsTheTypedTextInThePicturesPositions)
{
    const Case cases[] = {
        // The worked examples.
        {"S9(3)V99", "-123.45", 5, "1234u"},
        {"S9(3)V99", "123.45", 5, "12345"},
        {"S9(3)V99", "+123.45", 5, "12345"},
        {"X(5)", "AB", 5, "AB   "},
        // The sign in the last digit: p for 0 up to y for 9.
        {"S9(3)", "-120", 3, "12p"},
        {"S9(3)", "-9", 3, "00y"},
        {"S9(3)", "5-", 3, "00u"}, // a trailing "-" is a sign too
        {"9(5)", "42", 5, "00042"},
        {"9(3)V99", "1.5", 5, "00150"},
        {"9(3).99", "42", 6, "042.00"},
        {"ZZ,ZZ9", "12345", 6, "12,345"},
        {"ZZ,ZZ9", "45", 6, "    45"},
        {"ZZ,ZZ9.99-", "-1234.5", 10, " 1,234.50-"},
        {"ZZ,ZZ9.99-", "1234.5", 10, " 1,234.50 "},
        {"$ZZ,ZZ9", "1234", 7, "$ 1,234"},
        {"-(5)9", "-5", 6, "    -5"},
        {"ZZZ.99", "0.05", 6, "   .05"},
        {"9(5)", "", 5, "00000"},
        {"X(4)", "", 4, "    "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatField(c.value, c.picture, c.length, FieldMode::File), c.expected) << c.picture << " " << c.value;
}

TEST(DisplayField, GridTextWrittenBackGivesTheSameBytes)
{
    struct Field {
        std::string picture;
        std::string bytes;
    };
    const Field fields[] = {
        {"S9(3)V99", "1234u"},  {"S9(3)V99", "00000"},   {"S9(5)", "0000p"},       {"9(5)", "00042"},
        {"9(3).99", "512.34"},  {"ZZ,ZZ9", "12,345"},    {"ZZ,ZZ9", "    45"},      {"ZZ,ZZ9.99-", " 1,234.50-"},
        {"$$$,$$9.99", "   $123.45"}, {"$ZZ,ZZ9", "$ 1,234"}, {"-(5)9", "    -5"}, {"X(8)", "Mixed 7 "},
        {"ZZ9-", " 12-"},       {"ZZ9-", "  0 "},       {"9(3)V99", "00001"},
    };
    for (const Field &f : fields) {
        const auto size = static_cast<int>(f.bytes.size());
        const std::string shown = FormatField(f.bytes, f.picture, size, FieldMode::Grid);
        EXPECT_EQ(FormatField(shown, f.picture, size, FieldMode::File), f.bytes) << f.picture << " shown as " << shown;
    }
}

TEST(DisplayField, NegativeDigitsAreTheTenLettersFromP)
{
    EXPECT_EQ(NegativeDigits, "pqrstuvwxy");
    // Only a signed picture reads them as digits.
    EXPECT_EQ(FormatNumeric("12y", "S9(3)", 3, FieldMode::Grid), "-129");
    EXPECT_EQ(FormatNumeric("12y", "9(3)", 3, FieldMode::Grid), "012");
}

} // namespace
