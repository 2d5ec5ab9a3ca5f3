#include "structure/core/StructureScan.h"

#include "common/core/AsciiCase.h"
#include "document/core/LineReader.h"
#include "document/core/SourceColumns.h"
#include "structure/core/WordTools.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

namespace norvane {

namespace {

constexpr std::size_t kIdentificationColumn = 73; // columns 73-80 are never code
constexpr std::size_t kCodeColumns = kIdentificationColumn - 1;
constexpr std::string_view kPerformPrefix{">       "};

// Whether the text holds `what` starting at the 1-based column, in any letter
// case (`what` is upper case).
bool holdsAt(std::string_view text, std::size_t column, std::string_view what)
{
    return column >= 1 && holdsIgnoringCase(text, column - 1, what);
}

std::string_view trimmedRight(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

// The first word of a text, split at WordDelimiters as SplitWords does.
std::string_view firstWord(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isWordDelimiter(text[start]))
        ++start;
    std::size_t end = start;
    while (end < text.size() && !isWordDelimiter(text[end]))
        ++end;
    return text.substr(start, end - start);
}

// The lines of a list, read one after another like those of a text.
class ListReader {
public:
    explicit ListReader(std::span<const std::string> lines) : m_lines(lines) {}

    bool next(std::string_view &line)
    {
        if (m_next == m_lines.size())
            return false;
        line = m_lines[m_next++];
        return true;
    }

private:
    std::span<const std::string> m_lines;
    std::size_t m_next = 0;
};

// One scan over one text, reading its lines once, in order. LevelNNode holds
// the node most recently created at depth N; a node is only used as a parent
// while its level is open. Keywords count in any letter case, and the columns
// are those of the line with its tabs expanded; node captions show the
// program's own letters.
template <class Reader>
class StructureScanner {
public:
    StructureScanner(Reader reader, const StructureOptions &options) : m_reader(reader), m_options(options) {}

    StructureTree run()
    {
        m_work.reserve(kIdentificationColumn);
        std::string_view line;
        for (m_i = 0; m_reader.next(line); ++m_i) {
            makeWorkingLine(line);
            // Comment, continuation and debugging lines, and lines too short to
            // hold a header, are never looked at.
            if (m_work.size() < 11 || column(7) != ' ')
                continue;
            if (ScanLevel01())
                continue;
            if (holdsAt(m_work, 8, "    ")) {
                if (m_options.ShowPerformOption && m_work.size() >= 18)
                    ScanPerform();
                continue;
            }
            if (!ScanHeader() && (!DivisionSeen || InProcedureDivision))
                ScanParagraph();
            // Each records its header's own line: the header is the first area-A
            // line to get here once its flag is set.
            if (InProcedureDivision && m_tree.ProcedureDivisionLine == 0)
                m_tree.ProcedureDivisionLine = lineIndex();
            if (DataDivisionSeen && m_tree.DataDivisionLine == 0)
                m_tree.DataDivisionLine = lineIndex();
        }
        return std::move(m_tree);
    }

private:
    // Columns 1-6 blanked, cut at column 72, no trailing spaces; columns keep
    // their numbers.
    void makeWorkingLine(std::string_view line)
    {
        const std::string_view columns = expandTabs(line, m_expanded, kCodeColumns);
        m_work.assign(6, ' ');
        if (columns.size() > 6)
            m_work.append(columns.substr(6));
        m_work.resize(trimmedRight(m_work).size());
    }

    [[nodiscard]] char column(std::size_t c) const { return m_work[c - 1]; }
    [[nodiscard]] int lineIndex() const { return static_cast<int>(m_i); }

    int addRoot(std::string text)
    {
        m_tree.nodes.push_back({std::move(text), lineIndex(), -1, false});
        return static_cast<int>(m_tree.nodes.size()) - 1;
    }

    int addChild(int parent, std::string text)
    {
        m_tree.nodes.push_back({std::move(text), lineIndex(), parent, false});
        return static_cast<int>(m_tree.nodes.size()) - 1;
    }

    void expand(int node) { m_tree.nodes[static_cast<std::size_t>(node)].expanded = true; }

    // A new root that opens level 0 and closes the levels below it.
    void openRoot()
    {
        Level0Node = addRoot(m_work);
        Level0Open = true;
        Level1Open = false;
        Level1Section = false;
        Level2Open = false;
    }

    bool ScanLevel01()
    {
        if (m_work.size() <= 11)
            return false;
        const bool level01 = (column(8) == '0' && column(9) == '1' && column(10) == ' ')
            || (column(8) == ' ' && column(9) == '0' && column(10) == '1' && column(11) == ' ')
            || (column(8) == ' ' && column(9) == ' ' && column(10) == '0' && column(11) == '1');
        if (!level01)
            return false;

        std::string_view text = m_work;
        const std::string_view view = m_work;
        const std::size_t pic = std::min(findIgnoringCase(view, " PIC ", 10), findIgnoringCase(view, " PICTURE ", 10));
        if (pic != std::string_view::npos) {
            if (!m_options.Pic01ShowOption)
                return true;
            text = trimmedRight(view.substr(0, pic));
        }

        // Before any header (a copy book) every 01 level is a root.
        if (!Level0Open) {
            Level0Node = addRoot(std::string(text));
        } else if (Level1Open) {
            Level2Node = addChild(Level1Node, std::string(text));
        } else {
            Level1Node = addChild(Level0Node, std::string(text));
            expand(Level0Node);
        }
        return true;
    }

    bool ScanHeader()
    {
        const std::string_view view = m_work;
        const std::size_t division = findIgnoringCase(view, " DIVISION", 11);
        const std::size_t section = findIgnoringCase(view, " SECTION", 11);
        if (division == std::string_view::npos && section == std::string_view::npos)
            return false;

        if (division < section) {
            DivisionSeen = true;
            if (holdsAt(view, 8, "PROCEDURE "))
                InProcedureDivision = true;
            if (holdsAt(view, 8, "DATA "))
                DataDivisionSeen = true;
            openRoot();
            return true;
        }

        SectionSeen = true;
        if (Level0Open && InProcedureDivision) {
            Level1Node = addChild(Level0Node, m_work);
            expand(Level0Node);
            Level1Open = true;
            Level1Section = true;
            // A new section closes the previous section's paragraphs: what comes
            // before its first paragraph belongs to the section itself.
            Level2Open = false;
        } else {
            openRoot();
        }
        return true;
    }

    void ScanParagraph()
    {
        const std::string_view word = firstWord(m_work);
        if (word.empty() || equalsIgnoringCase(word, "EXEC") || equalsIgnoringCase(word, "END-EXEC"))
            return;

        if (Level1Open && Level1Section && InProcedureDivision) {
            Level2Node = addChild(Level1Node, m_work);
            Level2Open = true;
        } else if (Level0Open && SectionSeen) {
            // Paragraphs without a section sit side by side under the division
            // (or section) and each takes its own performed items.
            Level1Node = addChild(Level0Node, m_work);
            expand(Level0Node);
            Level1Open = true;
            Level1Section = false;
            Level2Open = false;
        } else {
            openRoot();
        }
    }

    void ScanPerform()
    {
        std::string_view line = m_work;
        std::size_t length = line.size();
        std::size_t p = 12;
        while (p + 7 < length && line[p - 1] == ' ')
            ++p;
        if (!(p + 5 < length) || !holdsAt(line, p, "PERFORM") || !(p + 7 > length || line[p + 6] == ' '))
            return;
        p += 8;
        while (p <= length && line[p - 1] == ' ')
            ++p;

        if (p > length) {
            // The target is on a later line: the first that is no comment and has
            // something in area B. Lines passed over are not scanned again.
            bool found = false;
            std::string_view next;
            while (m_reader.next(next)) {
                ++m_i;
                line = expandTabs(next, m_expanded, kCodeColumns);
                length = line.size();
                if (length < 12 || line[6] == '*' || line[6] == '/')
                    continue;
                const std::size_t start = line.find_first_not_of(' ', 11);
                if (start != std::string_view::npos) {
                    p = start + 1;
                    found = true;
                    break;
                }
            }
            if (!found)
                return;
        }

        const auto endsWordAt = [&](std::size_t c) { return c > length || line[c - 1] == ' '; };
        if ((holdsAt(line, p, "UNTIL") && endsWordAt(p + 5)) || (holdsAt(line, p, "VARYING") && endsWordAt(p + 7)))
            return; // an inline loop names no target

        const std::string_view rest = line.substr(p - 1);
        const std::string_view name = rest.substr(0, rest.find_first_of(" ."));
        std::string text;
        text.reserve(kPerformPrefix.size() + name.size());
        text.append(kPerformPrefix).append(name);

        if (Level2Open)
            addChild(Level2Node, std::move(text)); // level 3 never takes children
        else if (Level1Open)
            Level2Node = addChild(Level1Node, std::move(text));
        else if (Level0Open)
            Level1Node = addChild(Level0Node, std::move(text));
        else
            Level0Node = addRoot(std::move(text));
    }

    Reader m_reader;
    StructureOptions m_options;
    StructureTree m_tree;
    std::string m_work;       // the working line
    std::string m_expanded;   // a line with its tabs expanded
    std::size_t m_i = 0;

    // The scan state, under its established names.
    int Level0Node = -1;
    int Level1Node = -1;
    int Level2Node = -1;

    bool Level0Open = false;
    bool Level1Open = false;
    bool Level1Section = false; // level 1 holds a PROCEDURE DIVISION section, which takes paragraphs
    bool Level2Open = false;
    bool InProcedureDivision = false;
    bool SectionSeen = false;
    bool DivisionSeen = false;
    bool DataDivisionSeen = false;
};

} // namespace

StructureTree scanStructure(std::string_view text, const StructureOptions &options)
{
    return StructureScanner<LineReader>(LineReader(text), options).run();
}

StructureTree scanStructure(std::span<const std::string> lines, const StructureOptions &options)
{
    return StructureScanner<ListReader>(ListReader(lines), options).run();
}

} // namespace norvane
