#include "structure/core/StructureTree.h"

#include <cstddef>

namespace norvane {

std::vector<TreeRow> treeOrder(const StructureTree &tree)
{
    const std::vector<StructureNode> &nodes = tree.nodes;
    const int count = static_cast<int>(nodes.size());
    std::vector<TreeRow> rows;
    rows.reserve(nodes.size());

    // Sibling chains in the order of addition; a parent always precedes its
    // children, so one pass over the nodes links them all.
    std::vector<int> firstChild(nodes.size(), -1);
    std::vector<int> lastChild(nodes.size(), -1);
    std::vector<int> nextSibling(nodes.size(), -1);
    int firstRoot = -1;
    int lastRoot = -1;
    for (int k = 0; k < count; ++k) {
        const int parent = nodes[static_cast<std::size_t>(k)].parent;
        int &first = parent < 0 ? firstRoot : firstChild[static_cast<std::size_t>(parent)];
        int &last = parent < 0 ? lastRoot : lastChild[static_cast<std::size_t>(parent)];
        if (last < 0)
            first = k;
        else
            nextSibling[static_cast<std::size_t>(last)] = k;
        last = k;
    }

    int current = firstRoot;
    int depth = 0;
    while (current >= 0) {
        rows.push_back({current, depth});
        const auto index = static_cast<std::size_t>(current);
        if (firstChild[index] >= 0) {
            current = firstChild[index];
            ++depth;
            continue;
        }
        while (current >= 0 && nextSibling[static_cast<std::size_t>(current)] < 0) {
            current = nodes[static_cast<std::size_t>(current)].parent;
            --depth;
        }
        if (current >= 0)
            current = nextSibling[static_cast<std::size_t>(current)];
    }
    return rows;
}

} // namespace norvane
