#include "document/widgets/LineNumberGutter.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/SourceHighlighter.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using norvane::SourceEditor;
using norvane::TextRole;

namespace {

// A program of the given number of lines: a comment, then data entries.
QString program(int lines)
{
    QString text = QStringLiteral("      * A COMMENT LINE\n");
    for (int i = 1; i < lines; ++i)
        text += QStringLiteral("       01  WS-FIELD-%1 PIC X(10).\n").arg(i);
    return text;
}

// The format the line's layout gives the character at the column (1-based).
QTextCharFormat formatAt(const SourceEditor &editor, int line, int column)
{
    const QTextBlock block = editor.document()->findBlockByNumber(line);
    QTextCharFormat found;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (column - 1 >= range.start && column - 1 < range.start + range.length)
            found = range.format;
    }
    return found;
}

// Adds up the height of what the viewport repaints.
struct PaintWatch : QObject {
    int height = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            height += static_cast<QPaintEvent *>(event)->region().boundingRect().height();
        return false;
    }
};

} // namespace

// The editor's COBOL colours as lines come into view, the column guides and
// the line numbers.
class TestSourceColours : public QObject {
    Q_OBJECT

private slots:
    void onlyTheLinesInViewAreColoured();
    void aKeyRecoloursAndRepaintsItsLineOnly();
    void linesGetTheirRolesColours();
    void darkPalettesGetLightColours();
    void colouringOffTakesTheColoursAway();
    void guidesStandAtTheirColumns();
    void lineNumbersTakeTheirWidth();
    void theCaretsLineIsMarked();
};

void TestSourceColours::onlyTheLinesInViewAreColoured()
{
    SourceEditor editor;
    editor.resize(600, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.loadText(program(20000));
    QCoreApplication::processEvents();
    const int coloured = editor.highlighter().colouredCount();
    QVERIFY(coloured > 0);
    QVERIFY2(coloured < 100, qPrintable(QString::number(coloured)));
    QVERIFY(editor.highlighter().isColoured(editor.document()->firstBlock()));
    QVERIFY(!editor.highlighter().isColoured(editor.document()->findBlockByNumber(10000)));

    editor.setFirstVisibleLine(10000);
    QCoreApplication::processEvents();
    QVERIFY(editor.highlighter().isColoured(editor.document()->findBlockByNumber(10000)));
}

void TestSourceColours::aKeyRecoloursAndRepaintsItsLineOnly()
{
    SourceEditor editor;
    editor.resize(600, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.loadText(program(2000));
    editor.setSelStart(editor.lineIndex(1000) + 20);
    editor.setFirstVisibleLine(995);
    editor.setFocus();
    QCoreApplication::processEvents();
    PaintWatch watch;
    editor.viewport()->installEventFilter(&watch);

    const int lineHeight = editor.fontMetrics().lineSpacing();
    // Typing, deleting backwards and forwards, and several characters at once.
    const QList<QList<int>> presses{{Qt::Key_X}, {Qt::Key_Backspace}, {Qt::Key_Delete}, {Qt::Key_Y, Qt::Key_Z}};
    for (const QList<int> &keys : presses) {
        const int before = editor.highlighter().colouredCount();
        watch.height = 0;
        for (int key : keys)
            QTest::keyClick(&editor, static_cast<Qt::Key>(key));
        QCoreApplication::processEvents();
        QCOMPARE(editor.highlighter().colouredCount() - before, keys.size());
        QVERIFY2(watch.height > 0 && watch.height <= keys.size() * (2 * lineHeight + 2),
                 qPrintable(QStringLiteral("key %1: %2 px repainted").arg(keys.first()).arg(watch.height)));
    }
}

void TestSourceColours::linesGetTheirRolesColours()
{
    SourceEditor editor;
    editor.resize(800, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.loadText(QStringLiteral("000100* A COMMENT                                                        CHANGED1\n"
                                   "       PROCEDURE DIVISION.\n"
                                   "           MOVE 'ABC' TO WS-A.\n"
                                   "           COPY BOOK1.\n"));
    QCoreApplication::processEvents();
    const norvane::SourceHighlighter &colours = editor.highlighter();
    QCOMPARE(formatAt(editor, 0, 1), colours.format(TextRole::Sequence));
    QCOMPARE(formatAt(editor, 0, 10), colours.format(TextRole::Comment));
    QCOMPARE(formatAt(editor, 0, 75), colours.format(TextRole::Identification));
    QCOMPARE(formatAt(editor, 1, 8), colours.format(TextRole::Header));
    QCOMPARE(formatAt(editor, 2, 12), colours.format(TextRole::Keyword));
    QCOMPARE(formatAt(editor, 2, 18), colours.format(TextRole::Literal));
    QCOMPARE(formatAt(editor, 3, 12), colours.format(TextRole::Copy));
    QCOMPARE(formatAt(editor, 3, 17), colours.format(TextRole::CopyMember));
    QVERIFY(colours.format(TextRole::Keyword).foreground() != colours.format(TextRole::Comment).foreground());
}

void TestSourceColours::darkPalettesGetLightColours()
{
    SourceEditor editor;
    QPalette dark = editor.palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(220, 220, 220));
    editor.setPalette(dark);
    editor.resize(600, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.loadText(program(10));
    QCoreApplication::processEvents();
    for (TextRole role : {TextRole::Comment, TextRole::Keyword, TextRole::Literal, TextRole::LevelNumber,
                          TextRole::Picture, TextRole::Header, TextRole::CopyMember, TextRole::Sequence}) {
        const QColor colour = editor.highlighter().format(role).foreground().color();
        QVERIFY2(colour.lightness() > 100, qPrintable(QString::number(static_cast<int>(role))));
    }
    // The lines already shown take the new colours.
    QCOMPARE(formatAt(editor, 0, 10), editor.highlighter().format(TextRole::Comment));
}

void TestSourceColours::colouringOffTakesTheColoursAway()
{
    SourceEditor editor;
    editor.resize(600, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.loadText(program(10));
    QCoreApplication::processEvents();
    QVERIFY(!editor.document()->firstBlock().layout()->formats().isEmpty());
    editor.setColouring(false);
    QCoreApplication::processEvents();
    QVERIFY(editor.document()->firstBlock().layout()->formats().isEmpty());
    editor.setColouring(true);
    QCoreApplication::processEvents();
    QVERIFY(!editor.document()->firstBlock().layout()->formats().isEmpty());
}

void TestSourceColours::guidesStandAtTheirColumns()
{
    SourceEditor editor;
    editor.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor.resize(900, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.loadText(QString(80, QLatin1Char('X')));
    QCOMPARE(editor.columnGuides(), (QList<int>{7, 8, 12, 72}));
    // Column 7 starts after six characters; column 72 ends after seventy-two.
    const QTextLine line = editor.document()->firstBlock().layout()->lineAt(0);
    const qreal origin = editor.guideX(1) - line.cursorToX(0);
    QCOMPARE(qRound(editor.guideX(7) - origin), qRound(line.cursorToX(6)));
    QCOMPARE(qRound(editor.guideX(8) - origin), qRound(line.cursorToX(7)));
    QCOMPARE(qRound(editor.guideX(12) - origin), qRound(line.cursorToX(11)));
    QCOMPARE(qRound(editor.guideX(72) - origin), qRound(line.cursorToX(72)));
}

void TestSourceColours::lineNumbersTakeTheirWidth()
{
    SourceEditor editor;
    editor.resize(600, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.loadText(program(1000));
    QVERIFY(editor.lineNumbers());
    const int width = editor.lineNumberGutter()->width();
    QVERIFY(width >= editor.fontMetrics().horizontalAdvance(QStringLiteral("1000")));
    QCOMPARE(editor.viewport()->geometry().left(), editor.contentsRect().left() + width);
    editor.setLineNumbers(false);
    QCOMPARE(editor.viewport()->geometry().left(), editor.contentsRect().left());
}

void TestSourceColours::theCaretsLineIsMarked()
{
    SourceEditor editor;
    const auto markedLine = [&editor] {
        const QList<QTextEdit::ExtraSelection> marks = editor.extraSelections();
        return marks.size() == 1 ? marks.constFirst().cursor.blockNumber() : -1;
    };
    editor.loadText(program(30));
    QCOMPARE(editor.caretLine(), 0);
    QCOMPARE(markedLine(), 0);
    editor.setSelStart(editor.lineIndex(12) + 3);
    QCOMPARE(markedLine(), 12);
    // A text loaded again: the caret is on the first line, and so is the mark.
    editor.loadText(program(20));
    QCOMPARE(markedLine(), 0);
}

QTEST_MAIN(TestSourceColours)
#include "tst_sourcecolours.moc"
