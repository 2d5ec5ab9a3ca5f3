#include "layout/core/PackDec.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace norvane;

namespace {

std::string fromHex(std::string_view hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

std::string toHex(std::string_view bytes)
{
    std::string hex;
    char buffer[3];
    for (const char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", static_cast<unsigned char>(c));
        hex += buffer;
    }
    return hex;
}

TEST(PackDecPicture, ReadsSignDigitsPointAndSize)
{
    struct Row {
        const char *picture;
        bool isSigned;
        int digits;
        bool hasV;
        int decimals;
        int bytes;
    };
    const Row rows[] = {
        {"S9(3)V99", true, 5, true, 2, 3},
        {"9(3)V99", false, 5, true, 2, 3},
        {"S9(4)", true, 5, false, 0, 3}, // an even count is raised to fill the last byte
        {"9(4)", false, 5, false, 0, 3},
        {"9", false, 1, false, 0, 1},
        {"99", false, 3, false, 0, 2},
        {"S9(7)V99", true, 9, true, 2, 5},
        {"9(2)V9(3)", false, 5, true, 3, 3},
        {"V99", false, 3, true, 2, 2},
        {"9V", false, 1, true, 0, 1},
        {"S9(18)", true, 19, false, 0, 10},
        {"s9(3)v99", true, 5, true, 2, 3}, // the compiler ignores letter case
        {"9(38)", false, 39, false, 0, 20},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.picture);
        const Result<PackedPic> pic = ParsePackedPic(row.picture);
        ASSERT_TRUE(pic.ok()) << pic.error();
        EXPECT_EQ(pic.value().isSigned, row.isSigned);
        EXPECT_EQ(pic.value().digits, row.digits);
        EXPECT_EQ(pic.value().hasV, row.hasV);
        EXPECT_EQ(pic.value().decimals, row.decimals);
        EXPECT_EQ(pic.value().byteCount(), row.bytes);
    }
}

TEST(PackDecPicture, RefusesWhatAPackedFieldCannotHave)
{
    struct Row {
        const char *picture;
        const char *message;
    };
    const Row rows[] = {
        {"", "Invalid Pic"},
        {"S", "Invalid Pic"},
        {"SV", "Invalid Pic"},
        {"X(3)", "Invalid Pic"},
        {"ZZ9", "Invalid Pic"},
        {"9.99", "Invalid Pic"},
        {"S9S9", "Invalid Pic"},
        {"S9(3)V9V9", "Invalid Pic"},
        {"9(3", "Invalid Pic"},
        {"9(0)", "Invalid Pic"},
        {"V(3)", "Invalid Pic"},
        {"9(2)(3)", "Invalid Pic"},
        {"9(39)", "Invalid Pic"},
        {"9(x)", "'x' is not a valid integer value"},
        {"9()", "'' is not a valid integer value"},
        {"9(-2)", "'-2' is not a valid integer value"},
        {"9(99999999999)", "'99999999999' is not a valid integer value"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.picture);
        const Result<PackedPic> pic = ParsePackedPic(row.picture);
        ASSERT_FALSE(pic.ok());
        EXPECT_EQ(pic.error(), row.message);
    }
}

TEST(TextToPacked, StoresDigitsAndTheTypedSign)
{
    struct Row {
        const char *text;
        const char *picture;
        const char *hex;
    };
    const Row rows[] = {
        {"123.45", "S9(3)V99", "12345C"},
        {"-123.45", "S9(3)V99", "12345D"},
        {"123.45-", "S9(3)V99", "12345D"},
        {"+123.45", "S9(3)V99", "12345C"},
        {"123.45", "9(3)V99", "12345F"},
        {"+123.45", "9(3)V99", "12345F"}, // a plus on an unsigned field says nothing
        {"1.5", "S9(3)V99", "00150C"},
        {"7", "S9(3)V99", "00700C"},
        {".5", "SV9", "5C"},
        {"12.", "S9(3)", "012C"},
        {"-0", "S9(3)", "000D"}, // the nibble follows the typed sign
        {"", "S9(3)", "000C"},
        {"-", "S9(3)", "000D"},
        {"12", "S9(4)", "00012C"},
        {"9999", "S9(4)", "09999C"},
        {"09999", "S9(4)", "09999C"}, // as PackedToText shows it
        {"5", "9", "5F"},
        {"999999999999999999", "S9(18)", "0999999999999999999C"},
        {"-1234567.89", "S9(7)V99", "123456789D"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.picture);
        const Result<std::string> bytes = TextToPacked(row.text, row.picture);
        ASSERT_TRUE(bytes.ok()) << bytes.error();
        EXPECT_EQ(toHex(bytes.value()), row.hex);
    }
}

TEST(TextToPacked, RefusesTextItCannotStoreWithItsMessage)
{
    struct Row {
        const char *text;
        const char *picture;
        const char *message;
    };
    const Row rows[] = {
        {"1234", "S9(3)", "Invalid value"},
        {"10000", "S9(4)", "Invalid value"},  // fits the bytes, not the picture
        {"100", "S99V99", "Invalid value"},
        {"0001", "S9(3)", "Invalid value"},   // no room left for the zero
        {"1.234", "S9(3)V99", "Too many decimal places"},
        {"1.5", "S9(3)", "Too many decimal places"},
        {"1.2.3", "S9(3)V99", "Invalid Value"},
        {"12a", "S9(3)", "Invalid value"},
        {"1 2", "S9(3)", "Invalid value"},
        {" 12", "S9(3)", "Invalid value"},
        {"1,2", "S9(3)", "Invalid value"},
        {"1-2", "S9(3)", "Invalid value"},
        {"--1", "S9(3)", "Invalid value"},
        {"-1-", "S9(3)", "Invalid value"},
        {"-5", "9(3)", "Negative value for unsigned PIC"},
        {"5-", "9(3)V9", "Negative value for unsigned PIC"},
        {"5", "X(3)", "Invalid Pic"},
        {"5", "9(z)", "'z' is not a valid integer value"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.picture);
        const Result<std::string> bytes = TextToPacked(row.text, row.picture);
        ASSERT_FALSE(bytes.ok()) << toHex(bytes.value());
        EXPECT_EQ(bytes.error(), row.message);
    }
}

TEST(PackedToText, ShowsEveryStoredDigitThePointAndTheSign)
{
    struct Row {
        const char *hex;
        const char *picture;
        const char *text;
    };
    const Row rows[] = {
        {"12345C", "S9(3)V99", "123.45+"},
        {"12345D", "S9(3)V99", "123.45-"},
        {"12345F", "9(3)V99", "123.45"},
        {"00150C", "S9(3)V99", "001.50+"},
        {"000F", "9(3)", "000"},
        {"000D", "S9(3)", "000-"},
        {"00012C", "S9(4)", "00012+"},
        {"123C", "S9(3)V", "123.+"},
        {"123F", "9(3)V", "123."},
        {"5C", "SV9", ".5+"},
        {"123F", "S9(3)", "123"},          // an unsigned nibble in a signed field is positive
        {"0000123C", "S9(3)", "0000123+"}, // the record's size rules, not the picture's
        {"5C", "S9V99", ".05+"},           // fewer digits than decimals: zeros before them
        {"0999999999999999999D", "S9(18)", "0999999999999999999-"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.hex) + " / " + row.picture);
        const Result<std::string> text = PackedToText(fromHex(row.hex), row.picture);
        ASSERT_TRUE(text.ok()) << text.error();
        EXPECT_EQ(text.value(), row.text);
    }
}

TEST(PackedToText, ReportsBadBytesInsteadOfShowingThem)
{
    struct Row {
        const char *hex;
        const char *picture;
        const char *message;
    };
    const Row rows[] = {
        {"A12C", "S9(3)", "Invalid packed decimal"},
        {"1A2C", "S9(3)", "Invalid packed decimal"},   // a sign-like nibble among the digits
        {"1C2C", "S9(3)", "Invalid packed decimal"},
        {"123A", "S9(3)", "Invalid packed decimal"},
        {"123B", "S9(3)", "Invalid packed decimal"},
        {"123E", "S9(3)", "Invalid packed decimal"},
        {"1234", "S9(3)", "Invalid packed decimal"},   // no sign nibble at all
        {"FFFF", "S9(3)", "Invalid packed decimal"},
        {"4040", "9(3)", "Invalid packed decimal"},    // spaces where a number should be
        {"", "S9(3)", "Invalid packed decimal"},
        {"123C", "9(3)", "Pack Decimal longer than PIC"},
        {"123D", "9(3)V", "Pack Decimal longer than PIC"},
        {"123C", "X(3)", "Invalid Pic"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.hex) + " / " + row.picture);
        const Result<std::string> text = PackedToText(fromHex(row.hex), row.picture);
        ASSERT_FALSE(text.ok()) << text.value();
        EXPECT_EQ(text.error(), row.message);
    }
}

// Whatever two bytes a file holds, the decoder gives a message or a text that
// stores back to the same bytes (an F sign in a signed field comes back as C).
TEST(PackedToText, EveryTwoByteFieldReadsBackOrIsReported)
{
    for (const char *picture : {"S9(3)", "9(3)", "S9(2)V9", "9V99"}) {
        const bool isSigned = picture[0] == 'S';
        for (int value = 0; value < 0x10000; ++value) {
            const std::string bytes{static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
            const Result<std::string> text = PackedToText(bytes, picture);
            if (!text.ok()) {
                EXPECT_TRUE(text.error() == "Invalid packed decimal" || text.error() == "Pack Decimal longer than PIC")
                    << text.error();
                continue;
            }
            const Result<std::string> back = TextToPacked(text.value(), picture);
            ASSERT_TRUE(back.ok()) << picture << " " << text.value() << ": " << back.error();
            std::string expected = bytes;
            if (isSigned && (value & 0xF) == 0xF)
                expected.back() = static_cast<char>((value & 0xF0) | 0xC);
            EXPECT_EQ(toHex(back.value()), toHex(expected)) << picture << " " << text.value();
        }
    }
}

} // namespace
