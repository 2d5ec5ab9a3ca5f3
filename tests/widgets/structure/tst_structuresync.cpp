#include "document/widgets/SourceEditor.h"
#include "structure/widgets/StructureTreeView.h"
#include "support/MainWindowFixture.h"

#include <QTest>

using namespace norvane;
using namespace norvane::test;

namespace {

QByteArray areaA(const char *text)
{
    return QByteArray("       ") + text + "\r\n";
}

QByteArray areaB(const char *text)
{
    return QByteArray("           ") + text + "\r\n";
}

// The worked example of the structure scan, lines 0 to 15.
QByteArray workedExample()
{
    return areaA("IDENTIFICATION DIVISION.") + areaA("PROGRAM-ID. DEMO.") + areaA("ENVIRONMENT DIVISION.") +
           areaA("CONFIGURATION SECTION.") + areaA("DATA DIVISION.") + areaA("WORKING-STORAGE SECTION.") +
           areaA("01 WS-FLAG PIC X.") + areaA("01 WS-REC.") + areaB("05 WS-F1 PIC X.") +
           areaA("PROCEDURE DIVISION.") + areaA("MAIN SECTION.") + areaA("100-START.") +
           areaB("PERFORM 200-NEXT.") + areaA("200-NEXT.") + areaA("OTHER SECTION.") + areaB("PERFORM 300-END.");
}

// A small program to track names in.
QByteArray trackProgram()
{
    return areaA("IDENTIFICATION DIVISION.") +              // 0
           areaA("DATA DIVISION.") +                        // 1
           areaA("WORKING-STORAGE SECTION.") +              // 2
           QByteArray("      * 01 WS-GHOST PIC X.\r\n") +   // 3 comment only
           areaA("01 WS-TABLE.") +                          // 4
           areaB("05 WS-ITEM OCCURS 5 DEPENDING ON WS-COUNT PIC X.") + // 5
           areaA("01 WS-COUNT PIC 9.") +                    // 6
           areaA("PROCEDURE DIVISION.") +                   // 7
           areaA("1000-MAIN.") +                            // 8
           areaB("PERFORM 2000-READ-FILE.") +               // 9
           areaB("MOVE 1 TO WS-COUNT.") +                   // 10
           areaB("MOVE 1 TO WS-GHOST.") +                   // 11
           areaA("2000-READ-FILE.") +                       // 12
           areaB("EXIT.");                                  // 13
}

struct TreeRow {
    int line;
    int depth;
    QString text;
    bool operator==(const TreeRow &) const = default;
};

QList<TreeRow> rowsOf(const StructureTreeView &tree)
{
    QList<TreeRow> rows;
    for (int i = 0; i < tree.count(); ++i) {
        int depth = 0;
        for (auto *parent = tree.nodeAt(i)->parent(); parent != nullptr; parent = parent->parent())
            ++depth;
        rows.append({tree.dataAt(i), depth, tree.nodeText(tree.nodeAt(i)).trimmed()});
    }
    return rows;
}

} // namespace

// The tree beside the text: built on open, kept in step with the caret and
// with edits, and the way from a name to its definition and back.
class TestStructureSync : public QObject {
    Q_OBJECT

private slots:
    void workedExampleGivesItsTree();
    void caretHighlightsItsNode();
    void clickingALabelMovesTheCaret();
    void editsShiftStoredLines();
    void trackFollowsNamesAndBackTrackReturns();
    void trackNeedsTheTree();

private:
    static DocumentWindow *open(MainWindowFixture &fixture, const QByteArray &text, const QString &name = QStringLiteral("P.cbl"))
    {
        fixture.window->openSourceFile(fixture.writeFile(name, text));
        return fixture.window->activeDocument();
    }
    static void placeCaret(DocumentWindow *child, int line, int column)
    {
        child->editor()->setFocus();
        child->editor()->setSelStart(child->editor()->lineIndex(line) + column);
    }
};

void TestStructureSync::workedExampleGivesItsTree()
{
    MainWindowFixture fixture;
    fixture.settings.Pic01ShowOption = true;
    fixture.settings.ShowPerformOption = true;
    fixture.show();
    DocumentWindow *child = open(fixture, workedExample());
    const QList<TreeRow> expected{
        {0, 0, QStringLiteral("IDENTIFICATION DIVISION.")},
        {2, 0, QStringLiteral("ENVIRONMENT DIVISION.")},
        {3, 0, QStringLiteral("CONFIGURATION SECTION.")},
        {4, 0, QStringLiteral("DATA DIVISION.")},
        {5, 0, QStringLiteral("WORKING-STORAGE SECTION.")},
        {6, 1, QStringLiteral("01 WS-FLAG")},
        {7, 1, QStringLiteral("01 WS-REC.")},
        {9, 0, QStringLiteral("PROCEDURE DIVISION.")},
        {10, 1, QStringLiteral("MAIN SECTION.")},
        {11, 2, QStringLiteral("100-START.")},
        {12, 3, QStringLiteral(">       200-NEXT")},
        {13, 2, QStringLiteral("200-NEXT.")},
        {14, 1, QStringLiteral("OTHER SECTION.")},
        {15, 2, QStringLiteral(">       300-END")},
    };
    QCOMPARE(rowsOf(*child->structureTree()), expected);
    QCOMPARE(child->dataDivisionLine, 4);
    QCOMPARE(child->procedureDivisionLine, 9);
    QVERIFY(child->treeShown());
    QVERIFY(child->structureTree()->nodeAt(4)->isExpanded());
    QVERIFY(fixture.window->action(CommandId::Track)->isEnabled());

    // The options are read when the tree is built again.
    fixture.settings.Pic01ShowOption = false;
    fixture.settings.ShowPerformOption = false;
    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+T")));
    QCOMPARE(child->structureTree()->count(), 11);

    // A file of another kind gets no tree, and Track is off.
    open(fixture, workedExample(), QStringLiteral("P.txt"));
    QVERIFY(!fixture.window->activeDocument()->treeShown());
    QVERIFY(!fixture.window->action(CommandId::Track)->isEnabled());
}

void TestStructureSync::caretHighlightsItsNode()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, QByteArray("      * heading\r\n") + workedExample());
    StructureTreeView *tree = child->structureTree();
    placeCaret(child, 0, 3);
    QCOMPARE(tree->selectedNode(), nullptr);   // above the first node: unchanged
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line 1 column 4"));

    placeCaret(child, 9, 0);   // the 01 WS-REC line moved down one
    QCOMPARE(tree->nodeText(tree->selectedNode()).trimmed(), QStringLiteral("01 WS-REC."));

    // Inside a collapsed parent (sections only open for their 01 levels) the parent is highlighted.
    placeCaret(child, 14, 2);   // 200-NEXT, under MAIN SECTION
    QTreeWidgetItem *main = tree->selectedNode();
    QCOMPARE(tree->nodeText(main).trimmed(), QStringLiteral("MAIN SECTION."));
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line 15 column 3"));
    // Expanding it brings the highlight to the paragraph itself.
    main->setExpanded(true);
    QCOMPARE(tree->nodeText(tree->selectedNode()).trimmed(), QStringLiteral("200-NEXT."));
}

void TestStructureSync::clickingALabelMovesTheCaret()
{
    MainWindowFixture fixture;
    fixture.show();
    QByteArray text;
    for (int i = 0; i < 80; ++i)
        text += areaB("DISPLAY 'X'.");
    text += areaA("PROCEDURE DIVISION.");
    for (int i = 0; i < 100; ++i)
        text += areaB("DISPLAY 'Y'.");
    DocumentWindow *child = open(fixture, text);
    StructureTreeView *tree = child->structureTree();
    QCOMPARE(tree->count(), 1);
    QTreeWidgetItem *node = tree->nodeAt(0);
    const QRect row = tree->visualItemRect(node);

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(tree->viewport()->width() - 3, row.center().y()));
    QCOMPARE(child->editor()->lineFromChar(child->editor()->selStart()), 0);   // past the text: no move

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 20, row.center().y()));
    QCOMPARE(child->editor()->selStart(), child->editor()->lineIndex(80));
    QCOMPARE(child->editor()->firstVisibleLine(), 80);
    QVERIFY(child->editor()->hasFocus());
}

void TestStructureSync::editsShiftStoredLines()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, workedExample());
    StructureTreeView *tree = child->structureTree();
    const int nodes = tree->count();
    QList<int> before;
    for (int i = 0; i < nodes; ++i)
        before.append(tree->dataAt(i));

    // Two new lines typed at the start of line 6: the stored lines from 6 on move down.
    placeCaret(child, 6, 0);
    QTest::keyClick(child->editor(), Qt::Key_Return);
    QTest::keyClick(child->editor(), Qt::Key_Return);
    QCOMPARE(child->procedureDivisionLine, 11);
    QCOMPARE(child->dataDivisionLine, 4);
    QList<int> moved;
    for (int i = 0; i < nodes; ++i) {
        moved.append(before[i] >= 6 ? before[i] + 2 : before[i]);
        QCOMPARE(tree->dataAt(i), moved[i]);
    }

    // Typing on a line moves no line numbers.
    QTest::keyClicks(child->editor(), QStringLiteral("ABC"));
    QCOMPARE(child->procedureDivisionLine, 11);

    // Deleting the two new lines lowers every stored line after them by two,
    // and no line before them.
    child->editor()->setSelection(child->editor()->lineIndex(6),
                                   child->editor()->lineIndex(8) - child->editor()->lineIndex(6));
    QTest::keyClick(child->editor(), Qt::Key_Delete);
    QCOMPARE(child->procedureDivisionLine, 9);
    QCOMPARE(child->dataDivisionLine, 4);
    for (int i = 0; i < nodes; ++i)
        QCOMPARE(tree->dataAt(i), moved[i] >= 8 ? moved[i] - 2 : moved[i]);
}

void TestStructureSync::trackFollowsNamesAndBackTrackReturns()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, trackProgram());
    SourceEditor *editor = child->editor();
    QVERIFY(!fixture.window->action(CommandId::BackTrack)->isEnabled());

    // To a paragraph: the name is selected on the paragraph's line.
    placeCaret(child, 9, 22);   // inside 2000-READ-FILE of the PERFORM
    const int start = editor->selStart();
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    QCOMPARE(editor->lineFromChar(editor->selStart()), 12);
    QCOMPARE(editor->selectedText(), QStringLiteral("2000-READ-FILE"));
    QVERIFY(fixture.window->action(CommandId::BackTrack)->isEnabled());
    QCOMPARE(child->editorHistory, (TrackHistory{start}));

    // To a data item: the first qualifying occurrence wins (the OCCURS clause).
    placeCaret(child, 10, 22);   // WS-COUNT
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    QCOMPARE(editor->lineFromChar(editor->selStart()), 5);
    QCOMPARE(editor->selectedText(), QStringLiteral("WS-COUNT"));
    QCOMPARE(child->editorHistory.size(), 2u);

    // Only on a comment line: the warning, and nothing moves.
    placeCaret(child, 11, 22);   // WS-GHOST
    const int ghost = editor->selStart();
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("definition for \"WS-GHOST\" not found"));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Warning);
    QCOMPARE(editor->selStart(), ghost);
    QCOMPARE(child->editorHistory.size(), 2u);

    // A reserved word ends Track silently.
    placeCaret(child, 10, 12);   // MOVE
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    QCOMPARE(editor->selStart(), editor->lineIndex(10) + 12);
    QCOMPARE(fixture.dialogs.asked().size(), 1);

    // Lines inserted above the saved places: Back track still returns to the same text.
    placeCaret(child, 0, 0);
    editor->insertPlainText(QStringLiteral("      * NEW LINE\n      * ANOTHER1\n"));
    QTest::keyClick(fixture.window.get(), Qt::Key_F5);
    QCOMPARE(editor->lineFromChar(editor->selStart()), 12);
    QCOMPARE(editor->selStart() - editor->lineIndex(12), 22);
    QTest::keyClick(fixture.window.get(), Qt::Key_F5);
    QCOMPARE(editor->selStart(), start + 2 * 18);
    QVERIFY(child->editorHistory.empty());
    QVERIFY(!fixture.window->action(CommandId::BackTrack)->isEnabled());
}

void TestStructureSync::trackNeedsTheTree()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, trackProgram(), QStringLiteral("P.txt"));
    child->editorHistory.push_back(3);
    fixture.window->runCommand(CommandId::Track);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("TreeView must be active"));
    fixture.window->runCommand(CommandId::BackTrack);
    QCOMPARE(fixture.dialogs.asked().size(), 2);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("TreeView must be active"));
    QCOMPARE(child->editorHistory.size(), 1u);
}

QTEST_MAIN(TestStructureSync)
#include "tst_structuresync.moc"
