#pragma once

#include <cstring>
#include <string_view>

namespace norvane {

// Reads the lines of an 8-bit text one after another, as views into the text:
// a carriage return, a line feed and the pair each end a line, and an empty
// last line after the final line break is no line (as splitSourceLines and
// the editor count them). Nothing is copied, so a scan over the bytes of a
// whole program costs no more than reading them.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_rest(text) {}

    // The next line without its line break; false when there is none.
    bool next(std::string_view &line)
    {
        if (m_rest.empty())
            return false;
        const char *start = m_rest.data();
        const auto *feed = static_cast<const char *>(std::memchr(start, '\n', m_rest.size()));
        const std::size_t searched = feed != nullptr ? static_cast<std::size_t>(feed - start) : m_rest.size();
        const auto *ret = static_cast<const char *>(std::memchr(start, '\r', searched));
        if (ret != nullptr) {
            const auto length = static_cast<std::size_t>(ret - start);
            line = m_rest.substr(0, length);
            // A carriage return ends the line alone or with the line feed right after it.
            m_rest.remove_prefix(length + (ret + 1 == feed ? 2 : 1));
        } else {
            line = m_rest.substr(0, searched);
            m_rest.remove_prefix(feed != nullptr ? searched + 1 : searched);
        }
        return true;
    }

private:
    std::string_view m_rest;
};

} // namespace norvane
