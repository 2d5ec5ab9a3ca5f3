#pragma once

#include "common/core/PathName.h"
#include "document/core/LineEnding.h"
#include "editing/core/LineRule.h"
#include "layout/core/Offsets.h"

#include <QWidget>

#include <memory>
#include <vector>

class QMenu;
class QSplitter;
class QTableView;
class QAction;

namespace norvane {

class DataGridModel;
class DocumentHost;
class LayoutTableModel;
class ShiftLog;
class FindResultsModel;
class SourceEditor;
class StructureTreeView;

// A growable array of integers: the back-track histories.
using MyIntArray = std::vector<int>;

// The window that holds one document: a source text with its structure tree,
// a record layout table, or a data file grid. Which one it is follows from the
// caption, its identity: a file path (with " (read only)" in read-only mode),
// "blank " and a digit, "offset: " and a record name, or "data: " and a name.
class DocumentWindow : public QWidget {
    Q_OBJECT

public:
    explicit DocumentWindow(DocumentHost &host, QWidget *parent = nullptr);
    ~DocumentWindow() override;

    [[nodiscard]] QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    // Sets the kind and the main window's commands; run on every activation.
    void FormActivate();
    // The Save and mode commands from the editor's read-only and modified flags.
    void UpdateSaveCommands();
    // Writes the edit mode panel (and blanks both panels for other kinds).
    void ShowEditMode();
    // Status line, tree highlight and caret-dependent commands for the editor.
    void SyncToCaret(SourceEditor *editor);
    void RichEdit1SelectionChange();
    void RichEdit2SelectionChange();
    // After an edit of RichEdit1: shifts the stored lines (tree nodes, division
    // lines, find-all rows) and positions (back-track history, find-all rows)
    // that lie after the edit, instead of scanning the text again.
    void UpdateTree();
    // Moves the stored lines and positions by a run of edits made in one go.
    void shiftStoredValues(const ShiftLog &lines, const ShiftLog &positions);

    // The caret of RichEdit1: a block for overtype or the block-caret option,
    // a bar otherwise and whenever text is selected. Run after the editor has
    // finished its own handling of an event.
    void SetCaretShape();
    void postCaretMessage();

    // Replaces the selection of RichEdit1 (or inserts at the caret) as one undo step.
    void InsertTextAtCaret(const QString &text);
    // The indent length of blanks at the caret.
    void InsertIndentAtCaret();
    enum class DeleteMode { Backspace, Delete, BeforeCaret };
    // Takes up to the indent length of characters away around the caret.
    void DeleteIndentChars(DeleteMode mode);
    // After Enter: continues the indentation of the line above and trims it.
    bool AutoIndentNewLine();

    // Indent, Unindent, Comment or Uncomment of the selected lines of RichEdit1,
    // as one undo step; the changed block stays selected.
    void TransformSelectedLines(BlockEdit edit);

    // Opens or closes the read-only second view below the editor.
    void SplitBtnClick();
    // Copies the editor's current text into the split view again.
    void Refresh1Click();

    // The structure tree counts as shown while it has a width.
    [[nodiscard]] bool treeShown() const { return m_treeWidth > 0; }
    [[nodiscard]] int treeWidth() const { return m_treeWidth; }
    void setTreeWidth(int width);
    // A third of the window's width, less the splitter, as the tree pane's width.
    void fitTreeWidth();
    // Re-applies the pane rules after the main window was resized.
    void applyPaneSizes();
    // The editor in use: RichEdit1, or RichEdit2 while the split view has the focus.
    [[nodiscard]] SourceEditor *editorInUse() const;
    [[nodiscard]] MyIntArray &historyInUse() { return MainEditorActive ? TrackHistory1 : TrackHistory2; }

    // Find-all results grid
    // Empties the grid, leaving it shown.
    void ClearGridClick();
    // Hides and empties the grid; the editor takes the whole panel again.
    void CloseGridClick();
    // Shows the grid below the editor, which keeps three fifths of the height;
    // the split view is closed.
    void showFindGrid();
    FindResultsModel *FindResults = nullptr;   // the rows of FindGrid

    // Components
    StructureTreeView *TreeView1 = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *REPanel = nullptr;
    SourceEditor *RichEdit1 = nullptr;
    QSplitter *Splitter2 = nullptr;
    SourceEditor *RichEdit2 = nullptr;
    QTableView *StringGrid1 = nullptr;
    QTableView *StringGrid2 = nullptr;
    QTableView *FindGrid = nullptr;
    QMenu *TreeViewMenu = nullptr;
    QMenu *RichEditMenu = nullptr;
    QMenu *RichEdit2Menu = nullptr;
    QMenu *DataMenu = nullptr;
    QMenu *FindGridMenu = nullptr;
    QAction *RefreshTreeview1 = nullptr;
    QAction *ShowPerformedSections = nullptr;
    QAction *Show01levelsWithPICClause = nullptr;
    QAction *Cut1 = nullptr, *Copy1 = nullptr, *Paste1 = nullptr, *Find1 = nullptr, *Findall1 = nullptr;
    QAction *Splitscreen1 = nullptr, *mnuTrack = nullptr, *mnuTrackback = nullptr;
    QAction *Copy3 = nullptr, *Find3 = nullptr, *m2Track = nullptr, *m2Trackback = nullptr;
    QAction *Refresh1 = nullptr, *Close4 = nullptr;
    QAction *DataCut = nullptr, *DataCopy = nullptr, *DataPaste = nullptr;
    QAction *InsertLine1 = nullptr, *CopyLine1 = nullptr, *DeleteLine1 = nullptr;
    QAction *ClearGrid = nullptr, *CloseGrid = nullptr;

    // The record layout of a layout window, the records of a data window.
    LayoutTableModel *layoutModel = nullptr;
    DataGridModel *dataModel = nullptr;
    TRecData RecData;

    // State
    std::unique_ptr<TPathName> FilePath;   // the opened file's path; none for blank, layout and data windows
    LineEnding lineEnding = LineEnding::None;
    QString DataFileName;                  // the record name, then the data file's path, of a data window
    int LastLineCount = 0;
    int LastTextLength = 0;
    int DataDivisionLine = 0;
    int ProcedureDivisionLine = 0;
    MyIntArray TrackHistory1;
    MyIntArray TrackHistory2;
    bool MainEditorActive = true;
    bool InsertMode = true;
    bool IsSourceWindow = false;
    bool IsLayoutWindow = false;
    bool EnterPending = false;
    bool IsDataWindow = false;
    bool DataModified = false;
    bool SyncSuspended = false;
    bool KeyIsDown = false;
    bool IgnoreTabUp = false;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void SourceCommandState();
    void LayoutCommandState();
    void DataCommandState();
    void RichEdit1Change();
    void RichEdit1Enter();
    void RichEdit2Enter();
    void RichEdit1KeyDown(QKeyEvent *event, bool &consumed);
    void RichEdit1KeyUp(QKeyEvent *event);
    void RichEdit1Exit();
    void RichEdit2KeyUp(QKeyEvent *event);
    [[nodiscard]] int indentLength() const;
    void TreeView1MouseUp(QMouseEvent *event);
    void GotoTreeNode(SourceEditor *editor);
    void highlightNodeOfLine(int line);
    // The close question; false keeps the window open.
    bool FormCloseQuery();
    void FormClose();

    DocumentHost &m_host;
    int m_treeWidth = 0;
};

} // namespace norvane
