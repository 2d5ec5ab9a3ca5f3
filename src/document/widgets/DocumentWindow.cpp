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

constexpr int Splitter1Width = 2;
constexpr int Splitter2Height = 4;

} // namespace

DocumentWindow::DocumentWindow(DocumentHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setHandleWidth(Splitter1Width);
    Splitter1->setChildrenCollapsible(true);
    layout->addWidget(Splitter1);

    TreeView1 = new StructureTreeView(Splitter1);
    REPanel = new QWidget(Splitter1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({0, 1});

    auto *panelLayout = new QVBoxLayout(REPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    Splitter2 = new QSplitter(Qt::Vertical, REPanel);
    Splitter2->setHandleWidth(Splitter2Height);
    Splitter2->setChildrenCollapsible(false);
    RichEdit1 = new SourceEditor(Splitter2);
    RichEdit2 = new SourceEditor(Splitter2);
    RichEdit2->setReadOnlyMode(true);
    RichEdit2->setFocusPolicy(Qt::ClickFocus);
    RichEdit2->viewport()->setCursor(Qt::ArrowCursor);
    RichEdit2->hide();
    FindGrid = new QTableView(Splitter2);
    FindGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FindGrid->hide();
    StringGrid1 = new QTableView(REPanel);
    StringGrid1->hide();
    StringGrid2 = new QTableView(REPanel);
    StringGrid2->hide();
    panelLayout->addWidget(Splitter2);
    panelLayout->addWidget(StringGrid1);
    panelLayout->addWidget(StringGrid2);

    createMenus();

    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { m_treeWidth = Splitter1->sizes().constFirst(); });
    connect(RichEdit1, &QPlainTextEdit::textChanged, this, &DocumentWindow::RichEdit1Change);
    connect(RichEdit1, &SourceEditor::selectionChange, this, &DocumentWindow::RichEdit1SelectionChange);
    connect(RichEdit2, &SourceEditor::selectionChange, this, &DocumentWindow::RichEdit2SelectionChange);
    connect(RichEdit1, &SourceEditor::entered, this, &DocumentWindow::RichEdit1Enter);
    connect(RichEdit2, &SourceEditor::entered, this, &DocumentWindow::RichEdit2Enter);
    connect(RichEdit2, &SourceEditor::exited, this, [this] { IgnoreTabUp = true; });
    connect(RichEdit1, &SourceEditor::keyDown, this, &DocumentWindow::RichEdit1KeyDown);
    connect(RichEdit1, &SourceEditor::keyUp, this, &DocumentWindow::RichEdit1KeyUp);
    connect(RichEdit1, &SourceEditor::mouseDown, this, [this] {
        IgnoreTabUp = false;
        postCaretMessage();
    });
    connect(RichEdit1, &SourceEditor::exited, this, &DocumentWindow::RichEdit1Exit);
    connect(RichEdit2, &SourceEditor::keyUp, this, &DocumentWindow::RichEdit2KeyUp);
    connect(Refresh1, &QAction::triggered, this, &DocumentWindow::Refresh1Click);
    connect(TreeView1, &StructureTreeView::mouseUp, this, &DocumentWindow::TreeView1MouseUp);
    connect(TreeView1, &StructureTreeView::nodeExpanded, this, [this] { SyncToCaret(editorInUse()); });
    connect(TreeView1, &StructureTreeView::nodeCollapsed, this, [this] { SyncToCaret(editorInUse()); });

    // Find-all results grid
    FindResults = new FindResultsModel(this);
    setUpFindGrid(*FindGrid, *FindResults);
    connect(FindGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    FindGridSelectCell(*this, current.row());
            });
    connect(FindGrid, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { FindGridSelectCell(*this, index.row()); });
    connect(ClearGrid, &QAction::triggered, this, &DocumentWindow::ClearGridClick);
    connect(CloseGrid, &QAction::triggered, this, &DocumentWindow::CloseGridClick);
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::createMenus()
{
    auto forward = [this](QMenu *menu, const QString &text, CommandId command) {
        QAction *action = menu->addAction(text);
        connect(action, &QAction::triggered, this, [this, command] { m_host.runCommand(command); });
        return action;
    };

    TreeViewMenu = new QMenu(this);
    RefreshTreeview1 = forward(TreeViewMenu, QStringLiteral("Refresh treeview"), CommandId::RefreshTree1);
    QMenu *options = TreeViewMenu->addMenu(QStringLiteral("Options"));
    ShowPerformedSections = options->addAction(QStringLiteral("Show performed sections / paragraphs"));
    Show01levelsWithPICClause = options->addAction(QStringLiteral("Show 01 levels with PIC clause"));
    ShowPerformedSections->setCheckable(true);
    Show01levelsWithPICClause->setCheckable(true);
    connect(TreeViewMenu, &QMenu::aboutToShow, this, [this] {
        ShowPerformedSections->setChecked(m_host.settings().ShowPerformOption);
        Show01levelsWithPICClause->setChecked(m_host.settings().Pic01ShowOption);
    });
    connect(ShowPerformedSections, &QAction::triggered, this, [this](bool checked) {
        m_host.settings().ShowPerformOption = checked;
        m_host.saveSettings();
        m_host.runCommand(CommandId::RefreshTree1);
    });
    connect(Show01levelsWithPICClause, &QAction::triggered, this, [this](bool checked) {
        m_host.settings().Pic01ShowOption = checked;
        m_host.saveSettings();
        m_host.runCommand(CommandId::RefreshTree1);
    });
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { TreeViewMenu->popup(TreeView1->viewport()->mapToGlobal(point)); });

    RichEditMenu = new QMenu(this);
    Cut1 = forward(RichEditMenu, QStringLiteral("Cut"), CommandId::CutItem);
    Copy1 = forward(RichEditMenu, QStringLiteral("Copy"), CommandId::CopyItem);
    Paste1 = forward(RichEditMenu, QStringLiteral("Paste"), CommandId::PasteItem);
    RichEditMenu->addSeparator();
    Find1 = forward(RichEditMenu, QStringLiteral("Find"), CommandId::Find1);
    Findall1 = forward(RichEditMenu, QStringLiteral("Find all"), CommandId::FindAll1);
    Splitscreen1 = forward(RichEditMenu, QStringLiteral("Split screen"), CommandId::SplitBtn);
    RichEditMenu->addSeparator();
    mnuTrack = forward(RichEditMenu, QStringLiteral("Track"), CommandId::mmTrack);
    mnuTrackback = forward(RichEditMenu, QStringLiteral("Back track"), CommandId::Trackback1);
    connect(RichEditMenu, &QMenu::aboutToShow, this, [this] {
        Splitscreen1->setVisible(RichEdit2->isHidden());
        Cut1->setEnabled(m_host.isCommandEnabled(CommandId::CutBtn));
        Copy1->setEnabled(m_host.isCommandEnabled(CommandId::CopyBtn));
        Paste1->setEnabled(m_host.isCommandEnabled(CommandId::PasteBtn));
        mnuTrack->setEnabled(m_host.isCommandEnabled(CommandId::mmTrack));
        mnuTrackback->setEnabled(m_host.isCommandEnabled(CommandId::Trackback1));
    });
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { RichEditMenu->popup(RichEdit1->viewport()->mapToGlobal(point)); });

    RichEdit2Menu = new QMenu(this);
    Copy3 = forward(RichEdit2Menu, QStringLiteral("Copy"), CommandId::CopyItem);
    Find3 = forward(RichEdit2Menu, QStringLiteral("Find"), CommandId::Find1);
    RichEdit2Menu->addSeparator();
    m2Track = forward(RichEdit2Menu, QStringLiteral("Track"), CommandId::mmTrack);
    m2Trackback = forward(RichEdit2Menu, QStringLiteral("Back track"), CommandId::Trackback1);
    RichEdit2Menu->addSeparator();
    Refresh1 = RichEdit2Menu->addAction(QStringLiteral("Refresh"));
    Close4 = forward(RichEdit2Menu, QStringLiteral("Close"), CommandId::SplitBtn);
    connect(RichEdit2Menu, &QMenu::aboutToShow, this, [this] {
        Copy3->setEnabled(m_host.isCommandEnabled(CommandId::CopyBtn));
        m2Track->setEnabled(m_host.isCommandEnabled(CommandId::mmTrack));
        m2Trackback->setEnabled(m_host.isCommandEnabled(CommandId::btnTrackback));
    });
    RichEdit2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { RichEdit2Menu->popup(RichEdit2->viewport()->mapToGlobal(point)); });

    DataMenu = new QMenu(this);
    DataCut = forward(DataMenu, QStringLiteral("Cut"), CommandId::CutItem);
    DataCopy = forward(DataMenu, QStringLiteral("Copy"), CommandId::CopyItem);
    DataPaste = forward(DataMenu, QStringLiteral("Paste"), CommandId::PasteItem);
    DataMenu->addSeparator();
    InsertLine1 = DataMenu->addAction(QStringLiteral("Insert Line"));
    CopyLine1 = DataMenu->addAction(QStringLiteral("Copy Line"));
    DeleteLine1 = DataMenu->addAction(QStringLiteral("Delete Line"));
    connect(InsertLine1, &QAction::triggered, this, [this] { InsertDataRow(*this, false); });
    connect(CopyLine1, &QAction::triggered, this, [this] { InsertDataRow(*this, true); });
    connect(DeleteLine1, &QAction::triggered, this, [this] { DeleteDataRow(*this); });
    StringGrid2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { DataMenu->popup(StringGrid2->viewport()->mapToGlobal(point)); });

    FindGridMenu = new QMenu(this);
    ClearGrid = FindGridMenu->addAction(QStringLiteral("Clear"));
    CloseGrid = FindGridMenu->addAction(QStringLiteral("Close"));
    FindGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FindGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { FindGridMenu->popup(FindGrid->viewport()->mapToGlobal(point)); });
}

void DocumentWindow::setTreeWidth(int width)
{
    m_treeWidth = std::max(0, width);
    Splitter1->setSizes({m_treeWidth, std::max(1, Splitter1->width() - m_treeWidth - Splitter1Width)});
}

void DocumentWindow::fitTreeWidth()
{
    setTreeWidth(roundHalfEven(width() / 3.0) - Splitter1Width);
}

void DocumentWindow::applyPaneSizes()
{
    if (treeShown())
        fitTreeWidth();
    if (!RichEdit2->isHidden() || !FindGrid->isHidden()) {
        const int editorHeight = roundHalfEven(height() * 3 / 5.0) - Splitter2Height;
        // The rest goes to whichever of the split view and the results grid is shown.
        const int rest = std::max(1, Splitter2->height() - editorHeight - Splitter2Height);
        Splitter2->setSizes({editorHeight, rest, rest});
    }
}

SourceEditor *DocumentWindow::editorInUse() const
{
    return MainEditorActive ? RichEdit1 : RichEdit2;
}

void DocumentWindow::FormActivate()
{
    const QString title = caption();
    if (title.isEmpty())
        return;
    m_host.applyCommandStates(activationCommonStates());
    m_host.setCurrentChild(this);
    const std::string bytes = toBytes(title);
    const DocumentKind kind = kindOfCaption(bytes);
    IsDataWindow = kind == DocumentKind::Data;
    IsLayoutWindow = kind == DocumentKind::Layout;
    IsSourceWindow = kind == DocumentKind::Source;
    if (IsSourceWindow) {
        SourceCommandState();
        if (MainEditorActive)
            RichEdit1SelectionChange();
        else
            RichEdit2SelectionChange();
    } else {
        m_host.setStatusPanel(0, QStringLiteral(" "));
        m_host.setStatusPanel(1, QStringLiteral(" "));
        m_host.setDataFileChild(this);
        if (IsLayoutWindow)
            LayoutCommandState();
        else
            DataCommandState();
    }
    m_host.selectTabFor(title);
    ShowEditMode();
}

void DocumentWindow::SourceCommandState()
{
    SourceWindowFacts facts;
    facts.readOnly = RichEdit1->isReadOnly();
    facts.modified = RichEdit1->isModified();
    facts.blank = isBlankCaption(toBytes(caption()));
    facts.treeShown = treeShown();
    facts.historyEmpty = historyInUse().empty();
    m_host.applyCommandStates(sourceCommandStates(facts));
    Splitscreen1->setEnabled(!facts.blank);
}

void DocumentWindow::LayoutCommandState()
{
    m_host.applyCommandStates(layoutCommandStates());
}

void DocumentWindow::DataCommandState()
{
    m_host.applyCommandStates(dataCommandStates());
}

void DocumentWindow::UpdateSaveCommands()
{
    m_host.applyCommandStates(saveCommandStates(RichEdit1->isReadOnly(), RichEdit1->isModified()));
}

void DocumentWindow::ShowEditMode()
{
    if (!IsSourceWindow) {
        m_host.setStatusPanel(0, QStringLiteral(" "));
        m_host.setStatusPanel(1, QStringLiteral(" "));
        return;
    }
    if (!MainEditorActive || RichEdit1->isReadOnly())
        m_host.setStatusPanel(0, QStringLiteral("Read Only   "));
    else
        m_host.setStatusPanel(0, InsertMode ? QStringLiteral("Insert   ") : QStringLiteral("Overtype   "));
}

void DocumentWindow::RichEdit1SelectionChange()
{
    postCaretMessage();
    SyncToCaret(RichEdit1);
}

void DocumentWindow::RichEdit2SelectionChange()
{
    SyncToCaret(RichEdit2);
}

void DocumentWindow::SyncToCaret(SourceEditor *editor)
{
    if (SyncSuspended)
        return;
    ShowEditMode();
    const int caret = editor->selStart();
    const int line = editor->lineFromChar(caret);
    const int column = caret - editor->lineIndex(-1);
    m_host.setStatusPanel(1, QStringLiteral(" line %1 column %2").arg(line + 1).arg(column + 1));
    if (KeyIsDown)
        return;
    if (treeShown())
        highlightNodeOfLine(line);
    m_host.applyCommandStates(
        caretCommandStates(treeShown(), historyInUse().empty(), editor->selLength() >= 1, !editor->isReadOnly()));
}

void DocumentWindow::UpdateTree()
{
    if (SyncSuspended)
        return;
    const int selStart = RichEdit1->selStart();
    const int caretLine = RichEdit1->lineFromChar(selStart);
    const int lineDelta = RichEdit1->lineCount() - LastLineCount;
    const int charDelta = RichEdit1->textLength() - LastTextLength;
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
    DataDivisionLine = lines.apply(DataDivisionLine);
    ProcedureDivisionLine = lines.apply(ProcedureDivisionLine);
    if (treeShown() && !lines.empty()) {
        for (int index = TreeView1->count() - 1; index >= 0; --index)
            TreeView1->setDataAt(index, lines.apply(TreeView1->dataAt(index)));
    }
    if (!FindGrid->isHidden())
        FindResults->shift(lines, positions);
    if (!positions.empty()) {
        for (int &position : TrackHistory1)
            position = positions.apply(position);
    }
    LastTextLength = RichEdit1->textLength();
    LastLineCount = RichEdit1->lineCount();
}

void DocumentWindow::highlightNodeOfLine(int line)
{
    int index = TreeView1->count() - 1;
    while (index >= 0 && TreeView1->dataAt(index) > line)
        --index;
    while (index >= 0 && !TreeView1->isNodeVisible(TreeView1->nodeAt(index)))
        --index;
    if (index >= 0)
        TreeView1->setSelectedNode(TreeView1->nodeAt(index));
}

void DocumentWindow::TreeView1MouseUp(QMouseEvent *event)
{
    SourceEditor *editor = editorInUse();
    const StructureTreeView::Hit hit = TreeView1->hitTest(event->position().toPoint());
    if (hit.onLabel && TreeView1->selectedNode() != nullptr) {
        SyncSuspended = true;
        GotoTreeNode(editor);
        SyncSuspended = false;
        SyncToCaret(editor);
    }
    editor->setFocus();
}

void DocumentWindow::GotoTreeNode(SourceEditor *editor)
{
    const int line = TreeView1->nodeData(TreeView1->selectedNode());
    editor->setSelStart(editor->lineIndex(line));
    editor->setFirstVisibleLine(line);
    editor->setFocus();
}

void DocumentWindow::RichEdit1Change()
{
    postCaretMessage();
    if (!SyncSuspended && !KeyIsDown)
        UpdateSaveCommands();
}

void DocumentWindow::RichEdit1Enter()
{
    postCaretMessage();
    MainEditorActive = true;
    EnterPending = false;
    m_host.applyCommandStates(backTrackStates(!TrackHistory1.empty()));
    KeyIsDown = false;
    RichEdit1SelectionChange();
}

void DocumentWindow::RichEdit2Enter()
{
    MainEditorActive = false;
    m_host.applyCommandStates(backTrackStates(!TrackHistory2.empty()));
    RichEdit2SelectionChange();
}

int DocumentWindow::indentLength() const
{
    return m_host.settings().IndentOption;
}

void DocumentWindow::postCaretMessage()
{
    QMetaObject::invokeMethod(this, &DocumentWindow::SetCaretShape, Qt::QueuedConnection);
}

void DocumentWindow::SetCaretShape()
{
    const bool block = (m_host.settings().optFatCarat || !InsertMode) && RichEdit1->selLength() == 0;
    RichEdit1->setCursorWidth(block ? 8 : 1);
}

void DocumentWindow::RichEdit1Exit()
{
    RichEdit1->setCursorWidth(1);
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

void DocumentWindow::RichEdit1KeyDown(QKeyEvent *event, bool &consumed)
{
    postCaretMessage();
    m_host.keyUpDone() = false;
    const int key = event->key();
    if (isEnter(key))
        EnterPending = true;
    if (!KeyIsDown) {
        KeyIsDown = true;
        if (isEnter(key) || key == Qt::Key_Backspace || key == Qt::Key_Delete)
            SyncSuspended = true;
    }
    // Tab is handled when it comes up: it inserts blanks, never a tab character.
    if (isTab(key))
        consumed = true;
}

void DocumentWindow::RichEdit1KeyUp(QKeyEvent *event)
{
    KeyIsDown = false;
    UpdateSaveCommands();
    SyncToCaret(RichEdit1);
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    bool &keyUpDone = m_host.keyUpDone();
    if (!IgnoreTabUp && isTab(key))
        keyUpDone = false;
    IgnoreTabUp = false;
    if (keyUpDone)
        return;
    keyUpDone = true;

    if (isEnter(key) && EnterPending) {
        EnterPending = false;
        const bool acted = AutoIndentNewLine();
        if (modifiers & Qt::ShiftModifier)
            InsertIndentAtCaret();
        else if (modifiers & Qt::ControlModifier)
            DeleteIndentChars(DeleteMode::BeforeCaret);
        SyncSuspended = false;
        if (acted)
            UpdateTree();
        RichEdit1SelectionChange();
        return;
    }
    if (key == Qt::Key_Backspace && (modifiers & Qt::ShiftModifier))
        DeleteIndentChars(DeleteMode::Backspace);
    else if (key == Qt::Key_Delete && (modifiers & Qt::ShiftModifier))
        DeleteIndentChars(DeleteMode::Delete);

    if (isTab(key)) {
        if (modifiers & (Qt::AltModifier | Qt::ControlModifier))
            return;
        if ((modifiers & Qt::ShiftModifier) || key == Qt::Key_Backtab)
            RichEdit1->setSelStart(std::max(0, RichEdit1->selStart() - indentLength()));
        else
            InsertIndentAtCaret();
        return;
    }
    if (key == Qt::Key_Insert) {
        if (RichEdit1->isReadOnly() || (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier)))
            return;
        InsertMode = !InsertMode;
        RichEdit1->setOverwriteMode(!InsertMode);
        m_host.setStatusPanel(0, InsertMode ? QStringLiteral("Insert   ") : QStringLiteral("Overtype   "));
        postCaretMessage();
        return;
    }
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        RichEdit1SelectionChange();
        return;
    }
    SyncSuspended = false;
    UpdateTree();
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
        RichEdit1SelectionChange();
}

void DocumentWindow::RichEdit2KeyUp(QKeyEvent *event)
{
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)
        RichEdit2SelectionChange();
}

void DocumentWindow::InsertTextAtCaret(const QString &text)
{
    if (!text.isEmpty())
        RichEdit1->replaceSelection(text);
}

void DocumentWindow::InsertIndentAtCaret()
{
    InsertTextAtCaret(QString(indentLength(), u' '));
    UpdateTree();
}

void DocumentWindow::DeleteIndentChars(DeleteMode mode)
{
    const int n = indentLength();
    RichEdit1->suspendRedraw();
    int count = RichEdit1->selStart() - RichEdit1->lineIndex(-1);
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
        RichEdit1->setSelStart(RichEdit1->selStart() - count);
    if (count > 0) {
        RichEdit1->setSelLength(count);
        RichEdit1->clearSelection();
    }
    RichEdit1->setSelLength(0);
    RichEdit1->resumeRedraw();
}

bool DocumentWindow::AutoIndentNewLine()
{
    if (RichEdit1->selStart() != RichEdit1->lineIndex(-1))
        return false;
    const int line = RichEdit1->lineFromChar(RichEdit1->selStart());
    if (line < 1)
        return true;
    const QString above = RichEdit1->lineText(line - 1);
    qsizetype blanks = 0;
    while (blanks < above.size() && above.at(blanks) == u' ')
        ++blanks;
    const bool indented = blanks > 0 && blanks < above.size();
    if (indented)
        InsertTextAtCaret(QString(blanks, u' '));
    qsizetype end = above.size();
    while (end > 0 && above.at(end - 1) == u' ')
        --end;
    if (end < above.size()) {
        RichEdit1->suspendRedraw();
        RichEdit1->setLineText(line - 1, above.left(end));
        RichEdit1->setSelStart(RichEdit1->lineIndex(line - 1) + static_cast<int>(end) + 2 +
                               static_cast<int>(indented ? blanks : 0));
        RichEdit1->resumeRedraw();
    }
    return true;
}

void DocumentWindow::TransformSelectedLines(BlockEdit edit)
{
    if (RichEdit1->isReadOnly() || RichEdit1->selLength() < 1)
        return;
    WaitCursor wait;
    const int start = RichEdit1->selStart();
    const int length = RichEdit1->selLength();
    QTextDocument *document = RichEdit1->document();
    const QTextCursor selection = RichEdit1->textCursor();
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
    RichEdit1->suspendRedraw();
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
    RichEdit1->setSelection(start, length + static_cast<int>(plan.lengthChange));
    RichEdit1->resumeRedraw();
}

void DocumentWindow::SplitBtnClick()
{
    WaitCursor wait;
    if (RichEdit2->isHidden()) {
        SyncSuspended = true;
        CloseGridClick();
        RichEdit2->setFont(editorFont(m_host.settings().editorFont));
        RichEdit2->loadText(RichEdit1->text());
        RichEdit2->show();
        applyPaneSizes();
        SyncSuspended = false;
        RichEdit2SelectionChange();
        RichEdit2->setFocus();
    } else {
        SyncSuspended = true;
        RichEdit2->hide();
        SyncSuspended = false;
        RichEdit1SelectionChange();
        RichEdit1->setFocus();
        TrackHistory2.clear();
    }
}

void DocumentWindow::Refresh1Click()
{
    WaitCursor wait;
    RichEdit2->suspendRedraw();
    const int caret = RichEdit2->selStart();
    const int firstVisible = RichEdit2->firstVisibleLine();
    RichEdit2->loadText(RichEdit1->text());
    RichEdit2->setSelStart(caret);
    RichEdit2->setFirstVisibleLine(firstVisible);
    RichEdit2->resumeRedraw();
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool DocumentWindow::FormCloseQuery()
{
    const DocumentKind kind = kindOfCaption(toBytes(caption()));
    const bool source = kind == DocumentKind::Source;
    const bool dataWindow = kind == DocumentKind::Data;
    const bool needQuestion =
        (source && RichEdit1->isModified() && !RichEdit1->isReadOnly()) || (dataWindow && DataModified);
    if (needQuestion) {
        m_host.bringToFront(this);
        FormActivate();
        TPathName name;
        name.SetPath(toBytes(source ? caption() : DataFileName));
        const Dialogs::Answer answer =
            m_host.dialogs().message(Dialogs::Icon::Confirmation,
                                     QStringLiteral("save ") + toQString(name.FileName) + QStringLiteral(" ?"),
                                     Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Answer::Cancel)
            return false;
        if (answer == Dialogs::Answer::No) {
            if (source)
                RichEdit1->setModified(false);
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

void DocumentWindow::FormClose()
{
    m_host.documentClosing(this);
    FilePath.reset();
    TrackHistory1.clear();
    TrackHistory2.clear();
    m_host.setStatusPanel(0, QStringLiteral(" "));
    m_host.setStatusPanel(1, QStringLiteral(" "));
}

// ---- find-all results grid ----

void DocumentWindow::ClearGridClick()
{
    SyncSuspended = true;
    FindResults->clear();
    FindGrid->selectionModel()->clear();
    SyncSuspended = false;
}

void DocumentWindow::CloseGridClick()
{
    FindGrid->hide();
    ClearGridClick();
    RichEdit1->setFocus();
}

void DocumentWindow::showFindGrid()
{
    RichEdit2->hide();
    RichEdit2->clear();
    MainEditorActive = true;
    FindGrid->show();
    const int editorHeight = roundHalfEven(height() * 3 / 5.0) - Splitter2Height;
    const int rest = std::max(1, Splitter2->height() - editorHeight - Splitter2Height);
    Splitter2->setSizes({editorHeight, rest, rest});
    RichEdit1->setFocus();
}

} // namespace norvane
