#include "structure/core/TreeListing.h"

#include <cstddef>

namespace norvane {

std::string treeListing(const StructureTree &tree)
{
    std::string out;
    for (const TreeRow &row : treeOrder(tree)) {
        const StructureNode &node = tree.nodes[static_cast<std::size_t>(row.node)];
        out += std::to_string(node.line + 1);
        out += '\t';
        out += std::to_string(row.depth);
        out += '\t';
        out += node.text;
        out += '\n';
    }
    return out;
}

} // namespace norvane
