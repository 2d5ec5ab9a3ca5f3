#include "common/core/TabBook.h"

namespace norvane {

int TabBook::AddTab(std::string_view caption)
{
    ++m_lastTabIndex;
    if (m_tabPaths.size() < static_cast<std::size_t>(m_lastTabIndex) + 1)
        m_tabPaths.resize(static_cast<std::size_t>(m_lastTabIndex) + 1);
    m_tabPaths[static_cast<std::size_t>(m_lastTabIndex)] = std::string(caption);
    return m_lastTabIndex;
}

std::optional<int> TabBook::RemoveTab(std::string_view caption)
{
    int found = -1;
    for (int i = m_lastTabIndex; i >= 0; --i) {
        if (m_tabPaths[static_cast<std::size_t>(i)] == caption) {
            found = i;
            break;
        }
    }
    if (found < 0)
        return std::nullopt;
    for (int i = found; i < m_lastTabIndex; ++i)
        m_tabPaths[static_cast<std::size_t>(i)] = m_tabPaths[static_cast<std::size_t>(i) + 1];
    m_tabPaths[static_cast<std::size_t>(m_lastTabIndex)].clear();
    --m_lastTabIndex;
    return found;
}

void TabBook::RenameTab(int index, std::string_view caption)
{
    if (index < 0 || index > m_lastTabIndex)
        return;
    m_tabPaths[static_cast<std::size_t>(index)] = std::string(caption);
}

std::optional<int> TabBook::lowestIndexOf(std::string_view caption) const
{
    std::optional<int> result;
    for (int i = m_lastTabIndex; i >= 0; --i) {
        if (m_tabPaths[static_cast<std::size_t>(i)] == caption)
            result = i;
    }
    return result;
}

} // namespace norvane
