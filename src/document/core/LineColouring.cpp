#include "document/core/LineColouring.h"

#include "structure/core/ReservedWords.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace norvane {

namespace {

constexpr int IndicatorColumn = 7;
constexpr int AreaAColumn = 8;
constexpr int AreaBColumn = 12;
constexpr int IdentificationColumn = 73;
constexpr int TabWidth = 8;
// No reserved word is longer; longer words need no look-up.
constexpr std::size_t LongestWord = 31;

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isQuote(char c)
{
    return c == '\'' || c == '"';
}

// Letters, digits, hyphens and underscores make COBOL words; 8-bit characters
// are taken as letters of a national alphabet.
bool isWordCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
        byte >= 0x80;
}

// The reserved words in upper case, sorted, for a binary search.
const std::vector<std::string_view> &sortedReservedWords()
{
    static const std::vector<std::string_view> words = [] {
        std::vector<std::string_view> sorted;
        for (std::string_view word : ReservedWords) {
            if (!word.empty() && isWordCharacter(word.front()))
                sorted.push_back(word);
        }
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }();
    return words;
}

// A word in upper case, for comparing with keywords; empty when it is too long to be one.
struct UpperWord {
    explicit UpperWord(std::string_view word)
    {
        if (word.size() > LongestWord)
            return;
        std::transform(word.begin(), word.end(), buffer.begin(), upper);
        size = word.size();
    }
    [[nodiscard]] std::string_view view() const { return {buffer.data(), size}; }
    [[nodiscard]] bool is(std::string_view keyword) const { return view() == keyword; }

    std::array<char, LongestWord> buffer{};
    std::size_t size = 0;
};

bool isReserved(const UpperWord &word)
{
    const auto &words = sortedReservedWords();
    return word.size > 0 && std::binary_search(words.begin(), words.end(), word.view());
}

bool isDigits(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// 01 to 49 (one digit or two), 66, 77 and 88.
bool isLevelNumber(std::string_view word)
{
    if (!isDigits(word) || word.size() > 2)
        return false;
    const int level = word.size() == 1 ? word[0] - '0' : (word[0] - '0') * 10 + (word[1] - '0');
    return (level >= 1 && level <= 49) || level == 66 || level == 77 || level == 88;
}

// The letters that may stand right before the quote of a literal: hexadecimal,
// national, boolean and null-terminated literals.
bool isLiteralPrefix(const UpperWord &word)
{
    static constexpr std::string_view Prefixes[] = {"X", "N", "NX", "Z", "G", "B", "BX", "U"};
    return std::find(std::begin(Prefixes), std::end(Prefixes), word.view()) != std::end(Prefixes);
}

// The 1-based column where each byte of a line starts, a tab advancing to the
// next multiple of 8 columns.
class Columns {
public:
    explicit Columns(std::string_view line) : m_tabbed(line.find('\t') != std::string_view::npos)
    {
        if (!m_tabbed)
            return;
        m_starts.reserve(line.size() + 1);
        int column = 1;
        for (char c : line) {
            m_starts.push_back(column);
            column = c == '\t' ? column + TabWidth - (column - 1) % TabWidth : column + 1;
        }
        m_starts.push_back(column);
    }

    [[nodiscard]] int at(std::size_t index) const
    {
        return m_tabbed ? m_starts[index] : static_cast<int>(index) + 1;
    }

    // The first byte that starts at or after the column; size when none does.
    [[nodiscard]] std::size_t firstFrom(int column, std::size_t size) const
    {
        if (!m_tabbed)
            return std::min(size, static_cast<std::size_t>(column - 1));
        const auto it = std::lower_bound(m_starts.begin(), m_starts.end() - 1, column);
        return static_cast<std::size_t>(it - m_starts.begin());
    }

private:
    bool m_tabbed;
    std::vector<int> m_starts;
};

// The code area of a line, split into roles.
class CodeColourer {
public:
    CodeColourer(std::string_view line, const Columns &columns, std::size_t begin, std::size_t end,
                 ColouredLine &result)
        : m_line(line), m_columns(columns), m_end(end), m_result(result), m_position(begin)
    {
    }

    LineCarry run(LineCarry before, bool continuation)
    {
        m_pending = before;
        m_continuation = continuation;
        while (m_position < m_end) {
            const char c = m_line[m_position];
            if (isBlank(c)) {
                ++m_position;
                continue;
            }
            if (m_pending == LineCarry::Picture && !(c == '.' && endsStatement(m_position))) {
                picture();
            } else if (isQuote(c)) {
                literal(m_position);
            } else if (c == '*' && m_position + 1 < m_end && m_line[m_position + 1] == '>') {
                add(TextRole::Comment, m_position, m_end);
                m_position = m_end;
            } else if (isWordCharacter(c)) {
                word();
            } else {
                if (c == '.' && endsStatement(m_position))
                    m_pending = LineCarry::None;
                ++m_position;
            }
            m_first = false;
        }
        return m_pending;
    }

private:
    void add(TextRole role, std::size_t from, std::size_t to)
    {
        if (to > from)
            m_result.spans.push_back({static_cast<int>(from), static_cast<int>(to - from), role});
    }

    // A period ends a sentence when a space or the end of the code area follows it.
    [[nodiscard]] bool endsStatement(std::size_t at) const
    {
        return at + 1 >= m_end || isBlank(m_line[at + 1]);
    }

    [[nodiscard]] std::size_t wordEnd(std::size_t from) const
    {
        while (from < m_end && isWordCharacter(m_line[from]))
            ++from;
        return from;
    }

    [[nodiscard]] std::size_t skipBlanks(std::size_t from) const
    {
        while (from < m_end && isBlank(m_line[from]))
            ++from;
        return from;
    }

    // Everything up to the next blank, less a period, comma or semicolon that ends it.
    void picture()
    {
        std::size_t end = m_position;
        while (end < m_end && !isBlank(m_line[end]))
            ++end;
        std::size_t last = end;
        if (last - m_position > 1 && (m_line[last - 1] == '.' || m_line[last - 1] == ',' || m_line[last - 1] == ';'))
            --last;
        // "PIC IS X(5)": the optional IS is no part of the picture.
        const UpperWord text(m_line.substr(m_position, last - m_position));
        if (text.is("IS")) {
            add(TextRole::Keyword, m_position, last);
        } else {
            add(TextRole::Picture, m_position, last);
            m_pending = LineCarry::None;
        }
        m_position = end;
    }

    // A literal runs to its closing quote (a doubled quote stands for one) or
    // to the end of the code area, where a continuation line takes it up.
    void literal(std::size_t start)
    {
        const char quote = m_line[m_position];
        std::size_t at = m_position + 1;
        while (at < m_end) {
            if (m_line[at] == quote) {
                if (at + 1 < m_end && m_line[at + 1] == quote) {
                    at += 2;
                    continue;
                }
                ++at;
                break;
            }
            ++at;
        }
        TextRole role = TextRole::Literal;
        if (m_pending == LineCarry::CopyMember) {
            role = TextRole::CopyMember;
            m_pending = LineCarry::CopyQualifier;
        } else if (m_pending == LineCarry::CopyLibrary) {
            role = TextRole::Copy;
            m_pending = LineCarry::None;
        } else {
            m_pending = LineCarry::None;
        }
        add(role, start, at);
        m_position = at;
    }

    void word()
    {
        const std::size_t start = m_position;
        const std::size_t end = wordEnd(start);
        const std::string_view text = m_line.substr(start, end - start);
        const UpperWord upperText(text);
        m_position = end;

        if (end < m_end && isQuote(m_line[end]) && isLiteralPrefix(upperText)) {
            literal(start);
            return;
        }
        if (copyWord(upperText, start, end))
            return;
        if (m_first && !m_continuation && isLevelNumber(text)) {
            add(TextRole::LevelNumber, start, end);
            return;
        }
        if (m_first && !m_continuation && m_columns.at(start) < AreaBColumn && header(upperText, start, end))
            return;
        if (upperText.is("COPY")) {
            add(TextRole::Copy, start, end);
            m_pending = LineCarry::CopyMember;
            return;
        }
        if (upperText.is("PIC") || upperText.is("PICTURE")) {
            add(TextRole::Keyword, start, end);
            m_pending = LineCarry::Picture;
            return;
        }
        if (isReserved(upperText))
            add(TextRole::Keyword, start, end);
    }

    // The member's name after COPY, then OF or IN and the library.
    bool copyWord(const UpperWord &text, std::size_t start, std::size_t end)
    {
        switch (m_pending) {
        case LineCarry::CopyMember:
            add(TextRole::CopyMember, start, end);
            m_pending = LineCarry::CopyQualifier;
            return true;
        case LineCarry::CopyQualifier:
            if (text.is("OF") || text.is("IN")) {
                add(TextRole::Copy, start, end);
                m_pending = LineCarry::CopyLibrary;
                return true;
            }
            m_pending = LineCarry::None;
            return false;
        case LineCarry::CopyLibrary:
            add(TextRole::Copy, start, end);
            m_pending = LineCarry::None;
            return true;
        case LineCarry::None:
        case LineCarry::Picture:
            break;
        }
        return false;
    }

    // A name in area A followed by DIVISION or SECTION, or a name alone
    // followed by its period (a paragraph).
    bool header(const UpperWord &text, std::size_t start, std::size_t end)
    {
        const std::size_t next = skipBlanks(end);
        const std::size_t nextEnd = wordEnd(next);
        const UpperWord nextWord(m_line.substr(next, nextEnd - next));
        if (nextWord.is("DIVISION") || nextWord.is("SECTION")) {
            add(TextRole::Header, start, nextEnd);
            m_position = nextEnd;
            return true;
        }
        if (end < m_end && m_line[end] == '.' && !isReserved(text) && !isDigits(text.view())) {
            add(TextRole::Header, start, end);
            return true;
        }
        return false;
    }

    std::string_view m_line;
    const Columns &m_columns;
    std::size_t m_end;
    ColouredLine &m_result;
    std::size_t m_position;
    LineCarry m_pending = LineCarry::None;
    bool m_first = true;          // no word of the line has been seen yet
    bool m_continuation = false;  // the line continues the one before
};

} // namespace

ColouredLine colourLine(std::string_view line, LineCarry before)
{
    ColouredLine result;
    const Columns columns(line);
    const std::size_t size = line.size();
    const std::size_t indicator = columns.firstFrom(IndicatorColumn, size);
    const std::size_t codeStart = columns.firstFrom(AreaAColumn, size);
    const std::size_t codeEnd = columns.firstFrom(IdentificationColumn, size);
    auto add = [&result](TextRole role, std::size_t from, std::size_t to) {
        if (to > from)
            result.spans.push_back({static_cast<int>(from), static_cast<int>(to - from), role});
    };

    add(TextRole::Sequence, 0, indicator);
    // A tab that covers column 7 leaves it blank.
    const bool hasIndicator = indicator < size && columns.at(indicator) == IndicatorColumn && line[indicator] != '\t';
    const char mark = hasIndicator ? line[indicator] : ' ';
    result.carry = before;
    if (mark == '*' || mark == '/') {
        add(TextRole::Comment, indicator, codeEnd);
    } else if (mark == 'D' || mark == 'd') {
        add(TextRole::Indicator, indicator, indicator + 1);
        add(TextRole::Debugging, codeStart, codeEnd);
    } else {
        if (mark != ' ')
            add(TextRole::Indicator, indicator, indicator + 1);
        const std::string_view code = line.substr(codeStart, codeEnd - codeStart);
        if (code.find_first_not_of(" \t") != std::string_view::npos)
            result.carry = CodeColourer(line, columns, codeStart, codeEnd, result).run(before, mark == '-');
    }
    add(TextRole::Identification, codeEnd, size);
    return result;
}

bool passesCarryOn(std::string_view line)
{
    const Columns columns(line);
    const std::size_t size = line.size();
    const std::size_t indicator = columns.firstFrom(IndicatorColumn, size);
    const bool hasIndicator = indicator < size && columns.at(indicator) == IndicatorColumn && line[indicator] != '\t';
    const char mark = hasIndicator ? line[indicator] : ' ';
    if (mark == '*' || mark == '/' || mark == 'D' || mark == 'd')
        return true;
    const std::size_t codeStart = columns.firstFrom(AreaAColumn, size);
    const std::size_t codeEnd = columns.firstFrom(IdentificationColumn, size);
    return line.substr(codeStart, codeEnd - codeStart).find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace norvane
