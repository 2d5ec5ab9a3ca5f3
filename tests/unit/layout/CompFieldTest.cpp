#include "layout/core/CompField.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace norvane;

namespace {

constexpr ByteOrder Big = ByteOrder::BigEndian;
constexpr ByteOrder Little = ByteOrder::LittleEndian;

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

const char *orderName(ByteOrder order)
{
    return order == Big ? "big-endian" : "little-endian";
}

TEST(CompFieldPicture, ReadsSignDigitsWidthAndSize)
{
    struct Row {
        const char *picture;
        bool isSigned;
        int digits;
        int decimals;
        int width;
        int bytes;
    };
    const Row rows[] = {
        {"9", false, 1, 0, 1, 2},
        {"S9(4)", true, 4, 0, 5, 2},
        {"9(4)", false, 4, 0, 4, 2},
        {"9(5)", false, 5, 0, 5, 4},
        {"S9(3)V99", true, 5, 2, 7, 4}, // the size follows all digits, decimals included
        {"S99V99", true, 4, 2, 6, 2},
        {"S9(9)", true, 9, 0, 10, 4},
        {"9(10)", false, 10, 0, 10, 8},
        {"S9(16)V99", true, 18, 2, 20, 8},
        {"9(18)", false, 18, 0, 18, 8},
        {"s9(7)v99", true, 9, 2, 11, 4},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.picture);
        const Result<CompPic> pic = ParseCompPic(row.picture);
        ASSERT_TRUE(pic.ok()) << pic.error();
        EXPECT_EQ(pic.value().isSigned, row.isSigned);
        EXPECT_EQ(pic.value().digits, row.digits);
        EXPECT_EQ(pic.value().decimals, row.decimals);
        EXPECT_EQ(pic.value().width, row.width);
        EXPECT_EQ(pic.value().byteCount(), row.bytes);
    }
}

TEST(CompFieldPicture, RefusesMoreDigitsThanEightBytesHold)
{
    for (const char *picture : {"9(19)", "S9(10)V9(9)", "9(18)9"}) {
        SCOPED_TRACE(picture);
        const Result<CompPic> pic = ParseCompPic(picture);
        ASSERT_FALSE(pic.ok());
        EXPECT_EQ(pic.error(), "Invalid Pic");
    }
}

TEST(TextToComp, ReadsTheScaledInteger)
{
    struct Row {
        const char *text;
        const char *picture;
        std::int64_t value;
    };
    const Row rows[] = {
        {"-12.5", "S9(3)V99", -1250},
        {"12", "S9(3)V99", 1200},
        {"12-", "S9(3)V99", -1200},
        {"+012.50", "S9(3)V99", 1250},   // as the grid shows a signed field
        {" -12 ", "S9(3)V99", -1200},
        {"0.05", "SV99", 5},
        {"$1,234", "9(5)", 1234},        // currency and grouping are passed over
        {"000012345", "9(5)", 12345},    // leading zeros as the grid pads the text
        {"", "S9(4)", 0},
        {"-", "S9(4)", 0},
        {"-0", "S9(4)", 0},
        {"9999", "9(4)", 9999},
        {"-9999", "S9(4)", -9999},
        {"99999999999999.9999", "9(14)V9(4)", 999999999999999999},
        {"-999999999999999999", "S9(18)", -999999999999999999},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.picture);
        const Result<std::int64_t> value = TextToComp64(row.text, row.picture);
        ASSERT_TRUE(value.ok()) << value.error();
        EXPECT_EQ(value.value(), row.value);
    }
}

TEST(TextToComp, RefusesTextItCannotStoreWithItsMessage)
{
    struct Row {
        const char *text;
        const char *picture;
        const char *message;
    };
    const Row rows[] = {
        {"10000", "S9(4)", "Invalid value"},
        {"1000", "S9(1)V99", "Invalid value"},
        {"1000000000000000000", "9(18)", "Invalid value"},
        {"99999999999999999999999", "9(18)", "Invalid value"},
        {"1.234", "S9(3)V99", "Too many decimal places"},
        {"1.5", "9(4)", "Too many decimal places"},
        {"1.2.3", "S9(3)V99", "Invalid Value"},
        {"12a", "9(4)", "Invalid value"},
        {"1-2", "S9(4)", "Invalid value"},
        {"--1", "S9(4)", "Invalid value"},
        {"+1-", "S9(4)", "Invalid value"},
        {"-5", "9(4)", "Negative value for unsigned PIC"},
        {"5-", "9(4)", "Negative value for unsigned PIC"},
        {"5", "X(4)", "Invalid Pic"},
        {"5", "S9(x)", "'x' is not a valid integer value"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.picture);
        const Result<std::int64_t> value = TextToComp64(row.text, row.picture);
        ASSERT_FALSE(value.ok()) << value.value();
        EXPECT_EQ(value.error(), row.message);
    }
}

// A value too big for the integer asked for is refused, never wrapped.
TEST(TextToComp, NarrowIntegersRefuseWhatTheyCannotHold)
{
    EXPECT_EQ(TextToComp16("-12.5", "S9(3)V99").value(), -1250);
    EXPECT_EQ(TextToComp16("32767", "S9(5)").value(), 32767);
    EXPECT_EQ(TextToComp16("-32768", "S9(5)").value(), -32768);
    EXPECT_EQ(TextToComp16("40000", "S9(5)").error(), "Value too large for field");
    EXPECT_EQ(TextToComp32("999999999", "9(9)").value(), 999999999);
    EXPECT_EQ(TextToComp32("4294967296", "9(10)").error(), "Value too large for field");
    EXPECT_EQ(TextToComp32("-2147483649", "S9(10)").error(), "Value too large for field");
    EXPECT_EQ(TextToComp64("999999999999999999", "9(18)").value(), 999999999999999999);
}

TEST(TextToComp, WritesTwosComplementInEitherByteOrder)
{
    struct Row {
        const char *text;
        const char *picture;
        std::size_t bytes;
        const char *bigEndian;
        const char *littleEndian;
    };
    const Row rows[] = {
        {"1", "9(4)", 2, "0001", "0100"},
        {"-1", "S9(4)", 2, "FFFF", "FFFF"},
        {"-2", "S9(4)", 2, "FFFE", "FEFF"},
        {"-9999", "S9(4)", 2, "D8F1", "F1D8"},
        {"40000", "9(5)", 2, "9C40", "409C"}, // an unsigned field uses all 16 bits
        {"12345", "9(5)", 4, "00003039", "39300000"},
        {"-2", "S9(9)", 4, "FFFFFFFE", "FEFFFFFF"},
        {"-1.23", "S9(7)V99", 4, "FFFFFF85", "85FFFFFF"},
        {"-1", "S9(18)", 8, "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF"},
        {"4294967296", "9(10)", 8, "0000000100000000", "0000000001000000"},
        {"999999999999999999", "9(18)", 8, "0DE0B6B3A763FFFF", "FFFF63A7B3B6E00D"},
        {"-5", "S9", 1, "FB", "FB"},
    };
    for (const Row &row : rows) {
        for (const ByteOrder order : {Big, Little}) {
            SCOPED_TRACE(std::string(row.text) + " / " + row.picture + " " + orderName(order));
            const Result<std::string> bytes = TextToComp(row.text, row.picture, row.bytes, order);
            ASSERT_TRUE(bytes.ok()) << bytes.error();
            EXPECT_EQ(toHex(bytes.value()), order == Big ? row.bigEndian : row.littleEndian);
        }
    }
}

TEST(TextToComp, RefusesAValueTheFieldsBytesCannotHold)
{
    struct Row {
        const char *text;
        const char *picture;
        std::size_t bytes;
        const char *message;
    };
    const Row rows[] = {
        {"40000", "S9(5)", 2, "Value too large for field"},
        {"-32769", "S9(5)", 2, "Value too large for field"},
        {"65536", "9(5)", 2, "Value too large for field"},
        {"4294967296", "9(10)", 4, "Value too large for field"},
        {"1", "9", 0, "Binary field must be 1 to 8 bytes"},
        {"1", "9", 9, "Binary field must be 1 to 8 bytes"},
        {"12a", "9(4)", 2, "Invalid value"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.picture);
        const Result<std::string> bytes = TextToComp(row.text, row.picture, row.bytes, Big);
        ASSERT_FALSE(bytes.ok()) << toHex(bytes.value());
        EXPECT_EQ(bytes.error(), row.message);
    }
}

TEST(CompToText, ReadsSignedAsTwosComplementAndUnsignedAsIs)
{
    struct Row {
        const char *hex;
        ByteOrder order;
        const char *picture;
        const char *text;
    };
    const Row rows[] = {
        {"FFFF", Big, "S9(4)", "-1"},
        {"FFFF", Little, "S9(4)", "-1"},
        {"FFFF", Big, "9(4)", "65535"},   // unsigned: never read as negative
        {"2710", Big, "S9(4)", "10000"},  // two's complement, not "above 9999"
        {"0001", Big, "9(4)", "1"},
        {"0001", Little, "9(4)", "256"},
        {"8000", Big, "S9(4)", "-32768"},
        {"00003039", Big, "9(5)", "12345"},
        {"39300000", Little, "9(5)", "12345"},
        {"FFFFFFFF", Big, "S9(9)", "-1"},
        {"FFFFFFFF", Big, "9(9)", "4294967295"},
        {"C4653600", Big, "S9(9)", "-1000000000"},
        {"FFFFFF85", Big, "S9(7)V99", "-123"}, // the point is left to the grid
        {"FFFFFFFFFFFFFFFF", Big, "S9(18)", "-1"},
        {"FFFFFFFFFFFFFFFF", Big, "9(18)", "18446744073709551615"},
        {"8000000000000000", Big, "S9(18)", "-9223372036854775808"},
        {"0000000000000080", Little, "S9(18)", "-9223372036854775808"},
        {"0DE0B6B3A763FFFF", Big, "9(18)", "999999999999999999"},
        {"FB", Big, "S9", "-5"},
        {"FEFFFF", Little, "S9(6)", "-2"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.hex) + " / " + row.picture + " " + orderName(row.order));
        const Result<std::string> text = CompToText(fromHex(row.hex), row.picture, row.order);
        ASSERT_TRUE(text.ok()) << text.error();
        EXPECT_EQ(text.value(), row.text);
    }
}

TEST(CompToText, ReportsWhatItCannotRead)
{
    EXPECT_EQ(CompToText("", "S9(4)", Big).error(), "Binary field must be 1 to 8 bytes");
    EXPECT_EQ(CompToText(std::string(9, '\0'), "S9(18)", Big).error(), "Binary field must be 1 to 8 bytes");
    EXPECT_EQ(CompToText(fromHex("FFFF"), "X(2)", Big).error(), "Invalid Pic");
}

// A value written in one order and read in the other shows the swapped bytes.
TEST(CompToText, TheOtherByteOrderReadsTheBytesSwapped)
{
    const Result<std::string> bytes = TextToComp("1", "9(4)", 2, Big);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(CompToText(bytes.value(), "9(4)", Little).value(), "256");
    EXPECT_EQ(CompToText(bytes.value(), "9(4)", Big).value(), "1");
    EXPECT_EQ(byteOrderFor(true), Big);
    EXPECT_EQ(byteOrderFor(false), Little);
}

} // namespace
