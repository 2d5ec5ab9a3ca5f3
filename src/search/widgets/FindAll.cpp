#include "search/widgets/FindAll.h"

#include "common/widgets/Dialogs.h"
#include "common/widgets/FontChoice.h"
#include "common/widgets/Latin1.h"
#include "common/widgets/WaitCursor.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"
#include "search/core/HeaderScan.h"
#include "search/core/SearchMessages.h"
#include "search/widgets/EditorMoves.h"
#include "search/widgets/FindResultsModel.h"

#include <QHeaderView>
#include <QTableView>
#include <QTextBlock>

#include <vector>

namespace norvane {

namespace {

constexpr int FindGridRowHeight = 18;
constexpr int ColumnMargin = 12;

// Each column as wide as its widest text; the position column is not seen.
void fitColumns(QTableView &grid, const FindResultsModel &model)
{
    const QFontMetrics metrics(grid.font());
    for (int column = 0; column < FindResultsModel::PositionColumn; ++column)
        grid.setColumnWidth(column, metrics.horizontalAdvance(model.longestText(column)) + ColumnMargin);
    grid.setColumnHidden(FindResultsModel::PositionColumn, true);
}

// Walks the editor's lines from the top in step with the matches, so each
// line is read once however many matches there are, and the line of a match
// is known without a search through the document.
class LineWalk {
public:
    LineWalk(const SourceEditor &editor, bool withHeaders)
        : m_block(editor.document()->firstBlock()), m_withHeaders(withHeaders)
    {
        take();
    }

    // Moves to the line holding the position (at or after the current line).
    void moveTo(int position)
    {
        while (m_nextStart <= position && m_block.next().isValid()) {
            m_block = m_block.next();
            ++m_line;
            m_start = m_nextStart;
            take();
        }
    }

    [[nodiscard]] int line() const { return m_line; }
    [[nodiscard]] int lineStart() const { return m_start; }
    [[nodiscard]] const std::string &text() const { return m_text; }
    // The header of the current line; every line above it has been looked at.
    [[nodiscard]] std::string header() const { return m_headers.header(); }
    [[nodiscard]] int headerLine() const { return m_headers.headerLine(); }

private:
    void take()
    {
        m_text = toBytes(m_block.text());
        if (m_withHeaders)
            m_headers.addLine(m_text);
        m_nextStart = m_start + m_block.length() + 1;   // the line break counts two
    }

    QTextBlock m_block;
    bool m_withHeaders;
    int m_line = 0;
    int m_start = 0;
    int m_nextStart = 0;
    std::string m_text;
    HeaderScan m_headers;
};

} // namespace

void setUpFindResultsGrid(QTableView &grid, FindResultsModel &model)
{
    grid.setModel(&model);
    grid.setFont(fixedPitchFont(QStringLiteral("Lucida Console"), 9));
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setShowGrid(false);
    grid.setWordWrap(false);
    grid.setFocusPolicy(Qt::ClickFocus);
    grid.setTabKeyNavigation(false);
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(FindGridRowHeight);
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid.setColumnHidden(FindResultsModel::PositionColumn, true);
}

void findAllOccurrences(DocumentWindow &child, DocumentHost &host, const FindAllQuery &query)
{
    SourceEditor &editor = *child.editor();
    FindResultsModel &model = *child.findResults();
    const bool append = !child.findResultsGrid()->isHidden() && !model.isEmpty();

    std::vector<FindResult> rows;
    {
        WaitCursor wait;
        const int length = editor.textLength();
        child.syncSuspended = true;
        host.setStatusPanel(1, toQString(findingAllStatus(toBytes(query.text))));
        repaintStatusBar(child);

        LineWalk walk(editor, child.treeShown());
        const int findLength = SourceEditor::positionsOf(query.text);
        const bool acrossLines = findLength != static_cast<int>(query.text.size()) || query.text.contains(u'\r');
        int position = 0;
        while (position >= 0) {
            const int match = editor.findText(position, length, query.text, query.matchCase, query.wholeWord);
            if (match < 0)
                break;
            walk.moveTo(match);
            FindResult row;
            row.line = walk.line();
            row.position = match;
            row.text = toQString(TrimBlanks(walk.text()));
            // A match on the header line itself names no header.
            if (child.treeShown() && walk.headerLine() != walk.line())
                row.header = toQString(walk.header());
            if (acrossLines) {
                row.found = editor.textBetween(match, match + findLength);
            } else {
                const auto column = static_cast<std::size_t>(match - walk.lineStart());
                row.found =
                    toQString(std::string_view(walk.text()).substr(column, static_cast<std::size_t>(findLength)));
            }
            rows.push_back(std::move(row));
            position = match + findLength;
        }
    }

    if (rows.empty()) {
        child.syncSuspended = false;
        child.syncToCaret(child.editor());
        host.dialogs().message(Dialogs::Icon::Information, toQString(notFoundMessage(toBytes(query.text))),
                               Dialogs::Buttons::Ok);
        return;
    }

    WaitCursor wait;
    if (!append)
        model.clear();
    model.append(std::move(rows));
    fitColumns(*child.findResultsGrid(), model);
    child.findResultsGrid()->selectionModel()->clear();
    child.showFindResults();
    child.syncSuspended = false;
    child.syncToCaret(child.editor());
}

void goToFindResult(DocumentWindow &child, int row)
{
    if (child.syncSuspended || row < 0 || row >= child.findResults()->rowCount())
        return;
    const FindResult &result = child.findResults()->result(row);
    SourceEditor &editor = *child.editor();
    editor.suspendRedraw();
    editor.scrollToContext(result.line);
    child.syncSuspended = true;
    editor.setSelection(result.position, static_cast<int>(result.found.size()));
    if (editor.selectedText() != result.found)
        editor.setSelStart(result.position);
    child.syncSuspended = false;
    child.syncToCaret(child.editor());
    editor.resumeRedraw();
    editor.setFocus();
}

} // namespace norvane
