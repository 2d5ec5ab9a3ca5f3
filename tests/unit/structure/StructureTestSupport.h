#pragma once

#include "structure/core/StructureScan.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace norvane::test {

using Lines = std::vector<std::string>;

// A source line with its text starting in area A (column 8) or area B (column 12).
inline std::string areaA(std::string_view text) { return "       " + std::string(text); }
inline std::string areaB(std::string_view text) { return "           " + std::string(text); }
// The caption of a performed item.
inline std::string performed(std::string_view name) { return ">       " + std::string(name); }

// A node as the tree shows it: 0-based line, depth, caption.
struct Row {
    int line = 0;
    int depth = 0;
    std::string text;
    bool operator==(const Row &) const = default;
};

inline std::ostream &operator<<(std::ostream &out, const Row &row)
{
    return out << "{" << row.line << ", " << row.depth << ", \"" << row.text << "\"}";
}

inline std::vector<Row> rowsOf(const StructureTree &tree)
{
    std::vector<Row> rows;
    for (const TreeRow &row : treeOrder(tree)) {
        const StructureNode &node = tree.nodes[static_cast<std::size_t>(row.node)];
        rows.push_back({node.line, row.depth, node.text});
    }
    return rows;
}

inline constexpr StructureOptions kBothOptions{true, true};
inline constexpr StructureOptions kNoOptions{false, false};

} // namespace norvane::test
