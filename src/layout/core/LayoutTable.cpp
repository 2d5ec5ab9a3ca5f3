#include "layout/core/LayoutTable.h"

#include "common/core/DocumentKind.h"
#include "document/core/SourceText.h"
#include "layout/core/DataEntry.h"
#include "layout/core/Picture.h"
#include "layout/core/Words.h"

#include <algorithm>
#include <optional>

namespace norvane {

namespace {

// Fills the rows entry by entry, keeping the occurring groups that are still
// open and the usage and sign that groups hand down to their items.
class LayoutBuilder {
public:
    explicit LayoutBuilder(LayoutMode mode) : m_mode(mode) {}

    Result<void> add(const DataEntry &entry)
    {
        const bool laterRecord = entry.level == 1 && !m_table.rows.empty();
        bool hidden = false;
        if (m_mode == LayoutMode::Data) {
            if (skips(entry, !entry.redefines.empty() || laterRecord))
                return {};
            hidden = m_skipping;
        }

        while (!m_openGroups.empty() && m_openGroups.back().level >= entry.level) {
            if (Result<void> closed = closeGroup(); !closed)
                return closed;
        }
        while (!m_handedDown.empty() && m_handedDown.back().level >= entry.level)
            m_handedDown.pop_back();
        const HandedDown outer = m_handedDown.empty() ? HandedDown{} : m_handedDown.back();

        LayoutRow row;
        row.level = entry.levelText;
        row.levelNumber = entry.level;
        row.field = entry.name;
        row.redefines = entry.redefines;
        row.recordRedefinition = laterRecord && entry.redefines.empty();
        row.usage = entry.usage.value_or(outer.usage.value_or(Usage::Display));
        row.signSeparate = entry.signSeparate.value_or(outer.signSeparate.value_or(false));
        row.signLeading = entry.signLeading.value_or(outer.signLeading.value_or(false));
        row.blankWhenZero = entry.blankWhenZero;
        row.nativeBinary = entry.usage ? entry.usageNative : outer.native;
        row.dependingOn = entry.dependingOn;
        if (entry.unclosedLiteral) {
            row.message = entry.name + ": a literal is not closed";
            row.rejected = true;
        }
        row.synchronized = entry.synchronized;
        row.hidden = hidden;

        if (!entry.isElementary()) {
            m_handedDown.push_back({entry.level, entry.usage ? entry.usage : outer.usage,
                                    entry.signSeparate ? entry.signSeparate : outer.signSeparate,
                                    entry.signLeading ? entry.signLeading : outer.signLeading,
                                    entry.usage ? entry.usageNative : outer.native});
            if (entry.occurs) {
                row.occurrence = 1;
                m_openGroups.push_back({entry.level, *entry.occurs, m_table.rows.size()});
            }
            return append(std::move(row), 1);
        }

        row.elementary = true;
        row.pic = ToUpperAscii(entry.picture);
        if (!entry.unsupportedUsage.empty())
            row.usage = Usage::Display;
        if (entry.usage == row.usage && entry.usageBytes > 0) {
            row.usageBytes = entry.usageBytes;
            row.usageUnsigned = entry.usageUnsigned;
        }
        if (entry.usage && (entry.usageBytes > 0 || *entry.usage == Usage::Pointer || *entry.usage == Usage::Index))
            row.usageName = ToUpperAscii(entry.usageWord);
        Result<FieldSizeResult> size = FieldSize(row.pic, row.usage, row.signSeparate);
        if (!size)
            return Error{size.error()};
        row.size = row.usageBytes > 0 ? row.usageBytes : size.value().bytes;
        if (!entry.unsupportedUsage.empty()) {
            row.message = entry.name + " has unsupported usage " + ToUpperAscii(entry.unsupportedUsage);
        } else if (!row.pic.empty() && !row.rejected) {
            const std::string complaint = PictureComplaint(row.pic);
            if (!complaint.empty()) {
                const bool worded = complaint.starts_with("has ") || complaint.starts_with("holds ");
                row.message = entry.name + ": " + (worded ? "PIC " + row.pic + " " : std::string()) + complaint;
                row.rejected = true;
            }
        }
        if (!entry.occurs)
            return append(std::move(row), 1);
        // OCCURS n: n rows numbered 1 to n (OCCURS 0 keeps one row, numbered 0).
        const std::int64_t count = *entry.occurs;
        if (Result<void> room = makeRoom(std::max<std::int64_t>(count, 1)); !room)
            return room;
        for (std::int64_t k = 1; k < count; ++k) {
            row.occurrence = k;
            m_table.rows.push_back(row);
        }
        row.occurrence = count;
        m_table.rows.push_back(std::move(row));
        return {};
    }

    Result<LayoutTable> finish()
    {
        while (!m_openGroups.empty()) {
            if (Result<void> closed = closeGroup(); !closed)
                return Error{closed.error()};
        }
        return std::move(m_table);
    }

private:
    struct OpenGroup {
        int level;
        std::int64_t count;
        std::size_t row;
    };
    struct HandedDown {
        int level = 0;
        std::optional<Usage> usage;
        std::optional<bool> signSeparate;
        std::optional<bool> signLeading;
        bool native = false;
    };

    // Data mode leaves out a redefinition with everything under it, and any
    // further redefinition of the same area. Their rows stay, hidden, while the
    // redefined item is among the rows, so that the offsets make room for the
    // longer of the two; true when the entry is dropped at once.
    bool skips(const DataEntry &entry, bool redefining)
    {
        if (m_skipping) {
            if (entry.level > m_skipLevel || (redefining && entry.level == m_skipLevel))
                return !m_skipKeepsRows;
            m_skipping = false;
        }
        if (redefining) {
            m_skipping = true;
            m_skipLevel = entry.level;
            m_skipKeepsRows = hasEarlierRowOfLevel(entry.level);
            return !m_skipKeepsRows;
        }
        return false;
    }

    [[nodiscard]] bool hasEarlierRowOfLevel(int level) const
    {
        for (std::size_t k = m_table.rows.size(); k-- > 0 && m_table.rows[k].levelNumber >= level;) {
            if (m_table.rows[k].levelNumber == level)
                return true;
        }
        return false;
    }

    Result<void> makeRoom(std::int64_t extraRows)
    {
        if (extraRows > static_cast<std::int64_t>(kMaxLayoutRows - m_table.rows.size()))
            return Error{"The record layout needs more than " + std::to_string(kMaxLayoutRows) + " rows"};
        return {};
    }

    Result<void> append(LayoutRow row, std::int64_t count)
    {
        if (Result<void> room = makeRoom(count); !room)
            return room;
        m_table.rows.push_back(std::move(row));
        return {};
    }

    // Repeats the rows of the innermost open group, already expanded for the
    // groups inside it, once for each further occurrence.
    Result<void> closeGroup()
    {
        const OpenGroup group = m_openGroups.back();
        m_openGroups.pop_back();
        if (group.count < 2)
            return {};
        const std::size_t spanEnd = m_table.rows.size();
        const std::int64_t spanRows = static_cast<std::int64_t>(spanEnd - group.row);
        if (Result<void> room = makeRoom(spanRows * (group.count - 1)); !room)
            return room;
        for (std::int64_t k = 2; k <= group.count; ++k) {
            for (std::size_t i = group.row; i < spanEnd; ++i) {
                LayoutRow copy = m_table.rows[i];
                if (i == group.row)
                    copy.occurrence = k;
                m_table.rows.push_back(std::move(copy));
            }
        }
        return {};
    }

    LayoutMode m_mode;
    LayoutTable m_table;
    std::vector<OpenGroup> m_openGroups;
    std::vector<HandedDown> m_handedDown;
    bool m_skipping = false;
    bool m_skipKeepsRows = false;
    int m_skipLevel = 0;
};

} // namespace

std::string LayoutTable::cell(std::size_t row, int column) const
{
    if (column < 0 || column >= kLayoutColumnCount || row >= rowCount())
        return {};
    if (row == 0)
        return std::string(kLayoutTitles[static_cast<std::size_t>(column)]);
    return rows[row - 1].cell(column);
}

std::string LayoutTable::recordName() const
{
    return rows.empty() ? std::string() : rows.front().field;
}

Result<LayoutTable> FillLayoutGrid(const StatementTable &statements, LayoutMode mode)
{
    LayoutBuilder builder(mode);
    for (const Statement &statement : statements) {
        Result<std::optional<DataEntry>> entry = RecognizeEntry(statement);
        if (!entry)
            return Error{entry.error()};
        if (!entry.value())
            continue;
        if (Result<void> added = builder.add(*entry.value()); !added)
            return Error{added.error()};
    }
    return builder.finish();
}

Result<LayoutTable> CalcRecordLayout(const std::vector<std::string> &lines, LayoutMode mode)
{
    const StatementTable statements = SplitStatements(lines);
    if (statements.empty())
        return Error{std::string(kNoRecordDefinition)};
    Result<LayoutTable> filled = FillLayoutGrid(statements, mode);
    if (!filled)
        return filled;
    LayoutTable table = std::move(filled).value();
    if (std::all_of(table.rows.begin(), table.rows.end(), [](const LayoutRow &row) { return row.hidden; }))
        return Error{std::string(kNoRecordDefinition)};
    table.message = ComputeOffsets(table.rows, table.RecData);
    const auto rejected = std::find_if(table.rows.begin(), table.rows.end(), [](const LayoutRow &row) { return row.rejected; });
    if (rejected != table.rows.end())
        table.rejection = rejected->message;
    std::erase_if(table.rows, [](const LayoutRow &row) { return row.hidden; });
    return table;
}

Result<LayoutTable> CalcRecordLayout(std::string_view selectedText, LayoutMode mode)
{
    if (selectedText.empty())
        return Error{std::string(kSelectRecordDefinition)};
    return CalcRecordLayout(splitSourceLines(selectedText), mode);
}

std::string LayoutCaption(const LayoutTable &table)
{
    return std::string(LayoutPrefix) + table.recordName() + " length " + std::to_string(table.RecData.RecordLength);
}

std::string DataCaption(const LayoutTable &table)
{
    return std::string(DataPrefix) + table.recordName();
}

} // namespace norvane
