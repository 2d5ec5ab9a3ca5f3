#include "document/core/ChangeHistory.h"

#include <algorithm>

namespace norvane {

ChangeHistory::Record *ChangeHistory::recordEdit(int commandsBefore, int commandsAfter, bool newCommand,
                                                 bool sameRecord)
{
    // An edit ends what could be redone.
    while (!m_records.empty() && m_records.back().endCommand > commandsBefore)
        m_records.pop_back();

    const bool followsLast = !m_records.empty() && m_records.back().endCommand == commandsBefore;
    if (sameRecord && followsLast && commandsAfter >= commandsBefore) {
        m_records.back().endCommand = commandsAfter;
        return &m_records.back();
    }
    if (newCommand && commandsAfter > commandsBefore) {
        m_records.push_back({commandsBefore, commandsAfter, {}, {}});
        return &m_records.back();
    }
    if (!newCommand && commandsAfter == commandsBefore && followsLast)
        return &m_records.back();   // joined the last command, as typing does
    // Undo is off, or the stack changed in a way no record follows.
    m_records.clear();
    return nullptr;
}

std::vector<ChangeHistory::Record *> ChangeHistory::undo(int commandsBefore, int commandsAfter)
{
    std::vector<Record *> records;
    auto it = std::find_if(m_records.begin(), m_records.end(),
                           [commandsBefore](const Record &record) { return record.endCommand == commandsBefore; });
    if (it != m_records.end()) {
        while (true) {
            records.push_back(&*it);
            if (it->firstCommand <= commandsAfter || it == m_records.begin())
                break;
            const int first = it->firstCommand;
            --it;
            if (it->endCommand != first)
                break;
        }
    }
    if (records.empty() || records.back()->firstCommand != commandsAfter) {
        m_records.clear();
        return {};
    }
    return records;
}

std::vector<ChangeHistory::Record *> ChangeHistory::redo(int commandsBefore, int commandsAfter)
{
    std::vector<Record *> records;
    auto it = std::find_if(m_records.begin(), m_records.end(),
                           [commandsBefore](const Record &record) { return record.firstCommand == commandsBefore; });
    for (; it != m_records.end(); ++it) {
        if (!records.empty() && records.back()->endCommand != it->firstCommand)
            break;
        records.push_back(&*it);
        if (it->endCommand >= commandsAfter)
            break;
    }
    if (records.empty() || records.back()->endCommand != commandsAfter) {
        m_records.clear();
        return {};
    }
    return records;
}

} // namespace norvane
