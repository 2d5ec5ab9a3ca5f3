#include "document/core/SourceColumns.h"

#include <algorithm>

namespace norvane {

std::string_view expandTabs(std::string_view line, std::string &buffer, std::size_t width)
{
    // The columns before the first tab are the line's own bytes.
    const std::size_t firstTab = line.find('\t');
    if (firstTab == std::string_view::npos || firstTab >= width)
        return line.substr(0, std::min(line.size(), width));

    buffer.assign(line.substr(0, firstTab));
    for (std::size_t i = firstTab; i < line.size() && buffer.size() < width; ++i) {
        if (line[i] == '\t')
            buffer.append(TabWidth - buffer.size() % TabWidth, ' ');
        else
            buffer.push_back(line[i]);
    }
    if (buffer.size() > width)
        buffer.resize(width);
    return buffer;
}

std::size_t columnOfOffset(std::string_view line, std::size_t offset)
{
    std::size_t column = 0;
    const std::size_t end = std::min(offset, line.size());
    for (std::size_t i = 0; i < end; ++i)
        column = line[i] == '\t' ? column + TabWidth - column % TabWidth : column + 1;
    return column + (offset - end);
}

} // namespace norvane
