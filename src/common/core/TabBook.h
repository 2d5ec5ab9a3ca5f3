#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The bookkeeping behind the tab strip: which document caption each tab stands for.
//
// Entries are kept in tab order; the array only grows, entries past LastTabIndex
// are empty. The tab strip widget mirrors the calls made here.
class TabBook {
public:
    // Records a new last tab for the caption; returns its index.
    int AddTab(std::string_view caption);
    // Removes the last tab whose entry equals the caption; returns the index it had.
    std::optional<int> RemoveTab(std::string_view caption);
    // Stores the caption for the tab at the index (the selected one).
    void RenameTab(int index, std::string_view caption);
    // The lowest index whose entry equals the caption, or nothing.
    [[nodiscard]] std::optional<int> lowestIndexOf(std::string_view caption) const;

    [[nodiscard]] const std::vector<std::string> &TabPaths() const { return m_tabPaths; }
    [[nodiscard]] int LastTabIndex() const { return m_lastTabIndex; }
    [[nodiscard]] int count() const { return m_lastTabIndex + 1; }
    [[nodiscard]] const std::string &pathAt(int index) const { return m_tabPaths.at(static_cast<std::size_t>(index)); }

private:
    std::vector<std::string> m_tabPaths;
    int m_lastTabIndex = -1;
};

} // namespace norvane
