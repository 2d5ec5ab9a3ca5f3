#include "document/widgets/DocumentWindow.h"

#include "common/core/CommandState.h"
#include "common/core/DocumentKind.h"
#include "common/core/Rounding.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/FontChoice.h"
#include "common/widgets/WaitCursor.h"
#include "common/widgets/Latin1.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentMenus.h"
#include "document/widgets/EditorKeys.h"
#include "document/widgets/PlaceTracker.h"
#include "document/widgets/SourceEditor.h"
#include "editing/core/TransformSelectedLines.h"
#include "layout/widgets/RecordWindows.h"
#include "search/widgets/FindAll.h"
#include "search/widgets/FindResultsModel.h"
#include "search/widgets/FindResultsView.h"
#include "settings/core/Settings.h"
#include "structure/widgets/CopyMemberTrack.h"
#include "structure/widgets/StructureTreeView.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QSplitter>
#include <QTableView>
#include <QTextBlock>
#include <QVBoxLayout>

namespace norvane {

namespace {

constexpr int TreeSplitterWidth = 2;
constexpr int EditorSplitterHeight = 4;

// The lists of storedPlaces(), in their order.
enum StoredList : std::size_t { TreeNodes, DataDivision, ProcedureDivision, EditorHistory, FindLines, FindPositions };

} // namespace

DocumentWindow::DocumentWindow(DocumentHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_treeSplitter = new QSplitter(Qt::Horizontal, this);
    m_treeSplitter->setHandleWidth(TreeSplitterWidth);
    m_treeSplitter->setChildrenCollapsible(true);
    layout->addWidget(m_treeSplitter);

    m_structureTree = new StructureTreeView(m_treeSplitter);
    m_editorPanel = new QWidget(m_treeSplitter);
    m_treeSplitter->setStretchFactor(0, 0);
    m_treeSplitter->setStretchFactor(1, 1);
    m_treeSplitter->setSizes({0, 1});

    auto *panelLayout = new QVBoxLayout(m_editorPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    m_editorSplitter = new QSplitter(Qt::Vertical, m_editorPanel);
    m_editorSplitter->setHandleWidth(EditorSplitterHeight);
    m_editorSplitter->setChildrenCollapsible(false);
    m_editor = new SourceEditor(m_editorSplitter);
    m_splitView = new SourceEditor(m_editorSplitter);
    m_splitView->setReadOnlyMode(true);
    m_splitView->setFocusPolicy(Qt::ClickFocus);
    m_splitView->viewport()->setCursor(Qt::ArrowCursor);
    m_splitView->hide();
    auto *findResultsGrid = new FindResultsView(m_editorSplitter);
    m_findResultsGrid = findResultsGrid;
    m_findResultsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_findResultsGrid->hide();
    m_layoutGrid = new QTableView(m_editorPanel);
    m_layoutGrid->hide();
    m_dataSplitter = new QSplitter(Qt::Vertical, m_editorPanel);
    m_dataSplitter->setChildrenCollapsible(false);
    m_dataSplitter->hide();
    m_dataGrid = new QTableView(m_dataSplitter);
    m_dataGrid->hide();
    panelLayout->addWidget(m_editorSplitter);
    panelLayout->addWidget(m_layoutGrid);
    panelLayout->addWidget(m_dataSplitter);

    m_menus = new DocumentMenus(*this, m_host);

    connect(m_treeSplitter, &QSplitter::splitterMoved, this, [this] {
        m_treeWidth = m_treeSplitter->sizes().constFirst();
        m_treeFollowsWidth = false;
    });
    connect(m_editor, &QPlainTextEdit::textChanged, this, &DocumentWindow::editorTextChanged);
    // The document knows when undoing has brought the text back to what was saved.
    connect(m_editor->document(), &QTextDocument::modificationChanged, this,
            [this](bool modified) { setWindowModified(modified); });
    connect(m_editor, &SourceEditor::selectionChange, this, &DocumentWindow::editorSelectionChanged);
    connect(m_splitView, &SourceEditor::selectionChange, this, &DocumentWindow::splitViewSelectionChanged);
    connect(m_editor, &SourceEditor::entered, this, &DocumentWindow::editorEntered);
    // Ctrl+click on the name in a COPY statement opens the member, as Track does.
    connect(m_editor, &SourceEditor::controlClicked, this, [this] { trackCopyMember(*this, m_host); });
    connect(m_splitView, &SourceEditor::entered, this, &DocumentWindow::splitViewEntered);
    m_keys = new EditorKeys(*this, m_host);
    connect(m_structureTree, &StructureTreeView::mouseUp, this, &DocumentWindow::treeMouseReleased);
    connect(m_structureTree, &StructureTreeView::nodeExpanded, this, [this] { syncToCaret(editorInUse()); });
    connect(m_structureTree, &StructureTreeView::nodeCollapsed, this, [this] { syncToCaret(editorInUse()); });

    // Find-all results grid
    m_findResults = new FindResultsModel(this);
    setUpFindResultsGrid(*m_findResultsGrid, *m_findResults);
    connect(findResultsGrid, &FindResultsView::rowChosen, this, [this](int row) { goToFindResult(*this, row); });

    m_places = new PlaceTracker(
        *m_editor, [this] { return storedPlaces(); }, [this](const MovedLists &moved) { placesMoved(moved); },
        this);
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::setCaption(const QString &caption)
{
    m_caption = caption;
    // "[*]" is where the title shows the mark; one in a file name is doubled to stay as it is.
    QString title = caption;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(title + QStringLiteral("[*]"));
}

void DocumentWindow::setDataModified(bool modified)
{
    dataModified = modified;
    setWindowModified(modified);
}

void DocumentWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ModifiedChange)
        emit unsavedMarkChanged();
}

void DocumentWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A window opened before the main window had its size, or behind the
    // active one, gets its real width only now.
    if (m_treeFollowsWidth && treeShown())
        fitTreeWidth();
}

void DocumentWindow::setTreeWidth(int width)
{
    m_treeWidth = std::max(0, width);
    m_treeSplitter->setSizes({m_treeWidth, std::max(1, m_treeSplitter->width() - m_treeWidth - TreeSplitterWidth)});
}

void DocumentWindow::fitTreeWidth()
{
    setTreeWidth(roundHalfEven(width() / 3.0) - TreeSplitterWidth);
    m_treeFollowsWidth = true;
}

void DocumentWindow::applyPaneSizes()
{
    if (treeShown())
        fitTreeWidth();
    if (!m_splitView->isHidden() || !m_findResultsGrid->isHidden()) {
        const int editorHeight = roundHalfEven(height() * 3 / 5.0) - EditorSplitterHeight;
        // The rest goes to whichever of the split view and the results grid is shown.
        const int rest = std::max(1, m_editorSplitter->height() - editorHeight - EditorSplitterHeight);
        m_editorSplitter->setSizes({editorHeight, rest, rest});
    }
}

SourceEditor *DocumentWindow::editorInUse() const
{
    return mainEditorActive ? m_editor : m_splitView;
}

void DocumentWindow::activate()
{
    const QString title = caption();
    if (title.isEmpty())
        return;
    m_host.applyCommandStates(activationCommonStates());
    m_host.setCurrentDocument(this);
    const std::string bytes = toBytes(title);
    const DocumentKind kind = kindOfCaption(bytes);
    isDataWindow = kind == DocumentKind::Data;
    isLayoutWindow = kind == DocumentKind::Layout;
    isSourceWindow = kind == DocumentKind::Source;
    if (isSourceWindow) {
        applySourceCommandStates();
        if (mainEditorActive)
            editorSelectionChanged();
        else
            splitViewSelectionChanged();
    } else {
        m_host.setStatusPanel(0, QStringLiteral(" "));
        m_host.setStatusPanel(1, QStringLiteral(" "));
        m_host.setDataDocument(this);
        if (isLayoutWindow)
            applyLayoutCommandStates();
        else
            applyDataCommandStates();
    }
    m_host.selectTabFor(title);
    showEditMode();
}

void DocumentWindow::applySourceCommandStates()
{
    SourceWindowFacts facts;
    facts.readOnly = m_editor->isReadOnly();
    facts.modified = m_editor->isModified();
    facts.blank = isBlankCaption(toBytes(caption()));
    facts.treeShown = treeShown();
    facts.historyEmpty = historyInUse().empty();
    m_host.applyCommandStates(sourceCommandStates(facts));
    m_menus->editorSplitItem->setEnabled(!facts.blank);
}

void DocumentWindow::applyLayoutCommandStates()
{
    m_host.applyCommandStates(layoutCommandStates());
}

void DocumentWindow::applyDataCommandStates()
{
    m_host.applyCommandStates(dataCommandStates());
}

void DocumentWindow::updateSaveCommands()
{
    m_host.applyCommandStates(saveCommandStates(m_editor->isReadOnly(), m_editor->isModified()));
}

void DocumentWindow::showEditMode()
{
    if (!isSourceWindow) {
        // A data window's records and format take the wide first panel.
        m_host.setStatusPanel(0, isDataWindow && !dataStatus.isEmpty() ? dataStatus : QStringLiteral(" "));
        m_host.setStatusPanel(1, QStringLiteral(" "));
        return;
    }
    if (!mainEditorActive || m_editor->isReadOnly())
        m_host.setStatusPanel(0, QStringLiteral("Read Only   "));
    else
        m_host.setStatusPanel(0, insertMode ? QStringLiteral("Insert   ") : QStringLiteral("Overtype   "));
}

void DocumentWindow::editorSelectionChanged()
{
    m_keys->scheduleCaretShape();
    syncToCaret(m_editor);
}

void DocumentWindow::splitViewSelectionChanged()
{
    syncToCaret(m_splitView);
}

void DocumentWindow::syncToCaret(SourceEditor *editor)
{
    if (syncSuspended)
        return;
    showEditMode();
    const int line = editor->selStartLine();
    const int column = editor->selStartColumn();
    m_host.setStatusPanel(1, QStringLiteral(" line %1 column %2").arg(line + 1).arg(column + 1));
    if (keyIsDown)
        return;
    if (treeShown())
        highlightNodeOfLine(line);
    m_host.applyCommandStates(
        caretCommandStates(treeShown(), historyInUse().empty(), editor->selLength() >= 1, !editor->isReadOnly()));
}

std::vector<PlaceList> DocumentWindow::storedPlaces()
{
    // The division lines are set with the tree and go with it.
    const std::uint64_t tree = m_structureTree->generation();
    // In the order of StoredList.
    return {
        {PlaceKind::Line, m_structureTree->nodeData(), tree},
        {PlaceKind::Line, std::span(&dataDivisionLine, 1), tree},
        {PlaceKind::Line, std::span(&procedureDivisionLine, 1), tree},
        {PlaceKind::Position, editorHistory, editorHistoryGeneration},
        {PlaceKind::Line, m_findResults->lines(), m_findResults->generation()},
        {PlaceKind::Position, m_findResults->positions(), m_findResults->generation()},
    };
}

void DocumentWindow::placesMoved(const MovedLists &moved)
{
    if (moved[TreeNodes])
        m_structureTree->nodeDataMoved();
    if (moved[FindLines] || moved[FindPositions])
        m_findResults->placesMoved();
}

int DocumentWindow::takeLastTrack()
{
    TrackHistory &history = historyInUse();
    const int position = history.back();
    history.pop_back();
    if (mainEditorActive)
        ++editorHistoryGeneration;
    return position;
}

// The last node at or before the line, or the nearest visible one before it
// when it lies in a collapsed branch. Selecting the node already selected
// would only scroll and repaint the tree on every key.
void DocumentWindow::highlightNodeOfLine(int line)
{
    int index = m_structureTree->lastIndexAtMost(line);
    while (index >= 0 && !m_structureTree->isNodeVisible(m_structureTree->nodeAt(index)))
        --index;
    if (index < 0)
        return;
    StructureTreeView::Node node = m_structureTree->nodeAt(index);
    if (node != m_structureTree->selectedNode())
        m_structureTree->setSelectedNode(node);
}

void DocumentWindow::treeMouseReleased(QMouseEvent *event)
{
    SourceEditor *editor = editorInUse();
    const StructureTreeView::Hit hit = m_structureTree->hitTest(event->position().toPoint());
    if (hit.onLabel && m_structureTree->selectedNode() != nullptr) {
        syncSuspended = true;
        goToSelectedNode(editor);
        syncSuspended = false;
        syncToCaret(editor);
    }
    editor->setFocus();
}

void DocumentWindow::goToSelectedNode(SourceEditor *editor)
{
    const int line = m_structureTree->nodeData(m_structureTree->selectedNode());
    editor->setSelStart(editor->lineIndex(line));
    editor->setFirstVisibleLine(line);
    editor->setFocus();
}

void DocumentWindow::editorTextChanged()
{
    m_keys->scheduleCaretShape();
    if (!syncSuspended && !keyIsDown)
        updateSaveCommands();
}

void DocumentWindow::editorEntered()
{
    m_keys->scheduleCaretShape();
    mainEditorActive = true;
    m_host.applyCommandStates(backTrackStates(!editorHistory.empty()));
    keyIsDown = false;
    editorSelectionChanged();
}

void DocumentWindow::splitViewEntered()
{
    mainEditorActive = false;
    m_host.applyCommandStates(backTrackStates(!splitViewHistory.empty()));
    splitViewSelectionChanged();
}

void DocumentWindow::transformSelectedLines(BlockEdit edit)
{
    if (m_editor->isReadOnly() || m_editor->selLength() < 1)
        return;
    WaitCursor wait;
    const int start = m_editor->selStart();
    const int length = m_editor->selLength();
    QTextDocument *document = m_editor->document();
    const QTextCursor selection = m_editor->textCursor();
    const QTextBlock first = document->findBlock(selection.selectionStart());
    const QTextBlock last = document->findBlock(selection.selectionEnd());
    std::vector<std::string> lines;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        lines.push_back(toBytes(block.text()));
        if (block == last)
            break;
    }
    const BlockEditPlan plan =
        planSelectedLines(lines, static_cast<std::size_t>(selection.selectionStart() - first.position()),
                          static_cast<std::size_t>(selection.selectionEnd() - last.position()), edit,
                          m_host.settings().IndentOption);
    if (plan.edits.empty())
        return;

    // Later lines first, so the positions of the earlier ones stay as they were.
    m_editor->suspendRedraw();
    {
        SourceEditor::EditRun run(*m_editor);
        for (auto it = plan.edits.crbegin(); it != plan.edits.crend(); ++it) {
            const QTextBlock block = document->findBlockByNumber(first.blockNumber() + static_cast<int>(it->line));
            const int at = block.position() + static_cast<int>(it->splice.offset);
            run.replace(at, at + static_cast<int>(it->splice.removed), toQString(it->splice.inserted));
        }
    }
    m_editor->setSelection(start, length + static_cast<int>(plan.lengthChange));
    m_editor->resumeRedraw();
}

void DocumentWindow::toggleSplitView()
{
    WaitCursor wait;
    if (m_splitView->isHidden()) {
        syncSuspended = true;
        closeFindResults();
        m_splitView->setFont(editorFont(m_host.settings().editorFont));
        m_splitView->loadText(m_editor->text());
        m_splitView->show();
        applyPaneSizes();
        syncSuspended = false;
        splitViewSelectionChanged();
        m_splitView->setFocus();
    } else {
        syncSuspended = true;
        m_splitView->hide();
        syncSuspended = false;
        editorSelectionChanged();
        m_editor->setFocus();
        splitViewHistory.clear();
    }
}

void DocumentWindow::refreshSplitView()
{
    WaitCursor wait;
    m_splitView->suspendRedraw();
    const int caret = m_splitView->selStart();
    const int firstVisible = m_splitView->firstVisibleLine();
    m_splitView->loadText(m_editor->text());
    m_splitView->setSelStart(caret);
    m_splitView->setFirstVisibleLine(firstVisible);
    m_splitView->resumeRedraw();
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    releaseOnClose();
    event->accept();
}

DocumentWindow::Unsaved DocumentWindow::askToSaveChanges()
{
    const DocumentKind kind = kindOfCaption(toBytes(caption()));
    const bool source = kind == DocumentKind::Source;
    const bool dataWindow = kind == DocumentKind::Data;
    const bool needQuestion =
        (source && m_editor->isModified() && !m_editor->isReadOnly()) || (dataWindow && dataModified);
    if (!needQuestion)
        return Unsaved::None;
    m_host.bringToFront(this);
    activate();
    TPathName name;
    name.SetPath(toBytes(source ? caption() : dataFileName));
    const Dialogs::Answer answer =
        m_host.dialogs().message(Dialogs::Icon::Confirmation,
                                 QStringLiteral("save ") + toQString(name.FileName) + QStringLiteral(" ?"),
                                 Dialogs::Buttons::YesNoCancel);
    if (answer == Dialogs::Answer::Cancel)
        return Unsaved::Kept;
    if (answer == Dialogs::Answer::No)
        return Unsaved::Dropped;
    // Nothing written (the save was refused, failed or its dialog cancelled)
    // keeps the changes where they are.
    return m_host.saveDocument(this) ? Unsaved::Saved : Unsaved::Kept;
}

bool DocumentWindow::confirmClose()
{
    const Unsaved answer = askToSaveChanges();
    if (answer == Unsaved::Kept)
        return false;
    const bool source = kindOfCaption(toBytes(caption())) == DocumentKind::Source;
    if (answer == Unsaved::Dropped && source)
        m_editor->setModified(false);
    if (source)
        m_host.addRecent(caption());
    return true;
}

void DocumentWindow::releaseOnClose()
{
    m_host.documentClosing(this);
    filePath.reset();
    editorHistory.clear();
    ++editorHistoryGeneration;
    splitViewHistory.clear();
    m_host.setStatusPanel(0, QStringLiteral(" "));
    m_host.setStatusPanel(1, QStringLiteral(" "));
}

// ---- find-all results grid ----

void DocumentWindow::clearFindResults()
{
    syncSuspended = true;
    m_findResults->clear();
    m_findResultsGrid->selectionModel()->clear();
    syncSuspended = false;
}

void DocumentWindow::closeFindResults()
{
    m_findResultsGrid->hide();
    clearFindResults();
    m_editor->setFocus();
}

void DocumentWindow::showFindResults()
{
    m_splitView->hide();
    m_splitView->clear();
    mainEditorActive = true;
    m_findResultsGrid->show();
    const int editorHeight = roundHalfEven(height() * 3 / 5.0) - EditorSplitterHeight;
    const int rest = std::max(1, m_editorSplitter->height() - editorHeight - EditorSplitterHeight);
    m_editorSplitter->setSizes({editorHeight, rest, rest});
    m_editor->setFocus();
}

} // namespace norvane
