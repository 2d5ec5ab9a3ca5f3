// The structure scan with every combination of its two options, the tree
// order and listing built on it, and the word tools Track uses. The scan of
// the bytes in place gives the tree of the lines they split into, and the same
// program with every ASCII letter lowered gives the same nodes.

#include "FuzzSupport.h"

#include "document/core/SourceText.h"
#include "structure/core/ReservedWords.h"
#include "structure/core/StructureScan.h"
#include "structure/core/TreeListing.h"
#include "structure/core/WordTools.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace norvane;

namespace {

void checkTree(const StructureTree &tree, std::size_t lineCount)
{
    const auto &nodes = tree.nodes;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const StructureNode &node = nodes[k];
        FUZZ_CHECK(node.line >= 0 && static_cast<std::size_t>(node.line) < lineCount);
        FUZZ_CHECK(k == 0 || nodes[k - 1].line <= node.line); // ascending line order
        FUZZ_CHECK(node.parent >= -1 && node.parent < static_cast<int>(k)); // parents come first
        FUZZ_CHECK(node.text.find_first_of("\r\n") == std::string::npos);
    }
    FUZZ_CHECK(tree.DataDivisionLine >= 0 && static_cast<std::size_t>(tree.DataDivisionLine) < std::max<std::size_t>(lineCount, 1));
    FUZZ_CHECK(tree.ProcedureDivisionLine >= 0 &&
               static_cast<std::size_t>(tree.ProcedureDivisionLine) < std::max<std::size_t>(lineCount, 1));

    // Tree order visits every node once, a parent before its children, at
    // the depth of its parent plus one, never deeper than 3.
    const std::vector<TreeRow> rows = treeOrder(tree);
    FUZZ_CHECK(rows.size() == nodes.size());
    std::vector<int> depthOf(nodes.size(), -1);
    for (const TreeRow &row : rows) {
        FUZZ_CHECK(row.node >= 0 && static_cast<std::size_t>(row.node) < nodes.size());
        const auto index = static_cast<std::size_t>(row.node);
        FUZZ_CHECK(depthOf[index] < 0);
        FUZZ_CHECK(row.depth >= 0 && row.depth <= 3);
        const int parent = nodes[index].parent;
        if (parent < 0) {
            FUZZ_CHECK(row.depth == 0);
        } else {
            FUZZ_CHECK(depthOf[static_cast<std::size_t>(parent)] == row.depth - 1);
        }
        depthOf[index] = row.depth;
    }

    // The listing: one line per node, in tree order.
    const std::string listing = treeListing(tree);
    std::size_t at = 0;
    for (const TreeRow &row : rows) {
        const StructureNode &node = nodes[static_cast<std::size_t>(row.node)];
        const std::string expected =
            std::to_string(node.line + 1) + '\t' + std::to_string(row.depth) + '\t' + node.text + '\n';
        FUZZ_CHECK(listing.compare(at, expected.size(), expected) == 0);
        at += expected.size();
    }
    FUZZ_CHECK(at == listing.size());
}

void checkWords(std::string_view text)
{
    const std::vector<std::string> words = SplitWords(text);
    std::size_t letters = 0;
    for (const std::string &word : words) {
        FUZZ_CHECK(!word.empty());
        FUZZ_CHECK(std::none_of(word.begin(), word.end(), isWordDelimiter));
        letters += word.size();
        (void)isReservedWord(word);
    }
    FUZZ_CHECK(letters == static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
                                                                 [](char c) { return !isWordDelimiter(c); })));
    // The word at a position is one of the words, or nothing on a delimiter.
    for (std::size_t position = 0; position <= text.size() + 2; position += 1 + text.size() / 16) {
        const std::string word = WordAt(text, position);
        FUZZ_CHECK(word.empty() || std::find(words.begin(), words.end(), word) != words.end());
        if (position >= 1 && position <= text.size() && !isWordDelimiter(text[position - 1])) {
            FUZZ_CHECK(!word.empty());
        } else if (position == 0 || position > text.size() + 1 ||
                   (position <= text.size() && isWordDelimiter(text[position - 1]))) {
            FUZZ_CHECK(word.empty());
        }
    }
}

// Node for node the same tree; with `lowered`, the captions in lower case.
void checkSameNodes(const StructureTree &tree, const StructureTree &expected, bool lowered)
{
    FUZZ_CHECK(tree.nodes.size() == expected.nodes.size());
    FUZZ_CHECK(tree.DataDivisionLine == expected.DataDivisionLine);
    FUZZ_CHECK(tree.ProcedureDivisionLine == expected.ProcedureDivisionLine);
    for (std::size_t k = 0; k < tree.nodes.size(); ++k) {
        const StructureNode &node = tree.nodes[k];
        const StructureNode &other = expected.nodes[k];
        FUZZ_CHECK(node.line == other.line && node.parent == other.parent && node.expanded == other.expanded);
        std::string text = other.text;
        if (lowered) {
            for (char &c : text)
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        FUZZ_CHECK_MSG(node.text == text, fuzz::printable(node.text) + " instead of " + fuzz::printable(text));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> lines = splitSourceLines(bytes);
    std::string lowered(bytes);
    for (char &c : lowered)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    for (const bool pic01 : {false, true}) {
        for (const bool perform : {false, true}) {
            StructureOptions options;
            options.Pic01ShowOption = pic01;
            options.ShowPerformOption = perform;
            const StructureTree tree = scanStructure(lines, options);
            checkTree(tree, lines.size());
            checkSameNodes(scanStructure(bytes, options), tree, false);
            checkSameNodes(scanStructure(lowered, options), tree, true);
        }
    }
    checkWords(bytes);
    return 0;
}
