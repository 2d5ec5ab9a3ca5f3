#include "document/widgets/DocumentWindow.h"

#include "common/core/CommandState.h"
#include "common/core/DocumentKind.h"
#include "common/core/Rounding.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/FontChoice.h"
#include "common/widgets/WaitCursor.h"
#include "common/widgets/Latin1.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/SourceEditor.h"
#include "editing/core/TransformSelectedLines.h"
#include "layout/widgets/RecordWindows.h"
#include "search/core/ShiftLog.h"
#include "search/widgets/FindAll.h"
#include "search/widgets/FindResultsModel.h"
#include "settings/core/Settings.h"
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

#include <cstdlib>

namespace norvane {

namespace {

constexpr int TreeSplitterWidth = 2;
constexpr int EditorSplitterHeight = 4;

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
    m_findResultsGrid = new QTableView(m_editorSplitter);
    m_findResultsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_findResultsGrid->hide();
    m_layoutGrid = new QTableView(m_editorPanel);
    m_layoutGrid->hide();
    m_dataGrid = new QTableView(m_editorPanel);
    m_dataGrid->hide();
    panelLayout->addWidget(m_editorSplitter);
    panelLayout->addWidget(m_layoutGrid);
    panelLayout->addWidget(m_dataGrid);

    createMenus();

    connect(m_treeSplitter, &QSplitter::splitterMoved, this, [this] { m_treeWidth = m_treeSplitter->sizes().constFirst(); });
    connect(m_editor, &QPlainTextEdit::textChanged, this, &DocumentWindow::editorTextChanged);
    connect(m_editor, &SourceEditor::selectionChange, this, &DocumentWindow::editorSelectionChanged);
    connect(m_splitView, &SourceEditor::selectionChange, this, &DocumentWindow::splitViewSelectionChanged);
    connect(m_editor, &SourceEditor::entered, this, &DocumentWindow::editorEntered);
    connect(m_splitView, &SourceEditor::entered, this, &DocumentWindow::splitViewEntered);
    connect(m_splitView, &SourceEditor::exited, this, [this] { ignoreTabUp = true; });
    connect(m_editor, &SourceEditor::keyDown, this, &DocumentWindow::editorKeyDown);
    connect(m_editor, &SourceEditor::keyUp, this, &DocumentWindow::editorKeyUp);
    connect(m_editor, &SourceEditor::mouseDown, this, [this] {
        ignoreTabUp = false;
        scheduleCaretShape();
    });
    connect(m_editor, &SourceEditor::exited, this, &DocumentWindow::editorExited);
    connect(m_splitView, &SourceEditor::keyUp, this, &DocumentWindow::splitViewKeyUp);
    connect(splitViewRefreshItem, &QAction::triggered, this, &DocumentWindow::refreshSplitView);
    connect(m_structureTree, &StructureTreeView::mouseUp, this, &DocumentWindow::treeMouseReleased);
    connect(m_structureTree, &StructureTreeView::nodeExpanded, this, [this] { syncToCaret(editorInUse()); });
    connect(m_structureTree, &StructureTreeView::nodeCollapsed, this, [this] { syncToCaret(editorInUse()); });

    // Find-all results grid
    m_findResults = new FindResultsModel(this);
    setUpFindResultsGrid(*m_findResultsGrid, *m_findResults);
    connect(m_findResultsGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    goToFindResult(*this, current.row());
            });
    connect(m_findResultsGrid, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { goToFindResult(*this, index.row()); });
    connect(clearFindResultsItem, &QAction::triggered, this, &DocumentWindow::clearFindResults);
    connect(closeFindResultsItem, &QAction::triggered, this, &DocumentWindow::closeFindResults);
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::createMenus()
{
    auto forward = [this](QMenu *menu, const QString &text, CommandId command) {
        QAction *action = menu->addAction(text);
        connect(action, &QAction::triggered, this, [this, command] { m_host.runCommand(command); });
        return action;
    };

    treeMenu = new QMenu(this);
    refreshTreeItem = forward(treeMenu, QStringLiteral("Refresh treeview"), CommandId::RefreshTree);
    QMenu *options = treeMenu->addMenu(QStringLiteral("Options"));
    showPerformedItem = options->addAction(QStringLiteral("Show performed sections / paragraphs"));
    showPic01Item = options->addAction(QStringLiteral("Show 01 levels with PIC clause"));
    showPerformedItem->setCheckable(true);
    showPic01Item->setCheckable(true);
    connect(treeMenu, &QMenu::aboutToShow, this, [this] {
        showPerformedItem->setChecked(m_host.settings().ShowPerformOption);
        showPic01Item->setChecked(m_host.settings().Pic01ShowOption);
    });
    connect(showPerformedItem, &QAction::triggered, this, [this](bool checked) {
        m_host.settings().ShowPerformOption = checked;
        m_host.saveSettings();
        m_host.runCommand(CommandId::RefreshTree);
    });
    connect(showPic01Item, &QAction::triggered, this, [this](bool checked) {
        m_host.settings().Pic01ShowOption = checked;
        m_host.saveSettings();
        m_host.runCommand(CommandId::RefreshTree);
    });
    m_structureTree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_structureTree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { treeMenu->popup(m_structureTree->viewport()->mapToGlobal(point)); });

    editorMenu = new QMenu(this);
    editorCutItem = forward(editorMenu, QStringLiteral("Cut"), CommandId::Cut);
    editorCopyItem = forward(editorMenu, QStringLiteral("Copy"), CommandId::Copy);
    editorPasteItem = forward(editorMenu, QStringLiteral("Paste"), CommandId::Paste);
    editorMenu->addSeparator();
    editorFindItem = forward(editorMenu, QStringLiteral("Find"), CommandId::Find);
    editorFindAllItem = forward(editorMenu, QStringLiteral("Find all"), CommandId::FindAll);
    editorSplitItem = forward(editorMenu, QStringLiteral("Split screen"), CommandId::SplitScreen);
    editorMenu->addSeparator();
    editorTrackItem = forward(editorMenu, QStringLiteral("Track"), CommandId::Track);
    editorBackTrackItem = forward(editorMenu, QStringLiteral("Back track"), CommandId::BackTrack);
    connect(editorMenu, &QMenu::aboutToShow, this, [this] {
        editorSplitItem->setVisible(m_splitView->isHidden());
        editorCutItem->setEnabled(m_host.isCommandEnabled(CommandId::Cut));
        editorCopyItem->setEnabled(m_host.isCommandEnabled(CommandId::Copy));
        editorPasteItem->setEnabled(m_host.isCommandEnabled(CommandId::Paste));
        editorTrackItem->setEnabled(m_host.isCommandEnabled(CommandId::Track));
        editorBackTrackItem->setEnabled(m_host.isCommandEnabled(CommandId::BackTrack));
    });
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { editorMenu->popup(m_editor->viewport()->mapToGlobal(point)); });

    splitViewMenu = new QMenu(this);
    splitViewCopyItem = forward(splitViewMenu, QStringLiteral("Copy"), CommandId::Copy);
    splitViewFindItem = forward(splitViewMenu, QStringLiteral("Find"), CommandId::Find);
    splitViewMenu->addSeparator();
    splitViewTrackItem = forward(splitViewMenu, QStringLiteral("Track"), CommandId::Track);
    splitViewBackTrackItem = forward(splitViewMenu, QStringLiteral("Back track"), CommandId::BackTrack);
    splitViewMenu->addSeparator();
    splitViewRefreshItem = splitViewMenu->addAction(QStringLiteral("Refresh"));
    splitViewCloseItem = forward(splitViewMenu, QStringLiteral("Close"), CommandId::SplitScreen);
    connect(splitViewMenu, &QMenu::aboutToShow, this, [this] {
        splitViewCopyItem->setEnabled(m_host.isCommandEnabled(CommandId::Copy));
        splitViewTrackItem->setEnabled(m_host.isCommandEnabled(CommandId::Track));
        splitViewBackTrackItem->setEnabled(m_host.isCommandEnabled(CommandId::BackTrack));
    });
    m_splitView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_splitView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { splitViewMenu->popup(m_splitView->viewport()->mapToGlobal(point)); });

    dataMenu = new QMenu(this);
    dataCutItem = forward(dataMenu, QStringLiteral("Cut"), CommandId::Cut);
    dataCopyItem = forward(dataMenu, QStringLiteral("Copy"), CommandId::Copy);
    dataPasteItem = forward(dataMenu, QStringLiteral("Paste"), CommandId::Paste);
    dataMenu->addSeparator();
    insertRecordItem = dataMenu->addAction(QStringLiteral("Insert Line"));
    copyRecordItem = dataMenu->addAction(QStringLiteral("Copy Line"));
    deleteRecordItem = dataMenu->addAction(QStringLiteral("Delete Line"));
    connect(insertRecordItem, &QAction::triggered, this, [this] { insertDataRow(*this, false); });
    connect(copyRecordItem, &QAction::triggered, this, [this] { insertDataRow(*this, true); });
    connect(deleteRecordItem, &QAction::triggered, this, [this] { deleteDataRow(*this); });
    m_dataGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_dataGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { dataMenu->popup(m_dataGrid->viewport()->mapToGlobal(point)); });

    findResultsMenu = new QMenu(this);
    clearFindResultsItem = findResultsMenu->addAction(QStringLiteral("Clear"));
    closeFindResultsItem = findResultsMenu->addAction(QStringLiteral("Close"));
    m_findResultsGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_findResultsGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { findResultsMenu->popup(m_findResultsGrid->viewport()->mapToGlobal(point)); });
}

void DocumentWindow::setTreeWidth(int width)
{
    m_treeWidth = std::max(0, width);
    m_treeSplitter->setSizes({m_treeWidth, std::max(1, m_treeSplitter->width() - m_treeWidth - TreeSplitterWidth)});
}

void DocumentWindow::fitTreeWidth()
{
    setTreeWidth(roundHalfEven(width() / 3.0) - TreeSplitterWidth);
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
    editorSplitItem->setEnabled(!facts.blank);
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
        m_host.setStatusPanel(0, QStringLiteral(" "));
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
    scheduleCaretShape();
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
    const int caret = editor->selStart();
    const int line = editor->lineFromChar(caret);
    const int column = caret - editor->lineIndex(-1);
    m_host.setStatusPanel(1, QStringLiteral(" line %1 column %2").arg(line + 1).arg(column + 1));
    if (keyIsDown)
        return;
    if (treeShown())
        highlightNodeOfLine(line);
    m_host.applyCommandStates(
        caretCommandStates(treeShown(), historyInUse().empty(), editor->selLength() >= 1, !editor->isReadOnly()));
}

void DocumentWindow::updateTree()
{
    if (syncSuspended)
        return;
    const int selStart = m_editor->selStart();
    const int caretLine = m_editor->lineFromChar(selStart);
    const int lineDelta = m_editor->lineCount() - lastLineCount;
    const int charDelta = m_editor->textLength() - lastTextLength;
    if (lineDelta == 0 && charDelta == 0)
        return;
    // A stored value is after the edit when it is at or beyond the caret less
    // the size of the change.
    ShiftLog lines;
    ShiftLog positions;
    if (lineDelta != 0)
        lines.add(caretLine - std::abs(lineDelta), lineDelta);
    if (charDelta != 0)
        positions.add(selStart - std::abs(charDelta), charDelta);
    shiftStoredValues(lines, positions);
}

void DocumentWindow::shiftStoredValues(const ShiftLog &lines, const ShiftLog &positions)
{
    dataDivisionLine = lines.apply(dataDivisionLine);
    procedureDivisionLine = lines.apply(procedureDivisionLine);
    if (treeShown() && !lines.empty()) {
        for (int index = m_structureTree->count() - 1; index >= 0; --index)
            m_structureTree->setDataAt(index, lines.apply(m_structureTree->dataAt(index)));
    }
    if (!m_findResultsGrid->isHidden())
        m_findResults->shift(lines, positions);
    if (!positions.empty()) {
        for (int &position : editorHistory)
            position = positions.apply(position);
    }
    lastTextLength = m_editor->textLength();
    lastLineCount = m_editor->lineCount();
}

void DocumentWindow::highlightNodeOfLine(int line)
{
    int index = m_structureTree->count() - 1;
    while (index >= 0 && m_structureTree->dataAt(index) > line)
        --index;
    while (index >= 0 && !m_structureTree->isNodeVisible(m_structureTree->nodeAt(index)))
        --index;
    if (index >= 0)
        m_structureTree->setSelectedNode(m_structureTree->nodeAt(index));
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
    scheduleCaretShape();
    if (!syncSuspended && !keyIsDown)
        updateSaveCommands();
}

void DocumentWindow::editorEntered()
{
    scheduleCaretShape();
    mainEditorActive = true;
    enterPending = false;
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

int DocumentWindow::indentLength() const
{
    return m_host.settings().IndentOption;
}

void DocumentWindow::scheduleCaretShape()
{
    QMetaObject::invokeMethod(this, &DocumentWindow::setCaretShape, Qt::QueuedConnection);
}

void DocumentWindow::setCaretShape()
{
    const bool block = (m_host.settings().optFatCarat || !insertMode) && m_editor->selLength() == 0;
    m_editor->setCursorWidth(block ? 8 : 1);
}

void DocumentWindow::editorExited()
{
    m_editor->setCursorWidth(1);
}

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isTab(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

void DocumentWindow::editorKeyDown(QKeyEvent *event, bool &consumed)
{
    scheduleCaretShape();
    m_host.keyUpDone() = false;
    const int key = event->key();
    if (isEnter(key))
        enterPending = true;
    if (!keyIsDown) {
        keyIsDown = true;
        if (isEnter(key) || key == Qt::Key_Backspace || key == Qt::Key_Delete)
            syncSuspended = true;
    }
    // Tab is handled when it comes up: it inserts blanks, never a tab character.
    if (isTab(key))
        consumed = true;
}

void DocumentWindow::editorKeyUp(QKeyEvent *event)
{
    keyIsDown = false;
    updateSaveCommands();
    syncToCaret(m_editor);
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    bool &keyUpDone = m_host.keyUpDone();
    if (!ignoreTabUp && isTab(key))
        keyUpDone = false;
    ignoreTabUp = false;
    if (keyUpDone)
        return;
    keyUpDone = true;

    if (isEnter(key) && enterPending) {
        enterPending = false;
        const bool acted = autoIndentNewLine();
        if (modifiers & Qt::ShiftModifier)
            insertIndentAtCaret();
        else if (modifiers & Qt::ControlModifier)
            deleteIndentChars(DeleteMode::BeforeCaret);
        syncSuspended = false;
        if (acted)
            updateTree();
        editorSelectionChanged();
        return;
    }
    if (key == Qt::Key_Backspace && (modifiers & Qt::ShiftModifier))
        deleteIndentChars(DeleteMode::Backspace);
    else if (key == Qt::Key_Delete && (modifiers & Qt::ShiftModifier))
        deleteIndentChars(DeleteMode::Delete);

    if (isTab(key)) {
        if (modifiers & (Qt::AltModifier | Qt::ControlModifier))
            return;
        if ((modifiers & Qt::ShiftModifier) || key == Qt::Key_Backtab)
            m_editor->setSelStart(std::max(0, m_editor->selStart() - indentLength()));
        else
            insertIndentAtCaret();
        return;
    }
    if (key == Qt::Key_Insert) {
        if (m_editor->isReadOnly() || (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier)))
            return;
        insertMode = !insertMode;
        m_editor->setOverwriteMode(!insertMode);
        m_host.setStatusPanel(0, insertMode ? QStringLiteral("Insert   ") : QStringLiteral("Overtype   "));
        scheduleCaretShape();
        return;
    }
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        editorSelectionChanged();
        return;
    }
    syncSuspended = false;
    updateTree();
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
        editorSelectionChanged();
}

void DocumentWindow::splitViewKeyUp(QKeyEvent *event)
{
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)
        splitViewSelectionChanged();
}

void DocumentWindow::insertTextAtCaret(const QString &text)
{
    if (!text.isEmpty())
        m_editor->replaceSelection(text);
}

void DocumentWindow::insertIndentAtCaret()
{
    insertTextAtCaret(QString(indentLength(), u' '));
    updateTree();
}

void DocumentWindow::deleteIndentChars(DeleteMode mode)
{
    const int n = indentLength();
    m_editor->suspendRedraw();
    int count = m_editor->selStart() - m_editor->lineIndex(-1);
    switch (mode) {
    case DeleteMode::Backspace:
        if (count >= n)
            count = std::max(n - 1, 0);
        break;
    case DeleteMode::Delete:
        count = n;
        break;
    case DeleteMode::BeforeCaret:
        count = std::min(count, n);
        break;
    }
    if (mode != DeleteMode::Delete)
        m_editor->setSelStart(m_editor->selStart() - count);
    if (count > 0) {
        m_editor->setSelLength(count);
        m_editor->clearSelection();
    }
    m_editor->setSelLength(0);
    m_editor->resumeRedraw();
}

bool DocumentWindow::autoIndentNewLine()
{
    if (m_editor->selStart() != m_editor->lineIndex(-1))
        return false;
    const int line = m_editor->lineFromChar(m_editor->selStart());
    if (line < 1)
        return true;
    const QString above = m_editor->lineText(line - 1);
    qsizetype blanks = 0;
    while (blanks < above.size() && above.at(blanks) == u' ')
        ++blanks;
    const bool indented = blanks > 0 && blanks < above.size();
    if (indented)
        insertTextAtCaret(QString(blanks, u' '));
    qsizetype end = above.size();
    while (end > 0 && above.at(end - 1) == u' ')
        --end;
    if (end < above.size()) {
        m_editor->suspendRedraw();
        m_editor->setLineText(line - 1, above.left(end));
        m_editor->setSelStart(m_editor->lineIndex(line - 1) + static_cast<int>(end) + 2 +
                               static_cast<int>(indented ? blanks : 0));
        m_editor->resumeRedraw();
    }
    return true;
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
                          static_cast<std::size_t>(selection.selectionEnd() - last.position()), edit, indentLength());
    if (plan.edits.empty())
        return;

    // Later lines first, so the positions of the earlier ones stay as they were.
    m_editor->suspendRedraw();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (auto it = plan.edits.crbegin(); it != plan.edits.crend(); ++it) {
        const QTextBlock block = document->findBlockByNumber(first.blockNumber() + static_cast<int>(it->line));
        const int at = block.position() + static_cast<int>(it->splice.offset);
        cursor.setPosition(at);
        cursor.setPosition(at + static_cast<int>(it->splice.removed), QTextCursor::KeepAnchor);
        cursor.insertText(toQString(it->splice.inserted));
    }
    cursor.endEditBlock();
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

bool DocumentWindow::confirmClose()
{
    const DocumentKind kind = kindOfCaption(toBytes(caption()));
    const bool source = kind == DocumentKind::Source;
    const bool dataWindow = kind == DocumentKind::Data;
    const bool needQuestion =
        (source && m_editor->isModified() && !m_editor->isReadOnly()) || (dataWindow && dataModified);
    if (needQuestion) {
        m_host.bringToFront(this);
        activate();
        TPathName name;
        name.SetPath(toBytes(source ? caption() : dataFileName));
        const Dialogs::Answer answer =
            m_host.dialogs().message(Dialogs::Icon::Confirmation,
                                     QStringLiteral("save ") + toQString(name.FileName) + QStringLiteral(" ?"),
                                     Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Answer::Cancel)
            return false;
        if (answer == Dialogs::Answer::No) {
            if (source)
                m_editor->setModified(false);
        } else if (!m_host.saveDocument(this)) {
            // Nothing was written (the save was refused, failed or its dialog
            // cancelled): closing now would lose the changes.
            return false;
        }
    }
    if (source)
        m_host.addRecent(caption());
    return true;
}

void DocumentWindow::releaseOnClose()
{
    m_host.documentClosing(this);
    filePath.reset();
    editorHistory.clear();
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
