#include "StructureTestSupport.h"

#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "structure/core/StructureScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace norvane;
using namespace norvane::test;

namespace {

Lines sampleLines()
{
    const Result<std::string> bytes = readFileBytes(NORVANE_TEST_DATA "/structure/CBACT04C.cbl");
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error());
    return bytes.ok() ? splitSourceLines(bytes.value()) : Lines{};
}

// A real batch program: divisions and data sections as roots, every paragraph
// of its section-less PROCEDURE DIVISION directly under the division.
TEST(StructureSample, RealProgramGivesAPlausibleTree)
{
    const Lines lines = sampleLines();
    ASSERT_EQ(lines.size(), 652u);
    const StructureTree tree = scanStructure(lines, kBothOptions);

    std::vector<std::string> roots;
    for (const StructureNode &node : tree.nodes) {
        if (node.parent < 0)
            roots.push_back(node.text);
    }
    EXPECT_EQ(roots, (std::vector<std::string>{
                         areaA("IDENTIFICATION DIVISION."),
                         areaA("ENVIRONMENT DIVISION."),
                         areaA("INPUT-OUTPUT SECTION."),
                         areaA("DATA DIVISION."),
                         areaA("FILE SECTION."),
                         areaA("WORKING-STORAGE SECTION."),
                         areaA("LINKAGE SECTION."),
                         areaA("PROCEDURE DIVISION USING EXTERNAL-PARMS."),
                     }));
    EXPECT_EQ(tree.DataDivisionLine, 58);
    EXPECT_EQ(tree.ProcedureDivisionLine, 179);

    // Nodes come in line order, parents first, and every line holds what its node says.
    int procedure = -1;
    int paragraphs = 0;
    for (std::size_t k = 0; k < tree.nodes.size(); ++k) {
        const StructureNode &node = tree.nodes[k];
        if (k > 0) {
            EXPECT_GE(node.line, tree.nodes[k - 1].line);
        }
        EXPECT_LT(node.parent, static_cast<int>(k));
        const std::string &source = lines[static_cast<std::size_t>(node.line)];
        if (node.text.starts_with(">")) {
            EXPECT_NE(source.find("PERFORM " + node.text.substr(8)), std::string::npos) << source;
        } else {
            EXPECT_TRUE(source.starts_with(node.text)) << source;
        }
        if (node.line == 179)
            procedure = static_cast<int>(k);
        if (procedure >= 0 && node.parent == procedure && !node.text.starts_with(">"))
            ++paragraphs;
    }
    EXPECT_EQ(paragraphs, 22);

    const std::vector<Row> rows = rowsOf(tree);
    const auto has = [&](const Row &row) { return std::find(rows.begin(), rows.end(), row) != rows.end(); };
    EXPECT_TRUE(has({181, 1, performed("0000-TCATBALF-OPEN")}));
    EXPECT_TRUE(has({414, 1, areaA("1200-GET-INTEREST-RATE.")}));
    EXPECT_TRUE(has({437, 2, performed("1200-A-GET-DEFAULT-INT-RATE")}));
    EXPECT_TRUE(has({634, 1, areaA("9910-DISPLAY-IO-STATUS.")}));
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const Row &row) { return row.depth > 2; }), 0);
}

} // namespace
