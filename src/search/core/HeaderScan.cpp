#include "search/core/HeaderScan.h"

#include "common/core/AsciiCase.h"
#include "document/core/SourceColumns.h"

namespace norvane {

namespace {

constexpr std::size_t IndicatorColumn = 6;   // column 7, counted from 0
constexpr std::size_t AreaAStart = 7;        // columns 8 to 11
constexpr std::size_t AreaAWidth = 4;
constexpr std::size_t CodeColumns = 72;      // columns 73-80 are no code

HeaderLineKind kindOfColumns(std::string_view columns)
{
    if (columns.size() <= AreaAStart + AreaAWidth)
        return HeaderLineKind::None;
    if (columns[IndicatorColumn] != ' ')
        return HeaderLineKind::None;
    if (columns.substr(AreaAStart, AreaAWidth).find_first_not_of(' ') == std::string_view::npos)
        return HeaderLineKind::None;
    const std::string trimmed = TrimBlanks(columns.substr(AreaAStart));
    if (holdsIgnoringCase(trimmed, 0, "EXEC ") || holdsIgnoringCase(trimmed, 0, "END-E"))
        return HeaderLineKind::Exec;
    return HeaderLineKind::Header;
}

} // namespace

std::string TrimBlanks(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = line.find_last_not_of(' ');
    return std::string(line.substr(first, last - first + 1));
}

HeaderLineKind headerLineKind(std::string_view line)
{
    std::string buffer;
    return kindOfColumns(expandTabs(line, buffer));
}

std::string headerText(std::string_view line)
{
    std::string buffer;
    const std::string_view columns = expandTabs(line, buffer, CodeColumns);
    return columns.size() > AreaAStart ? TrimBlanks(columns.substr(AreaAStart)) : std::string();
}

void HeaderScan::addLine(std::string_view line)
{
    const int index = m_lines++;
    if (index == 0)
        return;
    const std::string_view columns = expandTabs(line, m_expanded);
    switch (kindOfColumns(columns)) {
    case HeaderLineKind::None:
        break;
    case HeaderLineKind::Header:
        m_header = headerText(columns);
        m_headerLine = index;
        break;
    case HeaderLineKind::Exec:
        if (!m_firstExec) {
            m_firstExec = headerText(columns);
            m_firstExecLine = index;
        }
        break;
    }
}

std::string HeaderScan::header() const
{
    if (m_header)
        return *m_header;
    if (m_firstExec)
        return *m_firstExec;
    return {};
}

int HeaderScan::headerLine() const
{
    if (m_header)
        return m_headerLine;
    if (m_firstExec)
        return m_firstExecLine;
    return -1;
}

} // namespace norvane
