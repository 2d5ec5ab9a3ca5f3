#pragma once

#include "layout/core/DataFormat.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvane {

// The format chosen for each data file opened, most recent first, kept in a
// file of its own beside the settings file: one line a data file, the format's
// words, a tab and the path ("encoding=IBM037 sign=ebcdic records=fixed
// order=big native=big floats=ieee<TAB>/data/acct.dat"). A line that does not
// read is passed over, so a damaged file costs only its damaged lines.
class RememberedFormats {
public:
    // The most data files remembered; older ones are forgotten.
    static constexpr std::size_t kMaxFiles = 200;

    [[nodiscard]] static RememberedFormats parse(std::string_view text);
    [[nodiscard]] std::string text() const;

    [[nodiscard]] std::optional<DataFormat> find(const std::string &path) const;
    // Puts the file first, with its format.
    void remember(const std::string &path, const DataFormat &format);
    [[nodiscard]] std::size_t size() const { return m_entries.size(); }

private:
    std::vector<std::pair<std::string, DataFormat>> m_entries;
};

// The format's words as the file keeps them, and back (nothing for words that
// do not name a format).
[[nodiscard]] std::string FormatWords(const DataFormat &format);
[[nodiscard]] std::optional<DataFormat> FormatFromWords(std::string_view words);

} // namespace norvane
