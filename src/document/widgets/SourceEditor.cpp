#include "document/widgets/SourceEditor.h"

#include "common/widgets/Latin1.h"
#include "common/widgets/PaletteShades.h"
#include "document/widgets/LineNumberGutter.h"
#include "document/widgets/SourceHighlighter.h"
#include "document/widgets/SourceLayout.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace norvane {

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

// Characters outside Latin-1 cannot be saved as one byte each; they arrive as "?".
QString toEightBit(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() > 0xFF)
            c = u'?';
    }
    return text;
}

// Carriage return, line feed and the pair each become one line feed, in one pass.
QString withLineFeeds(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r') {
            result.append(c);
            continue;
        }
        result.append(u'\n');
        if (i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
    }
    return result;
}

} // namespace

SourceEditor::EditRun::EditRun(SourceEditor &editor) : m_editor(editor), m_cursor(editor.document())
{
    // The undo step returns the caret here.
    m_cursor.setPosition(editor.textCursor().selectionStart());
}

SourceEditor::EditRun::~EditRun()
{
    if (m_started)
        emit m_editor.editRunFinished();
}

void SourceEditor::EditRun::replace(int from, int to, const QString &text)
{
    if (!m_started) {
        m_started = true;
        emit m_editor.editRunStarted();
        m_cursor.beginEditBlock();
    } else {
        // Each replacement closes its block, so the document reports it on its
        // own, and joins the one before, so Undo takes the run back whole.
        m_cursor.joinPreviousEditBlock();
    }
    m_cursor.setPosition(from);
    m_cursor.setPosition(to, QTextCursor::KeepAnchor);
    m_cursor.insertText(toEightBit(text));
    m_cursor.endEditBlock();
}

SourceEditor::SourceEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    // A text of our own, laid out so that a coloured key press repaints its line only.
    auto *text = new QTextDocument(this);
    text->setDocumentLayout(new SourceLayout(text));
    text->setDefaultFont(font());
    setDocument(text);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMinimumHeight(50);
    setUndoRedoEnabled(true);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &SourceEditor::selectionChange);
    connect(this, &QPlainTextEdit::selectionChanged, this, &SourceEditor::selectionChange);

    m_highlighter = std::make_unique<SourceHighlighter>(*document());
    m_highlighter->setPalette(palette());
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
        if (m_loading)
            return;
        m_highlighter->textChanged(position, removed, added);
        colourShownLines();
    });
    m_gutter = new LineNumberGutter(*this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &SourceEditor::placeGutter);
    connect(this, &QPlainTextEdit::updateRequest, this, &SourceEditor::updateGutter);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &SourceEditor::highlightCaretLine);
    fitToFont();
    highlightCaretLine();
}

SourceEditor::~SourceEditor() = default;

void SourceEditor::loadText(const QString &text)
{
    // The old text's colours go with it; the new one is coloured as it comes into view.
    // The document takes a carriage return, a line feed and the pair each as
    // a line break itself.
    m_loading = true;
    setPlainText(text);
    m_loading = false;
    m_highlighter->forgetAll();
    document()->clearUndoRedoStacks();
    setModified(false);
    colourShownLines();
    // The mark's cursor belonged to the old text: it goes to the caret's line again.
    m_highlightedLine = -1;
    highlightCaretLine();
    emit textLoaded();
}

int SourceEditor::toPosition(int documentPosition) const
{
    return documentPosition + document()->findBlock(documentPosition).blockNumber();
}

int SourceEditor::toDocumentPosition(int position) const
{
    const QTextDocument *doc = document();
    if (position <= 0)
        return 0;
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (doc->findBlockByNumber(middle).position() + middle <= position)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int lineEnd = block.position() + block.length() - 1;
    return std::min(position - low, lineEnd);
}

int SourceEditor::lineFromChar(int position) const
{
    return document()->findBlock(toDocumentPosition(position)).blockNumber();
}

int SourceEditor::lineIndex(int line) const
{
    if (line == -1)
        line = document()->findBlock(textCursor().selectionStart()).blockNumber();
    if (line < 0 || line >= document()->blockCount())
        return -1;
    return document()->findBlockByNumber(line).position() + line;
}

int SourceEditor::firstVisibleLine() const
{
    return firstVisibleBlock().blockNumber();
}

void SourceEditor::scrollLines(int delta)
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + delta);
}

void SourceEditor::setFirstVisibleLine(int line)
{
    scrollLines(line - firstVisibleLine());
}

void SourceEditor::scrollToContext(int line)
{
    setFirstVisibleLine(line < 5 ? 0 : line - 5);
}

namespace {

// A find text's lines: what it holds between its line breaks.
QStringList linesOf(const QString &text)
{
    return withLineFeeds(text).split(u'\n');
}

} // namespace

int SourceEditor::positionsOf(const QString &text)
{
    const QStringList parts = linesOf(text);
    int positions = 2 * static_cast<int>(parts.size() - 1);
    for (const QString &part : parts)
        positions += static_cast<int>(part.size());
    return positions;
}

int SourceEditor::findText(int start, int end, const QString &text, bool matchCase, bool wholeWord) const
{
    return findFrom(toDocumentPosition(std::max(start, 0)), end, text, matchCase, wholeWord).position;
}

SourceEditor::Match SourceEditor::findFrom(int documentStart, int end, const QString &text, bool matchCase,
                                           bool wholeWord) const
{
    if (text.isEmpty())
        return {};
    const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringList parts = linesOf(text);
    const int length = positionsOf(text);
    const QString &head = parts.front();
    const QString &tail = parts.back();
    // Whole words: a word character at either end of the text may not go on
    // into the text around it.
    const bool wordAtStart = !head.isEmpty() && isWordCharacter(head.front());
    const bool wordAtEnd = !tail.isEmpty() && isWordCharacter(tail.back());
    const auto boundaryBefore = [&](const QString &line, qsizetype offset) {
        return !wholeWord || !wordAtStart || offset == 0 || !isWordCharacter(line.at(offset - 1));
    };
    const auto boundaryAfter = [&](const QString &line, qsizetype after) {
        return !wholeWord || !wordAtEnd || after >= line.size() || !isWordCharacter(line.at(after));
    };

    for (QTextBlock block = document()->findBlock(std::max(documentStart, 0)); block.isValid(); block = block.next()) {
        const int blockStart = block.position() + block.blockNumber();
        if (blockStart > end)
            break;
        const QString line = block.text();
        const qsizetype from = block.contains(documentStart) ? documentStart - block.position() : 0;
        if (parts.size() == 1) {
            qsizetype offset = from;
            while ((offset = line.indexOf(text, offset, sensitivity)) >= 0) {
                const int match = blockStart + static_cast<int>(offset);
                if (match + length > end)
                    return {};
                if (boundaryBefore(line, offset) && boundaryAfter(line, offset + text.size()))
                    return {match, block.position() + static_cast<int>(offset)};
                ++offset;
            }
            continue;
        }
        // Across lines: the first part ends this line, the middle ones are
        // whole lines, the last one begins the line after them.
        const qsizetype offset = line.size() - head.size();
        if (offset < from || QStringView(line).mid(offset).compare(head, sensitivity) != 0 || !boundaryBefore(line, offset))
            continue;
        QTextBlock next = block.next();
        bool matches = true;
        for (qsizetype k = 1; matches && k < parts.size(); ++k, next = next.next()) {
            if (!next.isValid()) {
                matches = false;
                break;
            }
            const QString nextLine = next.text();
            const QString &part = parts.at(k);
            if (k + 1 < parts.size())
                matches = nextLine.compare(part, sensitivity) == 0;
            else
                matches = nextLine.startsWith(part, sensitivity) && boundaryAfter(nextLine, part.size());
        }
        if (!matches)
            continue;
        const int match = blockStart + static_cast<int>(offset);
        if (match + length > end)
            return {};
        return {match, block.position() + static_cast<int>(offset)};
    }
    return {};
}

int SourceEditor::findLastText(int start, int end, const QString &text, bool matchCase, bool wholeWord) const
{
    const int lastStart = end - positionsOf(text);   // where the last match may begin
    if (text.isEmpty() || lastStart < start)
        return -1;
    const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringList parts = linesOf(text);
    const QString &head = parts.front();
    const QString &tail = parts.back();
    const bool wordAtStart = !head.isEmpty() && isWordCharacter(head.front());
    const bool wordAtEnd = !tail.isEmpty() && isWordCharacter(tail.back());
    const auto boundaryBefore = [&](const QString &line, qsizetype offset) {
        return !wholeWord || !wordAtStart || offset == 0 || !isWordCharacter(line.at(offset - 1));
    };
    const auto boundaryAfter = [&](const QString &line, qsizetype after) {
        return !wholeWord || !wordAtEnd || after >= line.size() || !isWordCharacter(line.at(after));
    };

    for (QTextBlock block = document()->findBlock(toDocumentPosition(lastStart)); block.isValid();
         block = block.previous()) {
        const int blockStart = block.position() + block.blockNumber();
        const QString line = block.text();
        if (blockStart + line.size() < start)
            break;
        const qsizetype highest = std::min<qsizetype>(line.size(), lastStart - blockStart);
        if (highest < 0)
            continue;
        if (parts.size() == 1) {
            for (qsizetype offset = highest; offset >= 0; --offset) {
                offset = line.lastIndexOf(text, offset, sensitivity);
                if (offset < 0 || blockStart + offset < start)
                    break;
                if (boundaryBefore(line, offset) && boundaryAfter(line, offset + text.size()))
                    return blockStart + static_cast<int>(offset);
            }
            continue;
        }
        const qsizetype offset = line.size() - head.size();
        if (offset < 0 || offset > highest || blockStart + offset < start ||
            QStringView(line).mid(offset).compare(head, sensitivity) != 0 || !boundaryBefore(line, offset))
            continue;
        bool matches = true;
        QTextBlock next = block.next();
        for (qsizetype k = 1; matches && k < parts.size(); ++k, next = next.next()) {
            if (!next.isValid())
                return -1;
            const QString nextLine = next.text();
            const QString &part = parts.at(k);
            if (k + 1 < parts.size())
                matches = nextLine.compare(part, sensitivity) == 0;
            else
                matches = nextLine.startsWith(part, sensitivity) && boundaryAfter(nextLine, part.size());
        }
        if (matches)
            return blockStart + static_cast<int>(offset);
    }
    return -1;
}

int SourceEditor::selStart() const
{
    return toPosition(textCursor().selectionStart());
}

int SourceEditor::selLength() const
{
    const QTextCursor cursor = textCursor();
    return toPosition(cursor.selectionEnd()) - toPosition(cursor.selectionStart());
}

int SourceEditor::selStartLine() const
{
    const QTextCursor cursor = textCursor();
    return document()->findBlock(cursor.selectionStart()).blockNumber();
}

int SourceEditor::selStartColumn() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionStart() - document()->findBlock(cursor.selectionStart()).position();
}

void SourceEditor::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocumentPosition(position));
    setTextCursor(cursor);
}

void SourceEditor::setSelLength(int length)
{
    setSelection(selStart(), length);
}

void SourceEditor::setSelection(int start, int length)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocumentPosition(start));
    if (length > 0)
        cursor.setPosition(toDocumentPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString SourceEditor::selectedText() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

QString SourceEditor::textBetween(int start, int end) const
{
    QTextCursor cursor(document());
    cursor.setPosition(toDocumentPosition(start));
    cursor.setPosition(toDocumentPosition(end), QTextCursor::KeepAnchor);
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void SourceEditor::replaceSelection(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(toEightBit(withLineFeeds(text)));
    setTextCursor(cursor);
}

void SourceEditor::selectAllText()
{
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::Document);
    setTextCursor(cursor);
}

void SourceEditor::clearSelection()
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        cursor.removeSelectedText();
        setTextCursor(cursor);
    }
}

int SourceEditor::lineCount() const
{
    const QTextDocument *doc = document();
    const int blocks = doc->blockCount();
    return doc->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

bool SourceEditor::endsWithLineBreak() const
{
    return document()->lastBlock().length() <= 1;
}

QString SourceEditor::lineText(int line) const
{
    return document()->findBlockByNumber(line).text();
}

QStringList SourceEditor::lines() const
{
    QStringList result;
    const int count = lineCount();
    result.reserve(count);
    QTextBlock block = document()->firstBlock();
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next())
        result.append(block.text());
    return result;
}

std::vector<std::string> SourceEditor::byteLines() const
{
    std::vector<std::string> result;
    const int count = lineCount();
    result.reserve(static_cast<std::size_t>(count));
    QTextBlock block = document()->firstBlock();
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next())
        result.push_back(toBytes(block.text()));
    return result;
}

std::string SourceEditor::textBytes() const
{
    const QString raw = document()->toRawText();
    std::string bytes(static_cast<std::size_t>(raw.size()), '\0');
    const QChar *from = raw.constData();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char16_t c = from[i].unicode();
        bytes[i] = c == QChar::ParagraphSeparator ? '\n' : c > 0xFF ? '?' : static_cast<char>(c);
    }
    return bytes;
}

void SourceEditor::setLineText(int line, const QString &text)
{
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(toEightBit(text));
}

void SourceEditor::insertLine(int line, const QString &text)
{
    const QTextBlock block = document()->findBlockByNumber(line);
    QTextCursor cursor(document());
    if (block.isValid()) {
        cursor.setPosition(block.position());
        cursor.insertText(toEightBit(text) + u'\n');
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText((document()->lastBlock().length() > 1 ? QStringLiteral("\n") : QString()) +
                          toEightBit(text));
    }
}

void SourceEditor::deleteLine(int line)
{
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    if (block.next().isValid()) {
        cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    } else {
        // The last line takes the line break before it.
        if (block.previous().isValid())
            cursor.setPosition(block.previous().position() + block.previous().length() - 1);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

QString SourceEditor::text() const
{
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

int SourceEditor::textLength() const
{
    const QTextDocument *doc = document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

bool SourceEditor::isModified() const
{
    return document()->isModified();
}

void SourceEditor::setModified(bool modified)
{
    document()->setModified(modified);
}

void SourceEditor::stripTrailingSpaces()
{
    const int caretLine = lineFromChar(selStart());
    const int caretOffset = selStart() - lineIndex(caretLine);
    const int firstVisible = firstVisibleLine();
    suspendRedraw();
    {
        EditRun run(*this);
        for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            qsizetype end = text.size();
            while (end > 0 && text.at(end - 1) == u' ')
                --end;
            if (end < text.size())
                run.replace(block.position() + static_cast<int>(end), block.position() + static_cast<int>(text.size()),
                            QString());
        }
    }
    const int lineLength = static_cast<int>(lineText(caretLine).size());
    setSelStart(lineIndex(caretLine) + std::min(caretOffset, lineLength));
    setFirstVisibleLine(firstVisible);
    resumeRedraw();
}

void SourceEditor::setReadOnlyMode(bool readOnly)
{
    setReadOnly(readOnly);
    if (readOnly)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void SourceEditor::suspendRedraw()
{
    if (m_redrawSuspended++ == 0)
        viewport()->setUpdatesEnabled(false);
}

void SourceEditor::resumeRedraw()
{
    if (m_redrawSuspended > 0 && --m_redrawSuspended == 0) {
        viewport()->setUpdatesEnabled(true);
        viewport()->update();
    }
}

void SourceEditor::printText(QPrinter &printer, const QString &title) const
{
    printer.setDocName(title);
    document()->print(&printer);
}

void SourceEditor::keyPressEvent(QKeyEvent *event)
{
    bool handled = false;
    emit keyPress(event, handled);
    if (!handled)
        standardKeyPress(event);
}

void SourceEditor::standardKeyPress(QKeyEvent *event)
{
    const int key = event->key();
    // Tab never enters the text as a character (Alt+Tab or Meta+Tab would
    // insert one), nor moves the focus: a read-only editor takes it and does
    // nothing.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        event->accept();
        return;
    }
    // A line break with Shift or Ctrl is a line break like any other (Qt would
    // insert a soft line separator, which no 8-bit file can hold).
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) && !isReadOnly()) {
        textCursor().insertBlock();
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

// Tab is a key of the editor, never a move of the focus to the next control:
// it reaches keyPressEvent in a read-only editor too (see standardKeyPress).
bool SourceEditor::event(QEvent *event)
{
    // Ctrl+Y is the program's Save all; where the platform also makes it Redo
    // (Windows), the editor does not take it (Redo is Ctrl+Shift+Z everywhere).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            event->ignore();
            return false;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) {
            keyPressEvent(keyEvent);
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void SourceEditor::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event);
    QPlainTextEdit::mousePressEvent(event);
}

void SourceEditor::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier) &&
        !textCursor().hasSelection())
        emit controlClicked();
}

void SourceEditor::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    emit entered();
}

void SourceEditor::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    emit exited();
}

bool SourceEditor::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

// Pastes and drops arrive as plain text only, and never in a read-only editor
// (QPlainTextEdit::paste itself does not ask).
void SourceEditor::insertFromMimeData(const QMimeData *source)
{
    if (!isReadOnly() && source->hasText())
        replaceSelection(source->text());
}

// Dropped files are for the main window to open, not text to insert.
void SourceEditor::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *mime = event->mimeData();
    if (mime->hasUrls() && !mime->urls().isEmpty() && mime->urls().constFirst().isLocalFile()) {
        event->ignore();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

// ---- how the text is shown ----

void SourceEditor::setColouring(bool on)
{
    m_highlighter->setEnabled(on);
    colourShownLines();
    viewport()->update();
}

bool SourceEditor::colouring() const
{
    return m_highlighter->isEnabled();
}

void SourceEditor::setColumnGuides(const QList<int> &columns)
{
    m_guideColumns = columns;
    viewport()->update();
}

void SourceEditor::setLineNumbers(bool on)
{
    m_gutter->setHidden(!on);
    placeGutter();
}

bool SourceEditor::lineNumbers() const
{
    return !m_gutter->isHidden();
}

int SourceEditor::caretLine() const
{
    return textCursor().blockNumber();
}

QList<SourceEditor::ShownLine> SourceEditor::shownLines() const
{
    QList<ShownLine> shown;
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    const int bottom = viewport()->height();
    while (block.isValid() && top <= bottom) {
        const qreal height = blockBoundingRect(block).height();
        if (block.isVisible())
            shown.append({block.blockNumber(), qRound(top), qRound(height)});
        top += height;
        block = block.next();
    }
    return shown;
}

int SourceEditor::shownLineCount() const
{
    return viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 2;
}

void SourceEditor::colourShownLines()
{
    if (!m_loading)
        m_highlighter->colourLines(firstVisibleBlock(), shownLineCount());
}

// Measured over a run of characters, as the text is laid out, so that guides
// far to the right still meet their column.
qreal SourceEditor::characterWidth() const
{
    constexpr int Run = 100;
    return QFontMetricsF(font()).horizontalAdvance(QString(Run, QLatin1Char(' '))) / Run;
}

qreal SourceEditor::guideX(int column) const
{
    constexpr int LastStartingColumn = 71;
    const int cellsBefore = column <= LastStartingColumn ? column - 1 : column;
    return contentOffset().x() + document()->documentMargin() + cellsBefore * characterWidth();
}

// Tabs stand at every 8 columns, as the compiler counts them.
void SourceEditor::fitToFont()
{
    constexpr int TabColumns = 8;
    setTabStopDistance(TabColumns * characterWidth());
    placeGutter();
}

void SourceEditor::placeGutter()
{
    const int width = m_gutter->isHidden() ? 0 : m_gutter->neededWidth();
    if (viewportMargins().left() != width)
        setViewportMargins(width, 0, 0, 0);
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), width, area.height());
}

void SourceEditor::updateGutter(const QRect &rect, int dy)
{
    if (m_gutter->isHidden())
        return;
    if (dy != 0)
        m_gutter->scroll(0, dy);
    else
        m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
}

// The caret's line is marked across the whole width, in a shade of the base colour.
void SourceEditor::highlightCaretLine()
{
    const int line = caretLine();
    if (line == m_highlightedLine)
        return;
    m_highlightedLine = line;
    QTextEdit::ExtraSelection mark;
    mark.format.setBackground(mixedColour(palette().color(QPalette::Base), palette().color(QPalette::Highlight), 0.15));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    mark.cursor = textCursor();
    mark.cursor.clearSelection();
    setExtraSelections({mark});
    if (!m_gutter->isHidden())
        m_gutter->update();
}

void SourceEditor::paintGuides()
{
    if (m_guideColumns.isEmpty())
        return;
    QPainter painter(viewport());
    const QPalette &colours = palette();
    painter.setPen(mixedColour(colours.color(QPalette::Base), colours.color(QPalette::Text), 0.3));
    const int height = viewport()->height();
    for (int column : m_guideColumns) {
        const int x = qFloor(guideX(column));
        if (x >= 0 && x < viewport()->width())
            painter.drawLine(x, 0, x, height);
    }
}

void SourceEditor::paintEvent(QPaintEvent *event)
{
    colourShownLines();
    QPlainTextEdit::paintEvent(event);
    paintGuides();
}

void SourceEditor::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    placeGutter();
    colourShownLines();
}

void SourceEditor::scrollContentsBy(int dx, int dy)
{
    QPlainTextEdit::scrollContentsBy(dx, dy);
    colourShownLines();
    // The guides move with the text when it scrolls sideways.
    if (dx != 0)
        viewport()->update();
}

void SourceEditor::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_highlighter->setPalette(palette());
        m_highlightedLine = -1;
        highlightCaretLine();
        colourShownLines();
        viewport()->update();
    } else if (event->type() == QEvent::FontChange) {
        fitToFont();
    }
}

} // namespace norvane
