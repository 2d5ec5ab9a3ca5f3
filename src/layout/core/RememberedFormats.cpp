#include "layout/core/RememberedFormats.h"

#include <algorithm>

namespace norvane {

std::string FormatWords(const DataFormat &format)
{
    std::string words = "encoding=" + (format.ebcdic() ? format.encoding : std::string("ASCII"));
    words += " sign=";
    words += SignWord(format.sign);
    words += " records=";
    words += RecordWord(format.records);
    words += " order=";
    words += OrderWord(format.order);
    words += " native=";
    words += OrderWord(format.nativeOrder);
    words += " floats=";
    words += FloatWord(format.floats);
    return words;
}

std::optional<DataFormat> FormatFromWords(std::string_view words)
{
    DataFormat format;
    int seen = 0;
    while (!words.empty()) {
        const std::size_t space = words.find(' ');
        const std::string_view word = words.substr(0, space);
        words = space == std::string_view::npos ? std::string_view() : words.substr(space + 1);
        if (word.empty())
            continue;
        const std::size_t equals = word.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const std::string_view key = word.substr(0, equals);
        const std::string_view value = word.substr(equals + 1);
        bool read = false;
        if (key == "encoding") {
            if (const std::optional<std::string> encoding = EncodingFromName(value)) {
                format.encoding = *encoding;
                read = true;
            }
        } else if (key == "sign") {
            if (const std::optional<SignConvention> sign = SignFromWord(value)) {
                format.sign = *sign;
                read = true;
            }
        } else if (key == "records") {
            if (const std::optional<RecordFormat> records = RecordsFromWord(value)) {
                format.records = *records;
                read = true;
            }
        } else if (key == "order" || key == "native") {
            if (const std::optional<ByteOrder> order = OrderFromWord(value)) {
                (key == "order" ? format.order : format.nativeOrder) = *order;
                read = true;
            }
        } else if (key == "floats") {
            if (const std::optional<FloatFormat> floats = FloatsFromWord(value)) {
                format.floats = *floats;
                read = true;
            }
        }
        if (!read)
            return std::nullopt;
        ++seen;
    }
    if (seen != 6)
        return std::nullopt;
    return format;
}

RememberedFormats RememberedFormats::parse(std::string_view text)
{
    RememberedFormats remembered;
    while (!text.empty() && remembered.m_entries.size() < kMaxFiles) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab + 1 >= line.size())
            continue;
        const std::optional<DataFormat> format = FormatFromWords(line.substr(0, tab));
        const std::string path(line.substr(tab + 1));
        if (!format || remembered.find(path))
            continue;
        remembered.m_entries.emplace_back(path, *format);
    }
    return remembered;
}

std::string RememberedFormats::text() const
{
    std::string text;
    for (const auto &[path, format] : m_entries)
        text += FormatWords(format) + '\t' + path + '\n';
    return text;
}

std::optional<DataFormat> RememberedFormats::find(const std::string &path) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto &entry) { return entry.first == path; });
    if (found == m_entries.end())
        return std::nullopt;
    return found->second;
}

void RememberedFormats::remember(const std::string &path, const DataFormat &format)
{
    std::erase_if(m_entries, [&](const auto &entry) { return entry.first == path; });
    // A path with a line break cannot be kept on one line.
    if (path.find_first_of("\r\n") != std::string::npos)
        return;
    m_entries.insert(m_entries.begin(), {path, format});
    if (m_entries.size() > kMaxFiles)
        m_entries.resize(kMaxFiles);
}

} // namespace norvane
