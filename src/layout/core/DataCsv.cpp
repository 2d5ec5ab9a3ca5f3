#include "layout/core/DataCsv.h"

namespace norvane {

void AppendCsvCell(std::string &out, std::string_view cell, bool lastInRow)
{
    out += '"';
    for (std::size_t quote; (quote = cell.find('"')) != std::string_view::npos;) {
        out.append(cell.substr(0, quote + 1));
        out += '"';
        cell.remove_prefix(quote + 1);
    }
    out.append(cell);
    out += '"';
    out += lastInRow ? "\r\n" : ",";
}

std::string DataCsvHeading(const std::vector<DataColumn> &columns)
{
    std::string heading;
    AppendCsvCell(heading, "", columns.empty());
    for (std::size_t i = 0; i < columns.size(); ++i)
        AppendCsvCell(heading, columns[i].header, i + 1 == columns.size());
    AppendCsvCell(heading, "", columns.empty());
    for (std::size_t i = 0; i < columns.size(); ++i)
        AppendCsvCell(heading, columns[i].picture, i + 1 == columns.size());
    return heading;
}

Result<std::optional<std::vector<std::string>>> CsvReader::next()
{
    if (m_at >= m_text.size())
        return std::optional<std::vector<std::string>>();
    ++m_row;
    std::vector<std::string> cells;
    const auto atRowEnd = [&](std::size_t i) {
        return i >= m_text.size() || m_text[i] == '\n' || (m_text[i] == '\r' && i + 1 < m_text.size() && m_text[i + 1] == '\n') ||
               (m_text[i] == '\r' && i + 1 == m_text.size());
    };
    std::size_t i = m_at;
    while (true) {
        std::string cell;
        if (i < m_text.size() && m_text[i] == '"') {
            ++i;
            bool closed = false;
            while (i < m_text.size()) {
                const char c = m_text[i];
                if (c == '"') {
                    if (i + 1 < m_text.size() && m_text[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    if (i + 1 >= m_text.size() || m_text[i + 1] == ',' || atRowEnd(i + 1)) {
                        ++i;
                        closed = true;
                        break;
                    }
                }
                cell += c;
                ++i;
            }
            if (!closed)
                return Error{"row " + std::to_string(m_row) + " has a quoted cell that is not closed"};
        } else {
            while (i < m_text.size() && m_text[i] != ',' && !atRowEnd(i))
                cell += m_text[i++];
        }
        cells.push_back(std::move(cell));
        if (i < m_text.size() && m_text[i] == ',') {
            ++i;
            continue;
        }
        // The row ends here: step over its line end.
        if (i < m_text.size() && m_text[i] == '\r')
            ++i;
        if (i < m_text.size() && m_text[i] == '\n')
            ++i;
        break;
    }
    m_at = i;
    return std::optional<std::vector<std::string>>(std::move(cells));
}

} // namespace norvane
