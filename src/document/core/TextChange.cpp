#include "document/core/TextChange.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <numeric>

namespace norvane {

PlaceAfter positionAfter(const TextChange &change, int position)
{
    if (position < change.position)
        return {position, false};
    if (position < change.position + change.removed)
        return {change.position, true};
    return {position + change.delta(), false};
}

PlaceAfter lineAfter(const TextChange &change, int line)
{
    // A line starts before the change, within what it replaced, or after it.
    if (line < change.line || (line == change.line && !change.atLineStart))
        return {line, false};
    if (line <= change.line + change.removedLines)
        return {change.line + change.addedLines, true};
    return {line + change.lineDelta(), false};
}

// ---- one step of a run ----

const TextChange &ChangeMap::Step::first() const
{
    return direction == Direction::Backward ? changes.back() : changes.front();
}

bool ChangeMap::Step::add(const TextChange &change)
{
    if (!join(change))
        return false;
    deltaBefore.clear();
    lineDeltaBefore.clear();
    totalDelta += change.delta();
    totalLineDelta += change.lineDelta();
    return true;
}

bool ChangeMap::Step::join(const TextChange &change)
{
    if (changes.empty()) {
        changes.push_back(change);
        return true;
    }
    const int delta = totalDelta;
    const TextChange &lowest = first();
    TextChange &highest = direction == Direction::Backward ? changes.front() : changes.back();
    // Where the highest change's new text ends, in the text as it is now.
    const int highestEnd = highest.position + delta - highest.delta() + highest.added;

    if (change.position == highestEnd) {
        // Right after the text the highest change put in: one change.
        highest.removed += change.removed;
        highest.added += change.added;
        highest.removedLines += change.removedLines;
        highest.addedLines += change.addedLines;
        return true;
    }
    if (change.position > highestEnd && direction != Direction::Backward) {
        TextChange before = change;
        before.position -= delta;
        before.line -= totalLineDelta;
        changes.push_back(before);
        direction = Direction::Forward;
        return true;
    }
    const int changeEnd = change.position + change.removed;
    if (changeEnd == lowest.position) {
        // Right before the lowest change: one change, starting where this one does.
        TextChange &target = direction == Direction::Backward ? changes.back() : changes.front();
        target = {change.position,
                  change.removed + target.removed,
                  change.added + target.added,
                  change.line,
                  change.atLineStart,
                  change.removedLines + target.removedLines,
                  change.addedLines + target.addedLines};
        return true;
    }
    if (changeEnd < lowest.position && direction != Direction::Forward) {
        // Before every change of the step: its coordinates are those before the step.
        if (direction == Direction::Undecided && changes.size() == 1)
            direction = Direction::Backward;
        if (direction == Direction::Backward) {
            changes.push_back(change);
            return true;
        }
    }
    return false;
}

void ChangeMap::Step::prepare() const
{
    if (deltaBefore.size() == changes.size())
        return;
    deltaBefore.resize(changes.size());
    lineDeltaBefore.resize(changes.size());
    int delta = 0;
    int lineDelta = 0;
    for (std::size_t k = 0; k < changes.size(); ++k) {
        const TextChange &change = inTextOrder(k);
        deltaBefore[k] = delta;
        lineDeltaBefore[k] = lineDelta;
        delta += change.delta();
        lineDelta += change.lineDelta();
    }
}

PlaceAfter ChangeMap::Step::positionAfter(int position) const
{
    prepare();
    // The last change starting at or before the position.
    const std::size_t before = countInTextOrder([&](const TextChange &change) { return change.position <= position; });
    if (before == 0)
        return {position, false};
    PlaceAfter after = norvane::positionAfter(inTextOrder(before - 1), position);
    after.value += deltaBefore[before - 1];
    return after;
}

PlaceAfter ChangeMap::Step::lineAfter(int line) const
{
    prepare();
    // The last change starting at or before the line's first position.
    const std::size_t before = countInTextOrder([&](const TextChange &change) {
        return change.line < line || (change.line == line && change.atLineStart);
    });
    if (before == 0)
        return {line, false};
    PlaceAfter after = norvane::lineAfter(inTextOrder(before - 1), line);
    after.value += lineDeltaBefore[before - 1];
    return after;
}

// The changes are in text order and do not overlap: a place before the first
// one's reach or after the last one's is found without a search (see
// positionAfter and lineAfter above).
PlaceReach ChangeMap::Step::positionReach() const
{
    const TextChange &lowest = first();
    const TextChange &highest = direction == Direction::Backward ? changes.front() : changes.back();
    return {lowest.position, std::max(lowest.position, highest.position + highest.removed), totalDelta};
}

PlaceReach ChangeMap::Step::lineReach() const
{
    const TextChange &lowest = first();
    const TextChange &highest = direction == Direction::Backward ? changes.front() : changes.back();
    // A line starting in the middle of the lowest change's line is before it.
    const int floor = lowest.line + (lowest.atLineStart ? 0 : 1);
    return {floor, std::max(floor, highest.line + highest.removedLines + 1), totalLineDelta};
}

ChangeMap::Step ChangeMap::Step::inverse() const
{
    prepare();
    Step inverse;
    inverse.direction = changes.size() > 1 ? Direction::Forward : Direction::Undecided;
    inverse.changes.reserve(changes.size());
    inverse.totalDelta = -totalDelta;
    inverse.totalLineDelta = -totalLineDelta;
    for (std::size_t k = 0; k < changes.size(); ++k) {
        TextChange back = inTextOrder(k).inverse();
        back.position += deltaBefore[k];
        back.line += lineDeltaBefore[k];
        inverse.changes.push_back(back);
    }
    return inverse;
}

// ---- the run ----

void ChangeMap::add(const TextChange &change)
{
    if (m_steps.empty() || !m_steps.back().add(change)) {
        m_steps.emplace_back();
        m_steps.back().changes.push_back(change);
        m_steps.back().totalDelta = change.delta();
        m_steps.back().totalLineDelta = change.lineDelta();
    }
}

int ChangeMap::delta() const
{
    return std::accumulate(m_steps.begin(), m_steps.end(), 0,
                           [](int sum, const Step &step) { return sum + step.totalDelta; });
}

int ChangeMap::lineDelta() const
{
    return std::accumulate(m_steps.begin(), m_steps.end(), 0,
                           [](int sum, const Step &step) { return sum + step.totalLineDelta; });
}

PlaceAfter ChangeMap::positionAfter(int position) const
{
    PlaceAfter after{position, false};
    for (const Step &step : m_steps) {
        const PlaceAfter next = step.positionAfter(after.value);
        after = {next.value, after.touched || next.touched};
    }
    return after;
}

PlaceAfter ChangeMap::lineAfter(int line) const
{
    PlaceAfter after{line, false};
    for (const Step &step : m_steps) {
        const PlaceAfter next = step.lineAfter(after.value);
        after = {next.value, after.touched || next.touched};
    }
    return after;
}

// A place below every step's floor stays below each in turn. A place at or
// above every step's ceiling, as the steps before it moved that place, moves
// by each step's delta in turn.
template <typename StepReach>
PlaceReach ChangeMap::reach(StepReach stepReach) const
{
    PlaceReach whole{std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 0};
    for (const Step &step : m_steps) {
        const PlaceReach one = stepReach(step);
        whole.floor = std::min(whole.floor, one.floor);
        whole.ceiling = std::max(whole.ceiling, one.ceiling - whole.delta);
        whole.delta += one.delta;
    }
    whole.ceiling = std::max(whole.ceiling, whole.floor);
    return whole;
}

PlaceReach ChangeMap::positionReach() const
{
    return reach([](const Step &step) { return step.positionReach(); });
}

PlaceReach ChangeMap::lineReach() const
{
    return reach([](const Step &step) { return step.lineReach(); });
}

ChangeMap ChangeMap::inverse() const
{
    ChangeMap inverse;
    inverse.m_steps.reserve(m_steps.size());
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step)
        inverse.m_steps.push_back(step->inverse());
    return inverse;
}

} // namespace norvane
