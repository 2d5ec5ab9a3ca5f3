#include "layout/core/CompField.h"
#include "layout/core/PackDec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

using namespace norvane;

namespace {

// The two field codecs behind one face, so the same promises are checked on
// both: packed decimal, and binary in each byte order.
struct PackedCodec {
    static Result<std::string> encode(std::string_view text, std::string_view picture)
    {
        return TextToPacked(text, picture);
    }
    static Result<std::string> decode(std::string_view bytes, std::string_view picture)
    {
        return PackedToText(bytes, picture);
    }
    static std::size_t size(std::string_view picture)
    {
        return static_cast<std::size_t>(ParsePackedPic(picture).value().byteCount());
    }
};

template <ByteOrder Order>
struct BinaryCodec {
    static Result<std::string> encode(std::string_view text, std::string_view picture)
    {
        const Result<CompPic> pic = ParseCompPic(picture);
        if (!pic)
            return Error{pic.error()};
        return TextToComp(text, picture, static_cast<std::size_t>(pic.value().byteCount()), Order);
    }
    static Result<std::string> decode(std::string_view bytes, std::string_view picture)
    {
        return CompToText(bytes, picture, Order);
    }
    static std::size_t size(std::string_view picture)
    {
        return static_cast<std::size_t>(ParseCompPic(picture).value().byteCount());
    }
};

// The value a number's text stands for, in units of its last decimal: the
// packed text shows every decimal and the binary text is already scaled, so
// dropping the point and reading the sign at either end is enough.
std::int64_t scaledOf(std::string_view text)
{
    bool negative = false;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9')
            value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

template <typename Codec>
class FieldCodecContract : public ::testing::Test {};

using Codecs = ::testing::Types<PackedCodec, BinaryCodec<ByteOrder::BigEndian>, BinaryCodec<ByteOrder::LittleEndian>>;

class CodecNames {
public:
    template <typename T>
    static std::string GetName(int)
    {
        if constexpr (std::is_same_v<T, PackedCodec>)
            return "Packed";
        else if constexpr (std::is_same_v<T, BinaryCodec<ByteOrder::BigEndian>>)
            return "BinaryBigEndian";
        else
            return "BinaryLittleEndian";
    }
};

TYPED_TEST_SUITE(FieldCodecContract, Codecs, CodecNames);

TYPED_TEST(FieldCodecContract, ValuesComeBackFromTheirBytes)
{
    struct Row {
        const char *picture;
        const char *text;
        std::int64_t scaled;
    };
    const Row rows[] = {
        {"S9(4)", "1234", 1234},
        {"S9(4)", "-1234", -1234},
        {"S9(4)", "+42", 42},
        {"S9(4)", "42-", -42},
        {"S9(4)", "0", 0},
        {"S9(4)", "", 0},
        {"S9(4)", "-9999", -9999},
        {"9(4)", "9999", 9999},
        {"9", "7", 7},
        {"9(5)", "12345", 12345},
        {"S9(3)V99", "-123.45", -12345},
        {"S9(3)V99", "1.5", 150},
        {"S9(3)V99", "12", 1200},
        {"SV99", ".05", 5},
        {"S9(7)V99", "1234567.89", 123456789},
        {"S9(9)", "-123456789", -123456789},
        {"9(9)", "999999999", 999999999},
        {"9(10)", "4294967296", 4294967296},
        {"9(14)V9(4)", "0.0001", 1},
        {"S9(18)", "-999999999999999999", -999999999999999999},
        {"9(18)", "999999999999999999", 999999999999999999},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.picture);
        const Result<std::string> bytes = TypeParam::encode(row.text, row.picture);
        ASSERT_TRUE(bytes.ok()) << bytes.error();
        EXPECT_EQ(bytes.value().size(), TypeParam::size(row.picture));
        const Result<std::string> text = TypeParam::decode(bytes.value(), row.picture);
        ASSERT_TRUE(text.ok()) << text.error();
        EXPECT_EQ(scaledOf(text.value()), row.scaled) << text.value();
    }
}

TYPED_TEST(FieldCodecContract, RefusesValuesThatDoNotFitThePicture)
{
    struct Row {
        const char *picture;
        const char *text;
        const char *message;
    };
    const Row rows[] = {
        {"S9(4)", "10000", "Invalid value"},
        {"S9(4)", "-10000", "Invalid value"},
        {"9(3)", "1000", "Invalid value"},
        {"S99V99", "100", "Invalid value"},
        {"S9(9)", "1000000000", "Invalid value"},
        {"9(18)", "1000000000000000000", "Invalid value"},
        {"S9(3)V99", "1.234", "Too many decimal places"},
        {"9(4)", "1.5", "Too many decimal places"},
        {"9(4)", "-1", "Negative value for unsigned PIC"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.picture);
        const Result<std::string> bytes = TypeParam::encode(row.text, row.picture);
        ASSERT_FALSE(bytes.ok());
        EXPECT_EQ(bytes.error(), row.message);
    }
}

TYPED_TEST(FieldCodecContract, RefusesTextThatIsNotANumber)
{
    struct Row {
        const char *text;
        const char *message;
    };
    const Row rows[] = {
        {"12a", "Invalid value"}, {"abc", "Invalid value"}, {"*5", "Invalid value"},
        {"1-2", "Invalid value"}, {"--1", "Invalid value"}, {"+-1", "Invalid value"},
        {"1.2.3", "Invalid Value"}, {"1..2", "Invalid Value"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const Result<std::string> bytes = TypeParam::encode(row.text, "S9(5)V9");
        ASSERT_FALSE(bytes.ok());
        EXPECT_EQ(bytes.error(), row.message);
    }
}

TYPED_TEST(FieldCodecContract, RefusesPicturesItCannotConvertBothWays)
{
    struct Row {
        const char *picture;
        const char *message;
    };
    const Row rows[] = {
        {"", "Invalid Pic"},
        {"X(4)", "Invalid Pic"},
        {"S9(3)V9V9", "Invalid Pic"},
        {"-9(3)", "Invalid Pic"},
        {"9(x)", "'x' is not a valid integer value"},
        // Too long for a count: refused before it is read into a number.
        {"9(33333333333333333333)", "'33333333333333333333' is not a valid integer value"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.picture);
        const Result<std::string> bytes = TypeParam::encode("1", row.picture);
        ASSERT_FALSE(bytes.ok());
        EXPECT_EQ(bytes.error(), row.message);
        const Result<std::string> text = TypeParam::decode(std::string(2, '\x0F'), row.picture);
        ASSERT_FALSE(text.ok());
        EXPECT_EQ(text.error(), row.message);
    }
}

// Records written by GnuCOBOL (CODECFIX.cbl, cobc -std=ibm), once with
// big-endian and once with little-endian binary fields, beside the listing of
// the values the program moved into them.
struct FixtureField {
    const char *name;
    bool packed;
    const char *picture;
    std::size_t size;
};

const FixtureField FixtureFields[] = {
    {"B2S", false, "S9(4)", 2},      {"B2U", false, "9(4)", 2},       {"B4S", false, "S9(9)", 4},
    {"B4U", false, "9(9)", 4},       {"B8S", false, "S9(18)", 8},     {"B8U", false, "9(18)", 8},
    {"B2V", false, "S99V99", 2},     {"B4V", false, "S9(7)V99", 4},   {"B8V", false, "9(14)V9(4)", 8},
    {"P3S", true, "S9(5)", 3},       {"P3U", true, "9(5)", 3},        {"P4E", true, "S9(4)", 3},
    {"P9V", true, "S9(7)V99", 5},    {"PUV", true, "9(3)V99", 3},     {"P18", true, "S9(18)", 10},
};

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::vector<std::string>> readListing(const std::string &path)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        rows.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
    }
    return rows;
}

TEST(FieldCodecFixture, GnuCobolRecordsReadBackAndWriteTheSameBytes)
{
    const std::string folder = std::string(NORVANE_TEST_DATA) + "/layout/codecs/";
    const auto listing = readListing(folder + "codecs.txt");
    std::size_t recordLength = 0;
    for (const FixtureField &field : FixtureFields)
        recordLength += field.size;
    ASSERT_EQ(listing.size(), 7u);

    for (const auto &[file, order] : {std::pair{"codecs-big.dat", ByteOrder::BigEndian},
                                      std::pair{"codecs-little.dat", ByteOrder::LittleEndian}}) {
        const std::string data = readFile(folder + file);
        ASSERT_EQ(data.size(), listing.size() * recordLength) << file;
        for (std::size_t record = 0; record < listing.size(); ++record) {
            ASSERT_EQ(listing[record].size(), std::size(FixtureFields));
            std::size_t offset = record * recordLength;
            for (std::size_t f = 0; f < std::size(FixtureFields); ++f) {
                const FixtureField &field = FixtureFields[f];
                const std::string bytes = data.substr(offset, field.size);
                offset += field.size;
                const std::string &value = listing[record][f];
                SCOPED_TRACE(std::string(file) + " record " + std::to_string(record + 1) + " " + field.name + " " +
                             value);

                const Result<std::string> text = field.packed ? PackedToText(bytes, field.picture)
                                                              : CompToText(bytes, field.picture, order);
                ASSERT_TRUE(text.ok()) << text.error();
                EXPECT_EQ(scaledOf(text.value()), scaledOf(value)) << text.value();
                // A reader parses each column's picture once; that gives the same text.
                const Result<std::string> again = field.packed
                                                      ? PackedToText(bytes, ParsePackedPic(field.picture).value())
                                                      : CompToText(bytes, ParseCompPic(field.picture).value(), order);
                ASSERT_TRUE(again.ok()) << again.error();
                EXPECT_EQ(again.value(), text.value());

                const Result<std::string> written = field.packed ? TextToPacked(value, field.picture)
                                                                 : TextToComp(value, field.picture, field.size, order);
                ASSERT_TRUE(written.ok()) << written.error();
                EXPECT_EQ(written.value(), bytes);
            }
        }
    }
}

} // namespace
