#include "document/core/LineEnding.h"

namespace norvane {

std::string_view lineEndingName(LineEnding ending)
{
    switch (ending) {
    case LineEnding::Dos:
        return "dos";
    case LineEnding::Unix:
        return "unix";
    case LineEnding::None:
        break;
    }
    return "none";
}

LineEnding detectLineEnding(std::string_view bytes)
{
    const long long size = static_cast<long long>(bytes.size());
    long long ordinary = 0;
    bool cr = false;
    bool lf = false;
    std::size_t next = 0;
    while (ordinary < size - 1 && !lf && next < bytes.size()) {
        const char b = bytes[next++];
        if (b == '\r') {
            cr = true;
            if (next < bytes.size() && bytes[next++] == '\n')
                lf = true;
        } else if (b == '\n') {
            lf = true;
        } else {
            ++ordinary;
        }
    }
    if (cr)
        return LineEnding::Dos;
    if (lf)
        return LineEnding::Unix;
    return LineEnding::None;
}

LineEnding keptLineEnding(std::string_view bytes)
{
    const LineEnding detected = detectLineEnding(bytes);
    if (detected == LineEnding::None && !bytes.empty() && bytes.back() == '\n')
        return LineEnding::Unix;
    return detected;
}

std::string_view lineBreakFor(LineEnding ending, bool unixForNewFiles)
{
    switch (ending) {
    case LineEnding::Unix:
        return "\n";
    case LineEnding::None:
        return unixForNewFiles ? "\n" : "\r\n";
    case LineEnding::Dos:
        break;
    }
    return "\r\n";
}

} // namespace norvane
