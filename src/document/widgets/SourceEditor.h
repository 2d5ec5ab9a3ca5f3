#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <memory>
#include <string>
#include <vector>

class QPrinter;

namespace norvane {

class LineNumberGutter;
class SourceHighlighter;

// The text editor of a document window.
//
// It offers the operations the rest of the program relies on, with one position
// model throughout: positions count characters from 0 over the whole text and a
// line break counts as two (carriage return, line feed), as the file holds it.
// Lines count from 0; an empty last line after the final line break is not a
// line. Text is 8-bit: every character is one Latin-1 byte of the file.
class SourceEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    // Replacements made as one undo step, each reported by the document as a
    // change of its own, so that whatever follows the text follows each one
    // exactly. Undo of the step puts the caret back where it stood when the
    // run began.
    class EditRun {
    public:
        explicit EditRun(SourceEditor &editor);
        ~EditRun();
        EditRun(const EditRun &) = delete;
        EditRun &operator=(const EditRun &) = delete;

        // Replaces the text between two positions of the document (where a
        // line break counts one).
        void replace(int from, int to, const QString &text);

    private:
        SourceEditor &m_editor;
        QTextCursor m_cursor;
        bool m_started = false;
    };

    explicit SourceEditor(QWidget *parent = nullptr);
    ~SourceEditor() override;

    // Loads a whole text (any line breaks), clears the undo history and the modified flag.
    void loadText(const QString &text);

    // The line holding the position.
    [[nodiscard]] int lineFromChar(int position) const;
    // The document's own position (a line break counting one) for a position.
    [[nodiscard]] int documentPosition(int position) const { return toDocumentPosition(position); }
    // The position of the line's first character; -1 for the line holding the
    // selection start (the caret when nothing is selected); -1 when there is no such line.
    [[nodiscard]] int lineIndex(int line) const;
    [[nodiscard]] int firstVisibleLine() const;
    // Moves the view by that many lines, as far as it can.
    void scrollLines(int delta);
    // Scrolls so that the line is the first one in view, as far as the view can go.
    void setFirstVisibleLine(int line);
    // After the program found a place: its line becomes the sixth one in view
    // (five lines of context above it), or the view goes to the top of the text
    // for the first five lines.
    void scrollToContext(int line);

    // The position of the first match lying between start and end, or -1. Word
    // characters for wholeWord are letters, digits, "-" and "_". A text with
    // line breaks (carriage return, line feed or both) matches across lines.
    [[nodiscard]] int findText(int start, int end, const QString &text, bool matchCase, bool wholeWord) const;
    // A match, in positions and in the document's own positions (a line break
    // counting one there).
    struct Match {
        int position = -1;
        int documentPosition = -1;
    };
    // The same search from a document position.
    [[nodiscard]] Match findFrom(int documentStart, int end, const QString &text, bool matchCase,
                                 bool wholeWord) const;
    // The last match lying between start and end, or -1.
    [[nodiscard]] int findLastText(int start, int end, const QString &text, bool matchCase, bool wholeWord) const;
    // How many positions a text takes in the editor, each line break two.
    [[nodiscard]] static int positionsOf(const QString &text);

    [[nodiscard]] int selStart() const;
    [[nodiscard]] int selLength() const;
    // The line of the selection start and its column there, counted from 0.
    [[nodiscard]] int selStartLine() const;
    [[nodiscard]] int selStartColumn() const;
    // Places the caret (selection length 0).
    void setSelStart(int position);
    // Selects from the selection start over that many positions.
    void setSelLength(int length);
    void setSelection(int start, int length);
    // The selected text, line breaks as carriage return and line feed.
    [[nodiscard]] QString selectedText() const;
    // The text between two positions, line breaks as carriage return and line feed.
    [[nodiscard]] QString textBetween(int start, int end) const;
    // Replaces the selection (or inserts at the caret) as one undo step.
    void replaceSelection(const QString &text);
    void selectAllText();
    // Deletes the selection without touching the clipboard.
    void clearSelection();

    [[nodiscard]] int lineCount() const;
    // Whether the text ends with a line break (its last block is empty).
    [[nodiscard]] bool endsWithLineBreak() const;
    [[nodiscard]] QString lineText(int line) const;
    [[nodiscard]] QStringList lines() const;
    // The lines as the file's bytes, for the core.
    [[nodiscard]] std::vector<std::string> byteLines() const;
    // The whole text as 8-bit bytes in one buffer, lines ended by line feeds,
    // for a scan that reads it in place.
    [[nodiscard]] std::string textBytes() const;
    void setLineText(int line, const QString &text);
    void insertLine(int line, const QString &text);
    void deleteLine(int line);
    // The whole text, line breaks as carriage return and line feed.
    [[nodiscard]] QString text() const;
    // The text's length in positions.
    [[nodiscard]] int textLength() const;

    // Removes the trailing spaces of every line as one undo step, keeping the
    // caret on its line and column and the view where it was.
    void stripTrailingSpaces();

    [[nodiscard]] bool isModified() const;
    void setModified(bool modified);

    // Read-only refuses typing but keeps the caret and keyboard selection.
    void setReadOnlyMode(bool readOnly);

    // A long change is drawn once: calls nest.
    void suspendRedraw();
    void resumeRedraw();

    // Prints the whole text as one job with the title.
    void printText(QPrinter &printer, const QString &title) const;

    // The editor's own handling of a key press: what keyPress handlers build on.
    void standardKeyPress(QKeyEvent *event);

    // How the text is shown: COBOL colours, the column guides (1-based
    // columns; none when empty) and the line numbers. All on by default.
    void setColouring(bool on);
    void setColumnGuides(const QList<int> &columns);
    void setLineNumbers(bool on);
    [[nodiscard]] bool colouring() const;
    [[nodiscard]] const QList<int> &columnGuides() const { return m_guideColumns; }
    [[nodiscard]] bool lineNumbers() const;
    [[nodiscard]] const SourceHighlighter &highlighter() const { return *m_highlighter; }
    [[nodiscard]] LineNumberGutter *lineNumberGutter() const { return m_gutter; }

    // A line in view and where it is drawn, in the viewport's coordinates.
    struct ShownLine {
        int line = 0;
        int top = 0;
        int height = 0;
    };
    [[nodiscard]] QList<ShownLine> shownLines() const;
    // The line holding the caret.
    [[nodiscard]] int caretLine() const;
    // Where a guide of the column stands, in the viewport's coordinates:
    // before columns up to 71, which start an area (7 the indicator, 8 area A,
    // 12 area B), and after columns from 72 on, which end one (72 area B).
    [[nodiscard]] qreal guideX(int column) const;

signals:
    // A key went down (autorepeat included). A handler that sets handled has
    // done all there is to do for the key, the editor's own handling included.
    void keyPress(QKeyEvent *event, bool &handled);
    void mouseDown(QMouseEvent *event);
    // A click with Ctrl placed the caret (no text was dragged over).
    void controlClicked();
    void entered();
    void exited();
    // The caret moved or the selection changed.
    void selectionChange();
    // A whole new text was loaded: nothing before it can be undone.
    void textLoaded();
    // The changes between these two are one run (see EditRun).
    void editRunStarted();
    void editRunFinished();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent *event) override;

private:
    [[nodiscard]] int toPosition(int documentPosition) const;
    [[nodiscard]] int toDocumentPosition(int position) const;
    // Colours the lines in view that are not coloured yet.
    void colourShownLines();
    [[nodiscard]] int shownLineCount() const;
    [[nodiscard]] qreal characterWidth() const;
    void fitToFont();
    void placeGutter();
    void updateGutter(const QRect &rect, int dy);
    void highlightCaretLine();
    void paintGuides();

    int m_redrawSuspended = 0;
    std::unique_ptr<SourceHighlighter> m_highlighter;
    bool m_loading = false;          // the whole text is being replaced
    LineNumberGutter *m_gutter = nullptr;
    QList<int> m_guideColumns{7, 8, 12, 72};
    int m_highlightedLine = -1;      // the line the current-line mark is on
};

} // namespace norvane
