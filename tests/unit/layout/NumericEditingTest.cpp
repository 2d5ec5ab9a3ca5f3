// Numeric-edited pictures against GnuCOBOL: tests/data/layout/editing/editmove.txt
// lists what a MOVE of each value into each picture wrote (cobc -std=ibm), and
// whether the value survived (see EDITMOVE.cbl and make-program.py there).

#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/DisplayField.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace norvane;

namespace {

const std::string kData = NORVANE_TEST_DATA "/layout/editing/";

struct Move {
    std::string picture;
    std::string value;
    bool fits = false; // the edited item gave the value back
    std::string written;
};

std::vector<Move> moves()
{
    std::vector<Move> list;
    const Result<std::string> text = readFileBytes(kData + "editmove.txt");
    EXPECT_TRUE(text);
    for (const std::string &line : splitSourceLines(text ? text.value() : std::string())) {
        const std::size_t bar1 = line.find('|');
        const std::size_t bar2 = line.find('|', bar1 + 1);
        const std::size_t open = line.find("|[", bar2 + 1);
        const std::size_t close = line.rfind(']');
        if (bar1 == std::string::npos || bar2 == std::string::npos || open == std::string::npos || close < open)
            continue;
        list.push_back({line.substr(0, bar1), line.substr(bar1 + 1, bar2 - bar1 - 1), line[bar2 + 1] == 'Y',
                        line.substr(open + 2, close - open - 2)});
    }
    return list;
}

// With a fixed sign or currency symbol in front of a floating string, GnuCOBOL
// turns the string's first symbol into one more digit place (and then writes
// no "$"), and a fixed "+" before a floating "$" stays "+" for a negative
// value. The editor keeps the first symbol for the sign or currency, as the
// standard says, refuses a value that needs the extra place and writes "-".
bool gnuCobolQuirk(const Move &move)
{
    static const std::set<std::string> pictures = {"+$$$9.99", "$+++9.99", "$---9.99"};
    if (pictures.count(move.picture) == 0)
        return false;
    const DecimalNumber value = ParseLooseNumber(move.value).normalized();
    return !move.fits || value.integer.size() >= 4;
}

TEST(NumericEditing, TypedValuesAreWrittenAsGnuCobolsMoveWritesThem)
{
    const std::vector<Move> list = moves();
    ASSERT_GT(list.size(), 2000u);
    for (const Move &move : list) {
        const DisplayPicture picture = AnalyzeDisplayPicture(move.picture);
        ASSERT_TRUE(picture.edited()) << move.picture;
        const std::optional<std::string> ours = WriteDisplayNumber(ParseLooseNumber(move.value), picture);
        if (gnuCobolQuirk(move))
            continue;
        if (ours) {
            EXPECT_EQ(*ours, move.written) << move.value << " into " << move.picture;
        }
        if (move.fits) {
            EXPECT_TRUE(ours.has_value()) << move.value << " into " << move.picture << " fits";
        }
        // Typed text goes through the same editing in the file's direction,
        // unless it is already the field's own characters: "100" typed into
        // ZZ9PP is the 10000 those characters show, as the grid shows it.
        const bool ownCharacters = move.value.size() == static_cast<std::size_t>(picture.numeric->width()) &&
                                   ReadDisplayNumber(move.value, picture).has_value();
        if (ours && !ownCharacters) {
            EXPECT_EQ(FormatField(move.value, move.picture, picture.numeric->width(), FieldMode::File), move.written)
                << move.value << " into " << move.picture;
        }
    }
}

TEST(NumericEditing, WhatGnuCobolWroteIsShownAsItStandsAndReadsAsItsValue)
{
    for (const Move &move : moves()) {
        if (!move.fits || gnuCobolQuirk(move))
            continue;
        const DisplayPicture picture = AnalyzeDisplayPicture(move.picture);
        const std::string shown =
            FormatField(move.written, picture, static_cast<int>(move.written.size()), FieldMode::Grid);
        // As COBOL DISPLAYs it, V and P pictures too ("  050" in ZZ9V99 is .5).
        EXPECT_EQ(shown, move.written) << move.picture;
        const std::optional<DecimalNumber> read = ReadDisplayNumber(move.written, picture);
        ASSERT_TRUE(read.has_value()) << move.written << " in " << move.picture;
        // A zero written with no digit shown has no sign left to read.
        DecimalNumber expected = ParseLooseNumber(move.value).normalized();
        EXPECT_EQ(read->normalized(), expected) << move.written << " in " << move.picture;
    }
}

TEST(NumericEditing, TheIssuesExamples)
{
    const struct {
        const char *picture;
        const char *typed;
        const char *written;
    } cases[] = {
        {"99/99/99", "123456", "12/34/56"},
        {"99/99/99", "12/31/99", "12/31/99"},
        {"999B999", "123456", "123 456"},
        {"9(3)000", "123", "123000"},
        {"***,**9.99", "0", "******0.00"},
        {"9(3)CR", "-123", "123CR"},
        {"9(3)CR", "123CR", "123CR"},
        {"***,**9.99", "**1,234.50", "**1,234.50"},
        {"$$$,$$9.99", "$99,999.99", "$99,999.99"},
        {"$$$,$$9.99", "12345.67", "$12,345.67"},
        {"+++,++9.99", "-12345.6", "-12,345.60"},
        {"---9", "-123", "-123"},
    };
    for (const auto &c : cases) {
        const DisplayPicture picture = AnalyzeDisplayPicture(c.picture);
        EXPECT_EQ(FormatField(c.typed, picture, picture.numeric->width(), FieldMode::File), c.written)
            << c.typed << " into " << c.picture;
    }
}

TEST(NumericEditing, ValuesThatDoNotFitAreNotWritten)
{
    const struct {
        const char *picture;
        const char *typed;
    } cases[] = {
        {"$$$,$$9.99", "123456"},  // six integer digits, five places
        {"$$$,$$9.99", "1.234"},   // three decimals, two places
        {"$$$,$$9.99", "-1"},      // no place for a sign
        {"S$$$$$,$", "1-"},        // an S gives an edited picture no place for one either
        {"ZZ9PP", "12345"},        // the P places can only hold zeros
        {"---9", "-1234"},
    };
    for (const auto &c : cases) {
        const DisplayPicture picture = AnalyzeDisplayPicture(c.picture);
        EXPECT_FALSE(WriteDisplayNumber(ParseLooseNumber(c.typed), picture).has_value()) << c.typed << " into " << c.picture;
    }
}

TEST(NumericEditing, AnEmptyValueInATinyPictureIsSafe)
{
    // Once read a character before the text (seen with UBSan).
    EXPECT_EQ(FormatField("", "Z-", 1, FieldMode::Grid), "  ");
    EXPECT_EQ(FormatField("", "Z-", 1, FieldMode::File), "  ");
    EXPECT_EQ(FormatField("", "-", 1, FieldMode::Grid), "");
}

} // namespace
