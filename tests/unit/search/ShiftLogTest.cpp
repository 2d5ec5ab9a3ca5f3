#include "search/core/ShiftLog.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

using namespace norvane;

namespace {

using Edits = std::vector<std::pair<int, int>>;   // threshold, delta

// Shifting after every edit in turn, as a single edit's update does.
int shiftedInTurn(const Edits &edits, int value)
{
    for (const auto &[threshold, delta] : edits) {
        if (value >= threshold)
            value += delta;
    }
    return value;
}

ShiftLog logOf(const Edits &edits)
{
    ShiftLog log;
    for (const auto &[threshold, delta] : edits)
        log.add(threshold, delta);
    return log;
}

// The thresholds of replacing n matches of a text of length found by one of
// length made, with the update's rule: the caret after the replacement less
// the size of the change.
Edits replaceAllEdits(std::mt19937 &random, int found, int made, int count)
{
    Edits edits;
    const int delta = made - found;
    int position = 0;
    for (int i = 0; i < count; ++i) {
        position += static_cast<int>(random() % 5);   // the next match lies after the last replacement
        const int caret = position + made;
        edits.emplace_back(caret - std::abs(delta), delta);
        position = caret;
    }
    return edits;
}

} // namespace

TEST(ShiftLog, EmptyLogMovesNothing)
{
    const ShiftLog log;
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(log.apply(17), 17);
    EXPECT_EQ(log.total(), 0);
}

TEST(ShiftLog, OneEditMovesValuesAtOrAfterItsThreshold)
{
    const ShiftLog log = logOf({{10, 3}});
    const std::pair<int, int> rows[] = {{0, 0}, {9, 9}, {10, 13}, {11, 14}, {-5, -5}};
    for (const auto &[value, expected] : rows)
        EXPECT_EQ(log.apply(value), expected) << value;
}

TEST(ShiftLog, ForwardEditsGiveWhatShiftingInTurnGives)
{
    std::mt19937 random(7);
    const std::pair<int, int> lengths[] = {{3, 5}, {5, 3}, {4, 1}, {1, 4}, {3, 0}, {2, 2}};
    for (const auto &[found, made] : lengths) {
        const Edits edits = replaceAllEdits(random, found, made, 200);
        const ShiftLog log = logOf(edits);
        for (int value = -5; value < 2000; ++value)
            ASSERT_EQ(log.apply(value), shiftedInTurn(edits, value)) << found << "->" << made << " at " << value;
        EXPECT_EQ(log.total(), 200 * (made - found));
    }
}

TEST(ShiftLog, EditsInAnyOrderStillGiveWhatShiftingInTurnGives)
{
    std::mt19937 random(11);
    Edits edits;
    for (int i = 0; i < 100; ++i)
        edits.emplace_back(static_cast<int>(random() % 500), static_cast<int>(random() % 7) - 3);
    const ShiftLog log = logOf(edits);
    for (int value = -10; value < 600; ++value)
        ASSERT_EQ(log.apply(value), shiftedInTurn(edits, value)) << value;
}
