#pragma once

#include "common/core/PathName.h"
#include "document/core/LineEnding.h"
#include "document/core/StoredPlaces.h"
#include "editing/core/LineRule.h"
#include "layout/core/Offsets.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QSplitter;
class QTableView;

namespace norvane {

class DataGridModel;
class DocumentHost;
class DocumentMenus;
class EditorKeys;
class LayoutTableModel;
class RecordPanel;
class FindResultsModel;
class PlaceTracker;
class SourceEditor;
class StructureTreeView;

// A growable array of integers: the back-track histories.
using TrackHistory = std::vector<int>;

// The window that holds one document: a source text with its structure tree,
// a record layout table, or a data file grid. Which one it is follows from the
// caption, its identity: a file path (with " (read only)" in read-only mode),
// "blank " and a digit, "offset: " and a record name, or "data: " and a name.
// The window's title is the caption with a "*" after it while the document
// has unsaved changes; the caption itself never carries the mark.
class DocumentWindow : public QWidget {
    Q_OBJECT

public:
    explicit DocumentWindow(DocumentHost &host, QWidget *parent = nullptr);
    ~DocumentWindow() override;

    [[nodiscard]] QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // What the save question came to.
    enum class Unsaved {
        None,      // nothing to ask about
        Saved,     // Yes, and the save was made
        Dropped,   // No: the caller may drop the changes
        Kept,      // Cancel, or the save did not happen: keep everything as it is
    };
    // Asks "save <name> ?" when the document has unsaved changes (never for a
    // read-only source document); Yes saves it.
    Unsaved askToSaveChanges();
    // The data grid's unsaved-changes flag, shown by the mark.
    void setDataModified(bool modified);

    // Sets the kind and the main window's commands; run on every activation.
    void activate();
    // The Save and mode commands from the editor's read-only and modified flags.
    void updateSaveCommands();
    // Writes the edit mode panel (and blanks both panels for other kinds).
    void showEditMode();
    // Status line, tree highlight and caret-dependent commands for the editor.
    void syncToCaret(SourceEditor *editor);
    void editorSelectionChanged();
    void splitViewSelectionChanged();
    // The lines (tree nodes, division lines, find-all rows) and positions
    // (back-track history, find-all rows) the window keeps about the editor's
    // text. They follow every change of the text as it happens, the tree
    // without a new scan: a node whose own line went stays on the line the
    // change left in its place until the tree is built again.
    [[nodiscard]] std::vector<PlaceList> storedPlaces();

    // Indent, Unindent, Comment or Uncomment of the selected lines of the editor,
    // as one undo step; the changed block stays selected.
    void transformSelectedLines(BlockEdit edit);

    // Opens or closes the read-only second view below the editor.
    void toggleSplitView();
    // Copies the editor's current text into the split view again.
    void refreshSplitView();

    // The structure tree counts as shown while it has a width.
    [[nodiscard]] bool treeShown() const { return m_treeWidth > 0; }
    [[nodiscard]] int treeWidth() const { return m_treeWidth; }
    void setTreeWidth(int width);
    // A third of the window's width, less the splitter, as the tree pane's
    // width; it stays a third when the window changes size, until the user
    // moves the splitter.
    void fitTreeWidth();
    // Re-applies the pane rules after the main window was resized.
    void applyPaneSizes();
    // The editor in use: the editor, or the split view while it has the focus.
    [[nodiscard]] SourceEditor *editorInUse() const;
    [[nodiscard]] TrackHistory &historyInUse() { return mainEditorActive ? editorHistory : splitViewHistory; }
    // Takes the latest place Track started from off the history in use.
    int takeLastTrack();

    // Find-all results grid
    // Empties the grid, leaving it shown.
    void clearFindResults();
    // Hides and empties the grid; the editor takes the whole panel again.
    void closeFindResults();
    // Shows the grid below the editor, which keeps three fifths of the height;
    // the split view is closed.
    void showFindResults();
    [[nodiscard]] FindResultsModel *findResults() const { return m_findResults; }

    // The parts of the window.
    [[nodiscard]] StructureTreeView *structureTree() const { return m_structureTree; }
    [[nodiscard]] SourceEditor *editor() const { return m_editor; }
    [[nodiscard]] SourceEditor *splitView() const { return m_splitView; }
    [[nodiscard]] QSplitter *editorSplitter() const { return m_editorSplitter; }
    [[nodiscard]] QTableView *layoutGrid() const { return m_layoutGrid; }
    [[nodiscard]] QTableView *dataGrid() const { return m_dataGrid; }
    // The data grid with the record panel below it.
    [[nodiscard]] QSplitter *dataSplitter() const { return m_dataSplitter; }
    [[nodiscard]] QTableView *findResultsGrid() const { return m_findResultsGrid; }

    [[nodiscard]] DocumentMenus *menus() const { return m_menus; }

    // The record layout of a layout window, the records of a data window.
    LayoutTableModel *layoutModel = nullptr;
    DataGridModel *dataModel = nullptr;
    RecordPanel *recordPanel = nullptr;   // the current record's fields and bytes, in a data window
    QString dataStatus;                   // the status bar's text for a data window: records and format
    TRecData layoutTotals;

    // State
    std::unique_ptr<TPathName> filePath;   // the opened file's path; none for blank, layout and data windows
    LineEnding lineEnding = LineEnding::None;
    bool fileEndsWithoutLineBreak = false; // the file read had text after its last line break
    QString dataFileName;                  // the record name, then the data file's path, of a data window
    int dataDivisionLine = 0;
    int procedureDivisionLine = 0;
    TrackHistory editorHistory;            // where Track started from, in the editor
    TrackHistory splitViewHistory;         // and in the split view
    std::uint64_t editorHistoryGeneration = 0;   // changes whenever the editor's history loses entries
    bool mainEditorActive = true;          // the editor, not the split view, is in use
    bool insertMode = true;                // insert, or overtype
    bool isSourceWindow = false;
    bool isLayoutWindow = false;
    bool isDataWindow = false;
    bool dataModified = false;             // the data grid was edited since it was loaded or saved (setDataModified)
    bool syncSuspended = false;            // the program moves the caret: no syncing to it meanwhile
    bool keyIsDown = false;                // a key press (or a command's edit) is being handled: the
                                           //   change notifications leave the command states to its end

signals:
    // The unsaved-changes mark came or went.
    void unsavedMarkChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applySourceCommandStates();
    void applyLayoutCommandStates();
    void applyDataCommandStates();
    void editorTextChanged();
    void editorEntered();
    void splitViewEntered();
    void treeMouseReleased(QMouseEvent *event);
    void goToSelectedNode(SourceEditor *editor);
    void highlightNodeOfLine(int line);
    void placesMoved(const MovedLists &moved);
    // The close question; false keeps the window open.
    bool confirmClose();
    void releaseOnClose();

    DocumentHost &m_host;
    EditorKeys *m_keys = nullptr;   // the COBOL keys of the editor
    DocumentMenus *m_menus = nullptr;
    StructureTreeView *m_structureTree = nullptr;
    QSplitter *m_treeSplitter = nullptr;
    QWidget *m_editorPanel = nullptr;
    SourceEditor *m_editor = nullptr;
    QSplitter *m_editorSplitter = nullptr;
    SourceEditor *m_splitView = nullptr;
    QTableView *m_layoutGrid = nullptr;
    QTableView *m_dataGrid = nullptr;
    QSplitter *m_dataSplitter = nullptr;
    QTableView *m_findResultsGrid = nullptr;
    FindResultsModel *m_findResults = nullptr;   // the rows of the results grid
    QString m_caption;
    PlaceTracker *m_places = nullptr;
    int m_treeWidth = 0;
    bool m_treeFollowsWidth = false;   // the tree is kept at a third of the width
};

} // namespace norvane
