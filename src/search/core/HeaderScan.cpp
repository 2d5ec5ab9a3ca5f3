#include "search/core/HeaderScan.h"

namespace norvane {

namespace {

constexpr std::size_t IndicatorColumn = 6;   // column 7, counted from 0
constexpr std::size_t AreaAStart = 7;        // columns 8 to 11
constexpr std::size_t AreaAWidth = 4;

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
    if (line.size() <= AreaAStart + AreaAWidth)
        return HeaderLineKind::None;
    if (line[IndicatorColumn] != ' ')
        return HeaderLineKind::None;
    if (line.substr(AreaAStart, AreaAWidth).find_first_not_of(' ') == std::string_view::npos)
        return HeaderLineKind::None;
    const std::string trimmed = TrimBlanks(line);
    const std::string_view start = std::string_view(trimmed).substr(0, 5);
    if (start == "EXEC " || start == "END-E")
        return HeaderLineKind::Exec;
    return HeaderLineKind::Header;
}

void HeaderScan::addLine(std::string_view line)
{
    if (m_lines++ == 0)
        return;
    switch (headerLineKind(line)) {
    case HeaderLineKind::None:
        break;
    case HeaderLineKind::Header:
        m_header = TrimBlanks(line);
        break;
    case HeaderLineKind::Exec:
        if (!m_firstExec)
            m_firstExec = TrimBlanks(line);
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

} // namespace norvane
