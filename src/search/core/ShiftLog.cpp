#include "search/core/ShiftLog.h"

#include <algorithm>

namespace norvane {

void ShiftLog::add(int threshold, int delta)
{
    if (delta == 0)
        return;   // moves nothing
    const int before = total();
    const Edit edit{threshold, delta, threshold - before, before + delta};
    if (!m_edits.empty()) {
        const Edit &last = m_edits.back();
        m_forward = m_forward && edit.threshold >= last.threshold && edit.originalThreshold >= last.originalThreshold;
    }
    m_edits.push_back(edit);
}

int ShiftLog::applyAll(int value) const
{
    if (!m_forward) {
        for (const Edit &edit : m_edits) {
            if (value >= edit.threshold)
                value += edit.delta;
        }
        return value;
    }
    // A value below one threshold stays below every later one, so it moves with
    // exactly the edits whose threshold, taken back to the unedited text, it reaches.
    const auto after = std::upper_bound(m_edits.begin(), m_edits.end(), value,
                                        [](int v, const Edit &edit) { return v < edit.originalThreshold; });
    return after == m_edits.begin() ? value : value + std::prev(after)->sumThrough;
}

} // namespace norvane
