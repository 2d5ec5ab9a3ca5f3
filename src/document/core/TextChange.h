#pragma once

#include <cstddef>
#include <vector>

namespace norvane {

// One change of an editor's text, in the editor's positions (counted from 0
// over the whole text, a line break counting two) and lines (from 0): at
// `position`, `removed` positions gave way to `added` ones. The line holding
// the position, whether the position is that line's first, and the line
// breaks removed and added tell what the change did to line numbers.
struct TextChange {
    int position = 0;
    int removed = 0;
    int added = 0;
    int line = 0;
    bool atLineStart = false;
    int removedLines = 0;
    int addedLines = 0;

    // The change that takes this one back.
    [[nodiscard]] TextChange inverse() const
    {
        return {position, added, removed, line, atLineStart, addedLines, removedLines};
    }
    [[nodiscard]] int delta() const { return added - removed; }
    [[nodiscard]] int lineDelta() const { return addedLines - removedLines; }
    bool operator==(const TextChange &) const = default;
};

// Where a stored position or line stands after a change. A position keeps to
// the text after it: text inserted before it or at it moves it on, text
// removed before it moves it back, and a position within removed or replaced
// text goes to where that text began. A line keeps to the text it starts: a
// line whose start was removed or replaced goes to the line where what
// follows the change now stands. A place a change reaches that way is
// *touched*: the change alone cannot say where it stood before, so whoever may
// take the change back remembers it.
struct PlaceAfter {
    int value = 0;
    bool touched = false;
};

[[nodiscard]] PlaceAfter positionAfter(const TextChange &change, int position);
[[nodiscard]] PlaceAfter lineAfter(const TextChange &change, int line);

// How far changes reach among the places of one kind: a place below `floor`
// stays where it is, one at or above `ceiling` moves by `delta`, and neither
// is touched; only the places between need the full lookup. A key typed in a
// line moves no line at all (floor and ceiling meet, delta 0), so a list of
// thousands of lines can be left alone.
struct PlaceReach {
    int floor = 0;
    int ceiling = 0;
    int delta = 0;

    // True when the changes move and touch no place of the kind.
    [[nodiscard]] bool movesNothing() const { return delta == 0 && floor >= ceiling; }
};

// A run of changes made one after another, each in the text the ones before it
// left, composed so that stored places follow the whole run at once: one binary
// search per place, however many changes the run holds. Runs that go forward
// through the text (Replace All) or backward (a block command, last line first)
// compose into one step; changes that meet the one before merge with it; any
// other turn starts a further step.
//
// A place no change of the run touches ends where the changes one by one take
// it. A touched place ends at the end of the change that touched it, which may
// differ from where the changes one by one leave it (a line anchored inside a
// line no longer is a line's first position): who needs the exact place
// remembers it.
class ChangeMap {
public:
    void add(const TextChange &change);
    [[nodiscard]] bool empty() const { return m_steps.empty(); }
    // The sum of the changes' deltas.
    [[nodiscard]] int delta() const;
    [[nodiscard]] int lineDelta() const;

    [[nodiscard]] PlaceAfter positionAfter(int position) const;
    [[nodiscard]] PlaceAfter lineAfter(int line) const;
    // Valid for a run that is not empty.
    [[nodiscard]] PlaceReach positionReach() const;
    [[nodiscard]] PlaceReach lineReach() const;

    // The run that takes this one back: a place this run did not touch comes
    // back to where it stood.
    [[nodiscard]] ChangeMap inverse() const;

private:
    // Changes that do not overlap, in the coordinates before the step, in text
    // order, with the sums of the deltas of the changes before each.
    struct Step {
        enum class Direction { Undecided, Forward, Backward };
        std::vector<TextChange> changes;   // Backward: in the order added, last in text first
        Direction direction = Direction::Undecided;
        int totalDelta = 0;
        int totalLineDelta = 0;
        mutable std::vector<int> deltaBefore;       // ready for lookups once prepared
        mutable std::vector<int> lineDeltaBefore;

        // False when the change does not fit the step.
        [[nodiscard]] bool add(const TextChange &change);
        [[nodiscard]] bool join(const TextChange &change);
        void prepare() const;
        // The k-th change counted from the start of the text.
        [[nodiscard]] const TextChange &inTextOrder(std::size_t k) const
        {
            return direction == Direction::Backward ? changes[changes.size() - 1 - k] : changes[k];
        }
        // How many changes, in text order, come before the first for which
        // `before` is false (it holds for a leading run of them).
        template <typename Predicate>
        [[nodiscard]] std::size_t countInTextOrder(Predicate before) const
        {
            std::size_t low = 0;
            std::size_t high = changes.size();
            while (low < high) {
                const std::size_t middle = (low + high) / 2;
                if (before(inTextOrder(middle)))
                    low = middle + 1;
                else
                    high = middle;
            }
            return low;
        }
        [[nodiscard]] const TextChange &first() const;
        [[nodiscard]] PlaceAfter positionAfter(int position) const;
        [[nodiscard]] PlaceAfter lineAfter(int line) const;
        [[nodiscard]] PlaceReach positionReach() const;
        [[nodiscard]] PlaceReach lineReach() const;
        [[nodiscard]] Step inverse() const;
    };

    // The steps' reaches, one after another, as one.
    template <typename StepReach>
    [[nodiscard]] PlaceReach reach(StepReach stepReach) const;

    std::vector<Step> m_steps;
};

} // namespace norvane
