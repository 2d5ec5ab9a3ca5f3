#pragma once

#include <vector>

namespace norvane {

// Keeps stored lines or character positions in step with a run of edits made
// in one go. Each edit moves every value at or after its threshold by its delta,
// the threshold being in the text as the edits before it left it; apply() gives
// what shifting after every edit in turn would give. When the edits run forward
// through the text, as Replace All's do, that takes a binary search instead of
// a walk over all the edits, so thousands of stored values stay cheap.
class ShiftLog {
public:
    void add(int threshold, int delta);
    [[nodiscard]] int apply(int value) const
    {
        // One edit, as after a key, is applied to every node of the tree: no search.
        if (m_edits.size() == 1)
            return value >= m_edits.front().threshold ? value + m_edits.front().delta : value;
        return applyAll(value);
    }
    [[nodiscard]] bool empty() const { return m_edits.empty(); }
    // The sum of all deltas.
    [[nodiscard]] int total() const { return m_edits.empty() ? 0 : m_edits.back().sumThrough; }

private:
    [[nodiscard]] int applyAll(int value) const;

    struct Edit {
        int threshold;
        int delta;
        int originalThreshold;   // the threshold before any of the edits
        int sumThrough;          // the deltas of this edit and all before it
    };

    std::vector<Edit> m_edits;
    bool m_forward = true;   // thresholds never go back, before or after the edits
};

} // namespace norvane
