#include "structure/core/StructureTree.h"
#include "structure/core/TreeListing.h"

#include <gtest/gtest.h>

#include <vector>

using namespace norvane;

namespace {

// A node added late to an earlier parent still lists inside that parent's subtree.
StructureTree latecomerTree()
{
    StructureTree tree;
    tree.nodes = {
        {"       A DIVISION.", 0, -1, true},   // 0
        {"       S1 SECTION.", 1, 0, false},   // 1
        {"       P1.", 2, 1, false},           // 2
        {"       S2 SECTION.", 3, 0, false},   // 3
        {">       X", 4, 2, false},            // 4: under P1, after S2 was made
        {"       B DIVISION.", 5, -1, false},  // 5
    };
    return tree;
}

TEST(TreeOrder, ParentsComeBeforeTheirWholeSubtree)
{
    std::vector<std::pair<int, int>> order;
    for (const TreeRow &row : treeOrder(latecomerTree()))
        order.emplace_back(row.node, row.depth);
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 2}, {4, 3}, {3, 1}, {5, 0}}));
    EXPECT_TRUE(treeOrder(StructureTree{}).empty());
}

TEST(TreeOrder, ListingHasLineDepthAndCaptionPerNode)
{
    EXPECT_EQ(treeListing(latecomerTree()), "1\t0\t       A DIVISION.\n"
                                            "2\t1\t       S1 SECTION.\n"
                                            "3\t2\t       P1.\n"
                                            "5\t3\t>       X\n"
                                            "4\t1\t       S2 SECTION.\n"
                                            "6\t0\t       B DIVISION.\n");
    EXPECT_EQ(treeListing(StructureTree{}), "");
}

} // namespace
