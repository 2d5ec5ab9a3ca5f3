#include "layout/core/Statements.h"

#include <string_view>

namespace norvane {

namespace {

constexpr std::size_t kIndicatorColumn = 6; // 0-based
constexpr std::size_t kLastColumn = 72;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Builds the statement list word by word; the state carries an open literal
// and a pending word across line ends.
class Splitter {
public:
    void line(std::string_view text, int lineIndex, bool continuation)
    {
        std::size_t i = 0;
        if (continuation) {
            while (i < text.size() && isBlank(text[i]))
                ++i;
            if (m_quote != 0 && i < text.size() && text[i] == m_quote)
                ++i; // the literal goes on after its reopening quote
            else if (m_quote == 0)
                reopenLastWord();
        } else if (m_quote != 0) {
            closeOpenLiteral();
        }

        for (; i < text.size(); ++i) {
            const char c = text[i];
            const bool atEnd = i + 1 == text.size() || isBlank(text[i + 1]) || text.substr(i + 1, 2) == "*>";
            if (m_quote != 0) {
                m_word += c;
                if (c == m_quote) {
                    if (i + 1 < text.size() && text[i + 1] == m_quote)
                        m_word += text[++i]; // a doubled quote stays inside the literal
                    else
                        m_quote = 0;
                }
            } else if (c == '*' && i + 1 < text.size() && text[i + 1] == '>') {
                break; // a floating comment: the rest of the line is not read
            } else if (isBlank(c)) {
                endWord();
            } else if ((c == '.' || c == ',' || c == ';') && atEnd) {
                endWord();
                if (c == '.')
                    m_statementOpen = false;
            } else {
                if (c == '"' || c == '\'')
                    m_quote = c;
                if (m_word.empty())
                    m_wordLine = lineIndex;
                m_word += c;
            }
        }
        if (m_quote == 0)
            endWord();
    }

    // Whether a continuation line has something to continue.
    [[nodiscard]] bool statementOpen() const { return m_statementOpen || m_quote != 0 || !m_word.empty(); }

    StatementTable finish()
    {
        if (m_quote != 0)
            closeOpenLiteral();
        endWord();
        return std::move(m_table);
    }

private:
    // A literal left open without a continuation line ends at the line's end;
    // a period it ends with was meant to end the entry, so that the entries
    // after it are not taken into it.
    void closeOpenLiteral()
    {
        const bool endsEntry = !m_word.empty() && m_word.back() == '.';
        m_quote = 0;
        endWord();
        if (!m_table.empty())
            m_table.back().unclosedLiteral = true;
        if (endsEntry)
            m_statementOpen = false;
    }

    void endWord()
    {
        if (m_word.empty())
            return;
        if (!m_statementOpen) {
            m_table.push_back(Statement{{}, m_wordLine});
            m_statementOpen = true;
        }
        m_table.back().tokens.push_back(std::move(m_word));
        m_word.clear();
    }

    // A continuation line without a literal carries on the last word of the
    // previous line.
    void reopenLastWord()
    {
        if (!m_statementOpen || m_table.empty() || m_table.back().tokens.empty())
            return;
        m_word = std::move(m_table.back().tokens.back());
        m_table.back().tokens.pop_back();
    }

    StatementTable m_table;
    std::string m_word;
    int m_wordLine = 0;
    char m_quote = 0;
    bool m_statementOpen = false;
};

// The line with each tab replaced by the spaces up to the next multiple of 8
// columns.
std::string withTabsExpanded(std::string_view line)
{
    std::string out;
    out.reserve(line.size() + 16);
    for (const char c : line) {
        if (c == '\t')
            out.append(8 - out.size() % 8, ' ');
        else
            out += c;
    }
    return out;
}

} // namespace

StatementTable SplitStatements(const std::vector<std::string> &lines)
{
    Splitter splitter;
    std::string expanded;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        std::string_view line = lines[index];
        if (line.find('\t') != std::string_view::npos) {
            expanded = withTabsExpanded(line);
            line = expanded;
        }
        if (line.size() > kLastColumn)
            line = line.substr(0, kLastColumn);
        if (line.size() <= kIndicatorColumn)
            continue;
        const char indicator = line[kIndicatorColumn];
        if (indicator == '*' || indicator == '/' || indicator == 'D' || indicator == 'd')
            continue;
        if (indicator == '-' && splitter.statementOpen())
            splitter.line(line.substr(kIndicatorColumn + 1), static_cast<int>(index), true);
        else // a blank indicator, or one that continues nothing or no compiler knows, which then reads as text
            splitter.line(line.substr(kIndicatorColumn), static_cast<int>(index), false);
    }
    return splitter.finish();
}

} // namespace norvane
