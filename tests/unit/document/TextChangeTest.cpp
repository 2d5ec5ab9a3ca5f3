#include "document/core/ChangeHistory.h"
#include "document/core/StoredPlaces.h"
#include "document/core/TextChange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace norvane;

namespace {

// A text as an editor holds it (line feeds between lines), and the changes
// made to it described as the editor reports them: positions count a line
// break twice.
class Text {
public:
    explicit Text(std::string text) : m_text(std::move(text)) {}

    [[nodiscard]] const std::string &text() const { return m_text; }
    [[nodiscard]] int lineCount() const { return static_cast<int>(std::count(m_text.begin(), m_text.end(), '\n')) + 1; }
    [[nodiscard]] int length() const { return position(static_cast<int>(m_text.size())); }

    // The editor position of an offset into the text.
    [[nodiscard]] int position(int offset) const
    {
        return offset + static_cast<int>(std::count(m_text.begin(), m_text.begin() + offset, '\n'));
    }
    [[nodiscard]] int lineOfOffset(int offset) const
    {
        return static_cast<int>(std::count(m_text.begin(), m_text.begin() + offset, '\n'));
    }
    // The line holding an editor position.
    [[nodiscard]] int lineOfPosition(int position) const
    {
        int line = 0;
        int at = 0;
        for (char c : m_text) {
            at += c == '\n' ? 2 : 1;
            if (at > position)
                break;
            if (c == '\n')
                ++line;
        }
        return line;
    }
    [[nodiscard]] int lineStart(int line) const
    {
        int offset = 0;
        for (int l = 0; l < line; ++l)
            offset = static_cast<int>(m_text.find('\n', static_cast<std::size_t>(offset))) + 1;
        return position(offset);
    }

    // Replaces `removed` characters at the offset; the change as reported.
    TextChange replace(int offset, int removed, const std::string &inserted)
    {
        const std::string gone = m_text.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(removed));
        const auto breaks = [](const std::string &s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); };
        TextChange change;
        change.line = lineOfOffset(offset);
        change.position = offset + change.line;
        change.atLineStart = offset == 0 || m_text[static_cast<std::size_t>(offset) - 1] == '\n';
        change.removedLines = breaks(gone);
        change.addedLines = breaks(inserted);
        change.removed = removed + change.removedLines;
        change.added = static_cast<int>(inserted.size()) + change.addedLines;
        m_text.replace(static_cast<std::size_t>(offset), static_cast<std::size_t>(removed), inserted);
        return change;
    }

private:
    std::string m_text;
};

// The stored places of a document: some lines and some positions.
struct Places {
    std::vector<int> lines;
    std::vector<int> positions;

    [[nodiscard]] std::vector<PlaceList> lists()
    {
        return {{PlaceKind::Line, lines, 0}, {PlaceKind::Position, positions, 0}};
    }
    bool operator==(const Places &) const = default;
};

Places everyPlaceOf(const Text &text)
{
    Places places;
    for (int line = 0; line < text.lineCount(); ++line)
        places.lines.push_back(line);
    for (int position = 0; position <= text.length(); ++position)
        places.positions.push_back(position);
    return places;
}

std::string randomText(std::mt19937 &random, int length)
{
    static const char characters[] = "ab \n";
    std::string text;
    for (int i = 0; i < length; ++i)
        text += characters[random() % 4];
    return text;
}

TEST(TextChange, PlacesMoveAsTextCursorsDo)
{
    // Line 0 "ABC", line 1 "DEF", line 2 "GHI"; positions 0-2, 5-7, 10-12.
    struct Row {
        const char *what;
        int offset;
        int removed;
        std::string inserted;
        std::vector<int> lines;       // where lines 0, 1, 2 go
        std::vector<int> positions;   // where positions 0, 5, 6, 10 go
    };
    const Row rows[] = {
        {"a line break at the end of line 0 moves the lines after it", 3, 0, "\n", {0, 2, 3}, {0, 7, 8, 12}},
        {"a line break at the start of line 1 moves line 1", 4, 0, "\n", {0, 2, 3}, {0, 7, 8, 12}},
        {"a line break inside line 1 leaves it where it is", 5, 0, "\n", {0, 1, 3}, {0, 5, 8, 12}},
        {"joining line 1 to line 0 takes line 1 to line 0", 3, 1, "", {0, 0, 1}, {0, 3, 4, 8}},
        {"deleting line 1 whole takes it to where line 2 now starts", 4, 4, "", {0, 1, 1}, {0, 5, 5, 5}},
        {"typing at the start of line 1 moves its start", 4, 0, "XY", {0, 1, 2}, {0, 7, 8, 12}},
        {"a replacement at the start of line 1 keeps its places where it begins", 4, 2, "Z", {0, 1, 2}, {0, 5, 5, 9}},
        {"a replacement with a line break there takes line 1 to what follows it", 4, 2, "Z\nW", {0, 2, 3},
         {0, 5, 5, 12}},
    };
    for (const Row &row : rows) {
        Text text("ABC\nDEF\nGHI");
        const TextChange change = text.replace(row.offset, row.removed, row.inserted);
        std::vector<int> lines;
        for (int line : {0, 1, 2})
            lines.push_back(lineAfter(change, line).value);
        std::vector<int> positions;
        for (int position : {0, 5, 6, 10})
            positions.push_back(positionAfter(change, position).value);
        EXPECT_EQ(lines, row.lines) << row.what;
        EXPECT_EQ(positions, row.positions) << row.what;
    }
}

// A line keeps to the text it starts: a line whose start the change left alone
// goes where its first position goes, and one whose start was removed goes
// where the text after the change now stands.
TEST(TextChange, LinesKeepToTheTextTheyStart)
{
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        Text text(randomText(random, 1 + static_cast<int>(random() % 30)));
        const Text before = text;
        const int size = static_cast<int>(text.text().size());
        const int offset = static_cast<int>(random() % static_cast<unsigned>(size + 1));
        const int removed = static_cast<int>(random() % static_cast<unsigned>(size - offset + 1));
        const TextChange change = text.replace(offset, removed, randomText(random, static_cast<int>(random() % 6)));
        for (int line = 0; line < before.lineCount(); ++line) {
            const int start = before.lineStart(line);
            const bool startRemoved = start >= change.position && start < change.position + change.removed;
            const int after = startRemoved ? change.position + change.added : positionAfter(change, start).value;
            ASSERT_EQ(lineAfter(change, line).value, text.lineOfPosition(after))
                << "round " << round << " line " << line;
        }
        EXPECT_EQ(change.delta(), text.length() - before.length());
        EXPECT_EQ(change.lineDelta(), text.lineCount() - before.lineCount());
    }
}

// Runs of changes, however they go through the text: a run composed moves every
// place no change touched as the changes one by one do; with what was
// remembered, taking the run back restores every place, and making it again
// puts every place where the changes first put it.
TEST(ChangeMap, RunsComposeAndTakeBackExactly)
{
    enum class Order { Forward, Backward, Anywhere };
    std::mt19937 random(11);
    for (const Order order : {Order::Forward, Order::Backward, Order::Anywhere}) {
        for (int round = 0; round < 500; ++round) {
            Text text(randomText(random, 20 + static_cast<int>(random() % 60)));
            const Places original = everyPlaceOf(text);
            const int originalLength = text.length();
            const int originalLines = text.lineCount();
            ChangeMap run;
            // Edit by edit, as the editor reports them one at a time.
            Places oneByOne = original;
            std::vector<RememberedPlace> memory;
            int cursor = order == Order::Backward ? static_cast<int>(text.text().size()) : 0;
            const int count = 1 + static_cast<int>(random() % 8);
            for (int k = 0; k < count; ++k) {
                const int size = static_cast<int>(text.text().size());
                int offset = 0;
                int removed = 0;
                if (order == Order::Forward) {
                    if (cursor > size)
                        break;
                    offset = std::min(cursor + static_cast<int>(random() % 3), size);   // sometimes meeting the one before
                    removed = static_cast<int>(random() % static_cast<unsigned>(std::min(3, size - offset) + 1));
                } else if (order == Order::Backward) {
                    const int end = cursor - static_cast<int>(random() % 3);
                    if (end < 0)
                        break;
                    removed = static_cast<int>(random() % static_cast<unsigned>(std::min(3, end) + 1));
                    offset = end - removed;
                } else {
                    offset = static_cast<int>(random() % static_cast<unsigned>(size + 1));
                    removed = static_cast<int>(random() % static_cast<unsigned>(std::min(4, size - offset) + 1));
                }
                const std::string inserted = randomText(random, static_cast<int>(random() % 4));
                const TextChange change = text.replace(offset, removed, inserted);
                followChangesOfStep(std::span(&change, 1), run, oneByOne.lists(), memory);
                cursor = order == Order::Forward ? offset + static_cast<int>(inserted.size()) : offset;
            }
            EXPECT_EQ(run.delta(), text.length() - originalLength);
            EXPECT_EQ(run.lineDelta(), text.lineCount() - originalLines);

            // Composed, the run agrees on every place no change touched.
            Places composed = original;
            std::vector<RememberedPlace> composedMemory;
            followChanges(run, composed.lists(), &composedMemory);
            Places untouched = composed;
            for (const RememberedPlace &remembered : memory)
                (remembered.list == 0 ? untouched.lines : untouched.positions)[remembered.index] =
                    (remembered.list == 0 ? oneByOne.lines : oneByOne.positions)[remembered.index];
            ASSERT_EQ(untouched, oneByOne) << "round " << round << " order " << static_cast<int>(order);

            // Undo and redo of the edits made one by one.
            Places places = oneByOne;
            takeBackChanges(run, places.lists(), memory);
            ASSERT_EQ(places, original) << "round " << round;
            makeChangesAgain(run, places.lists(), memory);
            ASSERT_EQ(places, oneByOne) << "round " << round;
            // And of the run followed at once.
            takeBackChanges(run, composed.lists(), composedMemory);
            ASSERT_EQ(composed, original) << "round " << round;
        }
    }
}

// Replace All: thousands of changes forward through a text move thousands of
// places in one pass.
TEST(ChangeMap, ALongForwardRunMovesEveryPlace)
{
    std::string line = "MOVE A TO B.\n";
    std::string all;
    for (int i = 0; i < 5000; ++i)
        all += line;
    Text text(all);
    Places places;
    for (int l = 0; l < 5000; ++l) {
        places.lines.push_back(l);
        places.positions.push_back(l * 14 + 7);   // on the TO; each line takes 14 positions
    }
    const Places original = places;
    ChangeMap map;
    for (int l = 0; l < 5000; ++l)
        map.add(text.replace(l * 15 + 5, 1, "X\nY"));   // each line's A, as the text now stands
    std::vector<RememberedPlace> memory;
    followChanges(map, places.lists(), &memory);
    // Each line is now "MOVE X", 8 positions with its line break, then "Y TO B.", 9.
    for (int l = 0; l < 5000; ++l) {
        ASSERT_EQ(places.lines[static_cast<std::size_t>(l)], 2 * l);
        ASSERT_EQ(places.positions[static_cast<std::size_t>(l)], l * 17 + 8 + 2);
    }
    EXPECT_TRUE(memory.empty());
    takeBackChanges(map, places.lists(), memory);
    EXPECT_EQ(places, original);
}

// The places a run's reach passes over go exactly where the full lookup takes
// them, untouched; the places touched are remembered as the lookup says.
TEST(ChangeMap, PlacesPassedOverGoWhereTheLookupTakesThem)
{
    std::mt19937 random(23);
    for (int round = 0; round < 1000; ++round) {
        Text text(randomText(random, 10 + static_cast<int>(random() % 50)));
        const Places original = everyPlaceOf(text);
        ChangeMap map;
        const int count = 1 + static_cast<int>(random() % 5);
        for (int k = 0; k < count; ++k) {
            const int size = static_cast<int>(text.text().size());
            const int offset = static_cast<int>(random() % static_cast<unsigned>(size + 1));
            const int removed = static_cast<int>(random() % static_cast<unsigned>(std::min(3, size - offset) + 1));
            map.add(text.replace(offset, removed, randomText(random, static_cast<int>(random() % 3))));
        }
        Places places = original;
        std::vector<RememberedPlace> memory;
        const MovedLists moved = followChanges(map, places.lists(), &memory);
        std::vector<RememberedPlace> expected;
        bool linesMoved = false;
        bool positionsMoved = false;
        for (std::size_t i = 0; i < original.lines.size(); ++i) {
            const PlaceAfter after = map.lineAfter(original.lines[i]);
            ASSERT_EQ(places.lines[i], after.value) << "round " << round << " line " << original.lines[i];
            linesMoved = linesMoved || after.value != original.lines[i];
            if (after.touched)
                expected.push_back({0, i, 0, original.lines[i], after.value});
        }
        for (std::size_t i = 0; i < original.positions.size(); ++i) {
            const PlaceAfter after = map.positionAfter(original.positions[i]);
            ASSERT_EQ(places.positions[i], after.value) << "round " << round << " position " << original.positions[i];
            positionsMoved = positionsMoved || after.value != original.positions[i];
            if (after.touched)
                expected.push_back({1, i, 0, original.positions[i], after.value});
        }
        ASSERT_EQ(memory.size(), expected.size()) << "round " << round;
        for (std::size_t k = 0; k < memory.size(); ++k) {
            EXPECT_EQ(memory[k].list, expected[k].list);
            EXPECT_EQ(memory[k].index, expected[k].index);
            EXPECT_EQ(memory[k].before, expected[k].before);
            EXPECT_EQ(memory[k].after, expected[k].after);
        }
        EXPECT_EQ(moved, (MovedLists{linesMoved, positionsMoved})) << "round " << round;
    }
}

// What a key does to the stored places, and which lists it says moved: a
// letter typed inside a line leaves every line alone, one typed at a line's
// start reaches that line (it is remembered) without moving it.
TEST(StoredPlaces, AKeyMovesOnlyWhatItChanges)
{
    struct Row {
        const char *what;
        int offset;
        int removed;
        std::string inserted;
        bool linesReached;
        bool linesMove;
        std::vector<int> lines;       // where lines 0, 1, 2 go
        std::vector<int> positions;   // where positions 0, 5, 6, 10 go
    };
    const Row rows[] = {
        {"a letter inside line 1", 5, 0, "X", false, false, {0, 1, 2}, {0, 5, 7, 11}},
        {"a letter at the start of line 1", 4, 0, "X", true, false, {0, 1, 2}, {0, 6, 7, 11}},
        {"four blanks at the end of line 1", 7, 0, "    ", false, false, {0, 1, 2}, {0, 5, 6, 14}},
        {"a backspace inside line 1", 5, 1, "", false, false, {0, 1, 2}, {0, 5, 6, 9}},
        {"a line break inside line 1", 5, 0, "\n", true, true, {0, 1, 3}, {0, 5, 8, 12}},
        {"a backspace joining line 2 to line 1", 7, 1, "", true, true, {0, 1, 1}, {0, 5, 6, 8}},
    };
    for (const Row &row : rows) {
        Text text("ABC\nDEF\nGHI");
        ChangeMap map;
        map.add(text.replace(row.offset, row.removed, row.inserted));
        EXPECT_EQ(map.lineReach().movesNothing(), !row.linesReached) << row.what;
        Places places{{0, 1, 2}, {0, 5, 6, 10}};
        const MovedLists moved = followChanges(map, places.lists(), nullptr);
        EXPECT_EQ(places.lines, row.lines) << row.what;
        EXPECT_EQ(places.positions, row.positions) << row.what;
        EXPECT_EQ(moved, (MovedLists{row.linesMove, true})) << row.what;
    }
}

TEST(StoredPlaces, MemoryOfAnOlderListIsNotApplied)
{
    Text text("ABC\nDEF\nGHI");
    std::vector<int> lines{1, 2};
    ChangeMap map;
    map.add(text.replace(4, 4, ""));   // line 1 goes
    std::vector<RememberedPlace> memory;
    followChanges(map, std::vector<PlaceList>{{PlaceKind::Line, lines, 1}}, &memory);
    EXPECT_EQ(lines, (std::vector<int>{1, 1}));
    ASSERT_EQ(memory.size(), 2u);

    // The list was made anew since (a new tree): only the inverse applies.
    lines = {1, 1, 1};
    takeBackChanges(map, std::vector<PlaceList>{{PlaceKind::Line, lines, 2}}, memory);
    EXPECT_EQ(lines, (std::vector<int>{2, 2, 2}));
}

TEST(ChangeHistory, RecordsFollowTheUndoStack)
{
    ChangeHistory history;
    // Typing: the first character adds a command, the next ones join it.
    ChangeHistory::Record *typing = history.recordEdit(0, 1, true, false);
    ASSERT_NE(typing, nullptr);
    EXPECT_EQ(history.recordEdit(1, 1, false, false), typing);
    // A run of edits as one step: several commands, one record.
    ChangeHistory::Record *run = history.recordEdit(1, 3, true, false);
    EXPECT_EQ(history.recordEdit(3, 4, true, true), run);
    EXPECT_EQ(run->firstCommand, 1);
    EXPECT_EQ(run->endCommand, 4);
    ChangeHistory::Record *enter = history.recordEdit(4, 5, true, false);

    // Undo takes the records back latest first; redo takes them up in order.
    EXPECT_EQ(history.undo(5, 4), (std::vector<ChangeHistory::Record *>{enter}));
    EXPECT_EQ(history.undo(4, 0), (std::vector<ChangeHistory::Record *>{run, typing}));
    EXPECT_EQ(history.redo(0, 4), (std::vector<ChangeHistory::Record *>{typing, run}));
    // An undo that splits a record is none the history knows: it starts afresh.
    EXPECT_TRUE(history.undo(4, 2).empty());
    EXPECT_TRUE(history.empty());

    // An edit after an undo ends what could be redone.
    history.recordEdit(0, 1, true, false);
    history.recordEdit(1, 2, true, false);
    EXPECT_EQ(history.undo(2, 1).size(), 1u);
    ChangeHistory::Record *other = history.recordEdit(1, 2, true, false);
    EXPECT_EQ(history.redo(1, 2), (std::vector<ChangeHistory::Record *>{other}));
    // An edit with undo off leaves no record, and nothing before it can be followed back.
    EXPECT_EQ(history.recordEdit(0, 0, false, false), nullptr);
    EXPECT_TRUE(history.empty());
}

} // namespace
