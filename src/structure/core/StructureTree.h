#pragma once

#include <string>
#include <vector>

namespace norvane {

// One node of the program structure tree.
struct StructureNode {
    std::string text;     // the caption exactly as the tree shows it
    int line = 0;         // 0-based index of the source line it stands for
    int parent = -1;      // index of the parent in StructureTree::nodes; -1 for a root
    bool expanded = false; // shown expanded (one level) once the tree is built
};

// The result of a structure scan. A view builds its tree by adding the nodes in
// this order, each as the last root or as the last child of its parent, and then
// expanding the marked ones. Nodes come in ascending line order and every parent
// comes before its children.
struct StructureTree {
    std::vector<StructureNode> nodes;
    int DataDivisionLine = 0;      // 0 when there is no DATA DIVISION header
    int ProcedureDivisionLine = 0; // 0 when there is no PROCEDURE DIVISION header
};

// A node's place when the tree is walked top to bottom.
struct TreeRow {
    int node = 0;  // index into StructureTree::nodes
    int depth = 0; // 0 for a root, at most 3
};

// The nodes in tree order: each parent before its children, children in the order
// they were added, a whole subtree before the next sibling.
[[nodiscard]] std::vector<TreeRow> treeOrder(const StructureTree &tree);

} // namespace norvane
