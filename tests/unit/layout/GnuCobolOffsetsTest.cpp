// Offsets and lengths against GnuCOBOL's: for each copybook, a program built with
// cobc -std=ibm displayed every named item's offset in its record and its length
// (tests/data/layout/offsets/*.expected).

#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/LayoutTable.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace norvane;

namespace {

const std::string kData = std::string(NORVANE_TEST_DATA) + "/layout/";

struct Placed {
    std::string reference; // NAME or NAME(1,2)
    std::int64_t offset;
    std::int64_t length;

    friend bool operator==(const Placed &, const Placed &) = default;
    friend auto operator<=>(const Placed &, const Placed &) = default;
};

std::ostream &operator<<(std::ostream &out, const Placed &p)
{
    return out << p.reference << " at " << p.offset << " length " << p.length;
}

std::vector<Placed> expectedOf(const std::string &name)
{
    Result<std::string> bytes = readFileBytes(kData + "offsets/" + name + ".expected");
    EXPECT_TRUE(bytes) << name;
    std::vector<Placed> placed;
    for (const std::string &line : splitSourceLines(bytes ? bytes.value() : std::string())) {
        std::istringstream in(line);
        Placed p;
        in >> p.reference >> p.offset >> p.length;
        placed.push_back(p);
    }
    return placed;
}

// Each named row with the subscripts that reach it: the occurrence numbers of
// the groups around it, outermost first, then its own.
std::vector<Placed> computedOf(const std::string &copybook, LayoutMode mode)
{
    Result<std::string> bytes = readFileBytes(kData + copybook);
    EXPECT_TRUE(bytes) << copybook;
    Result<LayoutTable> table = CalcRecordLayout(splitSourceLines(bytes ? bytes.value() : std::string()), mode);
    EXPECT_TRUE(table) << copybook << ": " << (table ? "" : table.error());
    std::vector<Placed> placed;
    if (!table)
        return placed;
    EXPECT_EQ(table.value().message, "") << copybook;
    struct Enclosing {
        int level;
        std::int64_t occurrence;
    };
    std::vector<Enclosing> groups;
    for (const LayoutRow &row : table.value().rows) {
        while (!groups.empty() && groups.back().level >= row.levelNumber)
            groups.pop_back();
        std::vector<std::int64_t> subscripts;
        for (const Enclosing &group : groups) {
            if (group.occurrence > 0)
                subscripts.push_back(group.occurrence);
        }
        if (row.occurrence > 0)
            subscripts.push_back(row.occurrence);
        if (!row.elementary)
            groups.push_back({row.levelNumber, row.occurrence});
        if (row.field == "FILLER")
            continue;
        std::string reference = row.field;
        for (std::size_t i = 0; i < subscripts.size(); ++i)
            reference += (i == 0 ? "(" : ",") + std::to_string(subscripts[i]);
        if (!subscripts.empty())
            reference += ")";
        placed.push_back({reference, row.offset, row.size});
    }
    return placed;
}

TEST(GnuCobolOffsets, EveryItemWhereGnuCobolPutsIt)
{
    const struct {
        const char *copybook;
        const char *program;
        std::int64_t recordLength;
    } cases[] = {
        {"offsets/LAYOUT.cpy", "LAYOUT", 224},
        {"offsets/LOWER.cpy", "LOWER", 53},
        {"CVACT01Y.cpy", "CVACT01Y", 300},
        {"CVTRA05Y.cpy", "CVTRA05Y", 350},
    };
    for (const auto &c : cases) {
        const std::vector<Placed> expected = expectedOf(c.program);
        ASSERT_FALSE(expected.empty()) << c.program;
        EXPECT_EQ(computedOf(c.copybook, LayoutMode::Layout), expected) << c.copybook;
    }
}

TEST(GnuCobolOffsets, RecordLengths)
{
    const struct {
        const char *copybook;
        std::int64_t length;
        const char *caption;
    } cases[] = {
        {"offsets/LAYOUT.cpy", 224, "offset: LAYOUT-REC length 224"},
        {"offsets/LOWER.cpy", 53, "offset: lower-rec length 53"},
        {"CVACT01Y.cpy", 300, "offset: ACCOUNT-RECORD length 300"},
        {"CVTRA05Y.cpy", 350, "offset: TRAN-RECORD length 350"},
    };
    for (const auto &c : cases) {
        Result<std::string> bytes = readFileBytes(kData + c.copybook);
        ASSERT_TRUE(bytes) << c.copybook;
        Result<LayoutTable> table = CalcRecordLayout(splitSourceLines(bytes.value()), LayoutMode::Layout);
        ASSERT_TRUE(table) << c.copybook;
        EXPECT_EQ(table.value().RecData.RecordLength, c.length) << c.copybook;
        EXPECT_EQ(LayoutCaption(table.value()), c.caption);
    }
}

TEST(GnuCobolOffsets, DataModeKeepsTheFirstDefinitionsWhereGnuCobolPutsThem)
{
    for (const char *name : {"LAYOUT", "LOWER"}) {
        const std::vector<Placed> expected = expectedOf(name);
        const std::set<Placed> known(expected.begin(), expected.end());
        const std::vector<Placed> computed = computedOf(std::string("offsets/") + name + ".cpy", LayoutMode::Data);
        ASSERT_FALSE(computed.empty());
        for (const Placed &p : computed) {
            EXPECT_TRUE(known.count(p)) << name << ": " << p;
            EXPECT_EQ(p.reference.find("REDEF"), std::string::npos) << p;
            EXPECT_NE(p.reference.rfind("CHAIN-B", 0), 0u) << p;
            EXPECT_NE(p.reference.rfind("TI-VALUE-X", 0), 0u) << p;
            EXPECT_NE(p.reference.rfind("other-rec", 0), 0u) << p;
        }
    }
}

} // namespace
