#include "document/widgets/SourceEditor.h"
#include "search/widgets/FindAllDialog.h"
#include "search/widgets/FindReplaceDialog.h"
#include "search/widgets/FindResultsModel.h"
#include "search/widgets/SearchCommands.h"
#include "structure/core/StructureScan.h"
#include "structure/core/TreeListing.h"
#include "structure/widgets/StructureTreeView.h"
#include "support/MainWindowFixture.h"
#include "support/PlatformInput.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

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

// A program whose paragraphs perform one another.
QByteArray program()
{
    return areaA("IDENTIFICATION DIVISION.") +   // 0
           areaA("PROGRAM-ID. EDITS.") +         // 1
           areaA("DATA DIVISION.") +             // 2
           areaA("WORKING-STORAGE SECTION.") +   // 3
           areaA("01 WS-COUNT PIC 9.") +         // 4
           areaA("01 WS-REC.") +                 // 5
           areaB("05 WS-A PIC X.") +             // 6
           areaA("PROCEDURE DIVISION.") +        // 7
           areaA("1000-MAIN.") +                 // 8
           areaB("PERFORM 2000-READ.") +         // 9
           areaB("PERFORM 3000-WRITE.") +        // 10
           areaB("MOVE 1 TO WS-COUNT.") +        // 11
           areaB("STOP RUN.") +                  // 12
           areaA("2000-READ.") +                 // 13
           areaB("DISPLAY 'R'.") +               // 14
           areaB("DISPLAY 'S'.") +               // 15
           areaA("3000-WRITE.") +                // 16
           areaB("DISPLAY 'W'.");                // 17
}

// A tree node as a user sees it: its line, its depth, its caption.
struct Node {
    int line;
    int depth;
    QString text;
    bool operator==(const Node &) const = default;
};

char *toString(const Node &node)
{
    return QTest::toString(QStringLiteral("%1|%2|%3").arg(node.line).arg(node.depth).arg(node.text));
}

// Lines and depths only: captions keep the text of the last scan.
QList<std::pair<int, int>> linesAndDepths(const QList<Node> &nodes)
{
    QList<std::pair<int, int>> result;
    for (const Node &node : nodes)
        result.append({node.line, node.depth});
    return result;
}

QList<Node> nodesOf(const StructureTreeView &tree)
{
    QList<Node> nodes;
    for (int i = 0; i < tree.count(); ++i) {
        int depth = 0;
        for (auto *parent = tree.nodeAt(i)->parent(); parent != nullptr; parent = parent->parent())
            ++depth;
        nodes.append({tree.dataAt(i), depth, tree.nodeText(tree.nodeAt(i)).trimmed()});
    }
    return nodes;
}

// What a new scan of the text as it stands would give.
QList<Node> nodesOfAScan(const SourceEditor &editor, const Settings &settings)
{
    const StructureTree tree =
        scanStructure(editor.textBytes(), {settings.Pic01ShowOption, settings.ShowPerformOption});
    QList<Node> nodes;
    for (const TreeRow &row : treeOrder(tree)) {
        const StructureNode &node = tree.nodes[static_cast<std::size_t>(row.node)];
        nodes.append({node.line, row.depth, QString::fromLatin1(node.text).trimmed()});
    }
    return nodes;
}

// Everything the window keeps about the text.
struct Places {
    QList<Node> nodes;
    int dataDivisionLine = 0;
    int procedureDivisionLine = 0;
    TrackHistory history;
    QList<int> findLines;
    QList<int> findPositions;
    bool operator==(const Places &) const = default;
};

Places placesOf(DocumentWindow *child)
{
    Places places{nodesOf(*child->structureTree()), child->dataDivisionLine, child->procedureDivisionLine,
                  child->editorHistory, {}, {}};
    for (int row = 0; row < child->findResults()->rowCount(); ++row) {
        places.findLines.append(child->findResults()->result(row).line);
        places.findPositions.append(child->findResults()->result(row).position);
    }
    return places;
}

using KeyEdit = std::function<void(SourceEditor *)>;
using WindowEdit = std::function<void(MainWindowFixture &, SourceEditor *)>;

} // namespace

Q_DECLARE_METATYPE(KeyEdit)
Q_DECLARE_METATYPE(WindowEdit)

// The tree, the division lines, the back-track history and the find-all rows
// stay on their text through every kind of edit, Undo and Redo, with keys
// sent as the platform sends them.
class TestStructureEdits : public QObject {
    Q_OBJECT

private slots:
    void endEnterOnAHeaderThenTrack();
    void removingLinesUnderAHeaderThenAClickOnTheTree_data();
    void removingLinesUnderAHeaderThenAClickOnTheTree();
    void undoAndRedoKeepEveryPlaceExact_data();
    void undoAndRedoKeepEveryPlaceExact();
    void lowerCaseAndTabIndentedProgramsTrack_data();
    void lowerCaseAndTabIndentedProgramsTrack();

private:
    static DocumentWindow *open(MainWindowFixture &fixture, const QByteArray &text)
    {
        fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("EDITS.cbl"), text));
        DocumentWindow *child = fixture.window->activeDocument();
        child->editor()->setFocus();
        return child;
    }
    static void placeCaret(SourceEditor *editor, int line, int column)
    {
        editor->setSelStart(editor->lineIndex(line) + column);
    }
    static void clickNode(StructureTreeView *tree, const QString &caption)
    {
        for (int i = 0; i < tree->count(); ++i) {
            QTreeWidgetItem *node = tree->nodeAt(i);
            if (tree->nodeText(node).trimmed() != caption)
                continue;
            tree->scrollToItem(node);
            const QRect label = tree->visualItemRect(node);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(label.left() + 10, label.center().y()));
            return;
        }
        QFAIL(qPrintable(QStringLiteral("no node ") + caption));
    }
};

void TestStructureEdits::endEnterOnAHeaderThenTrack()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, program());
    SourceEditor *editor = child->editor();
    StructureTreeView *tree = child->structureTree();

    // End and Enter on the header of 2000-READ: a new line under it.
    placeCaret(editor, 13, 3);
    pressKeys(editor, {Qt::Key_End, Qt::Key_Return});
    QCOMPARE(editor->lineText(13), QStringLiteral("       2000-READ."));
    QCOMPARE(editor->lineFromChar(editor->selStart()), 14);
    QCOMPARE(linesAndDepths(nodesOf(*tree)), linesAndDepths(nodesOfAScan(*editor, fixture.settings)));
    // The caret on the new line is in 2000-READ's range.
    QCOMPARE(tree->nodeText(tree->selectedNode()).trimmed(), QStringLiteral("2000-READ."));

    // Track from its PERFORM goes to its header, and from 3000-WRITE's to that one.
    placeCaret(editor, 9, 22);
    pressKeys(editor, Qt::Key_F4);
    QCOMPARE(editor->lineFromChar(editor->selStart()), 13);
    QCOMPARE(editor->selectedText(), QStringLiteral("2000-READ"));
    placeCaret(editor, 10, 22);
    pressKeys(editor, Qt::Key_F4);
    QCOMPARE(editor->lineFromChar(editor->selStart()), 17);
    QCOMPARE(editor->selectedText(), QStringLiteral("3000-WRITE"));
    // Back track returns to the PERFORMs.
    pressKeys(editor, Qt::Key_F5);
    QCOMPARE(editor->selStart(), editor->lineIndex(10) + 22);
    pressKeys(editor, Qt::Key_F5);
    QCOMPARE(editor->selStart(), editor->lineIndex(9) + 22);
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

void TestStructureEdits::removingLinesUnderAHeaderThenAClickOnTheTree_data()
{
    QTest::addColumn<KeyEdit>("edit");
    QTest::addColumn<int>("writeLine");   // where 3000-WRITE stands afterwards
    QTest::newRow("two lines selected and deleted") << KeyEdit([](SourceEditor *editor) {
        editor->setSelection(editor->lineIndex(14), editor->lineIndex(16) - editor->lineIndex(14));
        pressKeys(editor, Qt::Key_Delete);
    }) << 14;
    QTest::newRow("Backspace at the start of the line under the header") << KeyEdit([](SourceEditor *editor) {
        placeCaret(editor, 14, 0);
        pressKeys(editor, Qt::Key_Backspace);
    }) << 15;
    QTest::newRow("Delete at the end of the header") << KeyEdit([](SourceEditor *editor) {
        placeCaret(editor, 13, static_cast<int>(editor->lineText(13).size()));
        pressKeys(editor, Qt::Key_Delete);
    }) << 15;
    QTest::newRow("cut") << KeyEdit([](SourceEditor *editor) {
        editor->setSelection(editor->lineIndex(14), editor->lineIndex(16) - editor->lineIndex(14));
        pressKeys(editor, Qt::Key_X, Qt::ControlModifier);
    }) << 14;
}

void TestStructureEdits::removingLinesUnderAHeaderThenAClickOnTheTree()
{
    QFETCH(KeyEdit, edit);
    QFETCH(int, writeLine);
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, program());
    SourceEditor *editor = child->editor();
    edit(editor);
    QCOMPARE(linesAndDepths(nodesOf(*child->structureTree())), linesAndDepths(nodesOfAScan(*editor, fixture.settings)));

    // A click on a node's label puts the caret on its header, whatever came before.
    for (const auto &[caption, line] : {std::pair(QStringLiteral("3000-WRITE."), writeLine),
                                        std::pair(QStringLiteral("2000-READ."), 13),
                                        std::pair(QStringLiteral("1000-MAIN."), 8)}) {
        clickNode(child->structureTree(), caption);
        QCOMPARE(editor->selStart(), editor->lineIndex(line));
        QVERIFY(editor->lineText(line).contains(caption));
    }
}

void TestStructureEdits::undoAndRedoKeepEveryPlaceExact_data()
{
    QTest::addColumn<WindowEdit>("edit");
    QTest::addColumn<bool>("likeANewScan");   // no node's own line went
    QTest::addColumn<int>("undoBy");          // 0 keys, 1 the Undo command, 2 the Undo button
    using Edit = WindowEdit;
    QTest::newRow("End and Enter on a header") << Edit([](MainWindowFixture &, SourceEditor *editor) {
        placeCaret(editor, 13, 2);
        pressKeys(editor, {Qt::Key_End, Qt::Key_Return});
    }) << true << 0;
    QTest::newRow("Enter at the start of a header") << Edit([](MainWindowFixture &, SourceEditor *editor) {
        placeCaret(editor, 13, 0);
        pressKeys(editor, Qt::Key_Return);
    }) << true << 1;
    QTest::newRow("typing on lines") << Edit([](MainWindowFixture &, SourceEditor *editor) {
        placeCaret(editor, 9, 11);
        QTest::keyClicks(editor, QStringLiteral("X"));
        placeCaret(editor, 13, 0);
        QTest::keyClicks(editor, QStringLiteral("  "));
    }) << true << 0;
    QTest::newRow("lines with a header deleted") << Edit([](MainWindowFixture &, SourceEditor *editor) {
        editor->setSelection(editor->lineIndex(12), editor->lineIndex(15) - editor->lineIndex(12));
        pressKeys(editor, Qt::Key_Delete);
    }) << false << 0;
    QTest::newRow("lines pasted over a header") << Edit([](MainWindowFixture &fixture, SourceEditor *editor) {
        editor->setSelection(editor->lineIndex(14), editor->lineIndex(15) - editor->lineIndex(14));
        pressKeys(editor, Qt::Key_C, Qt::ControlModifier);
        editor->setSelection(editor->lineIndex(13) + 3, editor->lineIndex(16) - editor->lineIndex(13));
        fixture.window->runCommand(CommandId::Paste);
    }) << false << 2;
    QTest::newRow("comment lines") << Edit([](MainWindowFixture &fixture, SourceEditor *editor) {
        editor->setSelection(editor->lineIndex(8), editor->lineIndex(14) - editor->lineIndex(8));
        fixture.window->runCommand(CommandId::Comment);
    }) << false << 0;
    QTest::newRow("indent lines") << Edit([](MainWindowFixture &fixture, SourceEditor *editor) {
        editor->setSelection(editor->lineIndex(9), editor->lineIndex(13) - editor->lineIndex(9));
        fixture.window->runCommand(CommandId::Indent);
    }) << true << 1;
    QTest::newRow("Replace All with a line break") << Edit([](MainWindowFixture &fixture, SourceEditor *editor) {
        placeCaret(editor, 11, 4);
        fixture.window->runCommand(CommandId::Replace);
        FindReplaceDialog *dialog = fixture.window->searchCommands()->replaceDialog;
        dialog->findWhatEdit->setText(QStringLiteral("DISPLAY"));
        dialog->replaceWithEdit->setText(QStringLiteral("CONTINUE\r\n           DISPLAY"));
        dialog->replaceAllButton->click();
    }) << true << 0;
}

void TestStructureEdits::undoAndRedoKeepEveryPlaceExact()
{
    QFETCH(WindowEdit, edit);
    QFETCH(bool, likeANewScan);
    QFETCH(int, undoBy);
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, program());
    SourceEditor *editor = child->editor();
    // A back-track history and find-all rows besides the tree.
    placeCaret(editor, 10, 22);
    pressKeys(editor, Qt::Key_F4);
    placeCaret(editor, 9, 22);
    pressKeys(editor, Qt::Key_F4);
    fixture.window->runCommand(CommandId::FindAll);
    fixture.window->findAllDialog()->findTextEdit->setText(QStringLiteral("DISPLAY"));
    fixture.window->findAllDialog()->findAllButton->click();
    editor->setFocus();
    const Places before = placesOf(child);
    QCOMPARE(before.history.size(), 2u);
    QCOMPARE(before.findLines.size(), 3);
    const QString text = editor->text();

    edit(fixture, editor);
    QVERIFY(editor->text() != text);
    const Places after = placesOf(child);
    if (likeANewScan)
        QCOMPARE(linesAndDepths(after.nodes), linesAndDepths(nodesOfAScan(*editor, fixture.settings)));
    const QString edited = editor->text();

    // As many undo steps as the edit made (Enter and its indentation are two).
    int steps = 0;
    while (editor->text() != text && steps < 5) {
        switch (undoBy) {
        case 0:
            pressKeys(editor, Qt::Key_Z, Qt::ControlModifier);
            break;
        case 1:
            fixture.window->runCommand(CommandId::Undo);
            break;
        default:
            fixture.window->action(CommandId::UndoButton)->trigger();
            break;
        }
        ++steps;
    }
    QCOMPARE(editor->text(), text);
    QCOMPARE(placesOf(child), before);

    for (int step = 0; step < steps; ++step) {
        if (undoBy == 0)
            pressKeys(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            fixture.window->runCommand(CommandId::Redo);
    }
    QCOMPARE(editor->text(), edited);
    QCOMPARE(placesOf(child), after);

    // And back once more, by the menu.
    for (int step = 0; step < steps; ++step)
        fixture.window->runCommand(CommandId::Undo);
    QCOMPARE(placesOf(child), before);
    QCOMPARE(nodesOf(*child->structureTree()), nodesOfAScan(*editor, fixture.settings));
}

void TestStructureEdits::lowerCaseAndTabIndentedProgramsTrack_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("upper case") << program();
    QTest::newRow("lower case") << program().toLower();
    QByteArray tabs = program();
    tabs.replace("           ", "\t   ");   // area B reached with a tab and three spaces
    QTest::newRow("tab-indented") << tabs;
    QTest::newRow("lower case, tab-indented") << tabs.toLower();
}

void TestStructureEdits::lowerCaseAndTabIndentedProgramsTrack()
{
    QFETCH(QByteArray, text);
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, text);
    SourceEditor *editor = child->editor();
    QCOMPARE(child->dataDivisionLine, 2);
    QCOMPARE(child->procedureDivisionLine, 7);
    QCOMPARE(child->structureTree()->count(), 8);

    // A paragraph name, then a data name, then a reserved word in its case.
    const int performColumn = editor->lineText(9).indexOf(QStringLiteral("2000"), 0, Qt::CaseInsensitive);
    placeCaret(editor, 9, performColumn + 3);
    pressKeys(editor, Qt::Key_F4);
    QCOMPARE(editor->lineFromChar(editor->selStart()), 13);
    QCOMPARE(editor->selectedText().toUpper(), QStringLiteral("2000-READ"));

    const int countColumn = editor->lineText(11).indexOf(QStringLiteral("WS-COUNT"), 0, Qt::CaseInsensitive);
    placeCaret(editor, 11, countColumn + 2);
    pressKeys(editor, Qt::Key_F4);
    QCOMPARE(editor->lineFromChar(editor->selStart()), 4);
    QCOMPARE(editor->selectedText().toUpper(), QStringLiteral("WS-COUNT"));

    const int moveColumn = editor->lineText(11).indexOf(QStringLiteral("MOVE"), 0, Qt::CaseInsensitive);
    placeCaret(editor, 11, moveColumn + 1);
    const int caret = editor->selStart();
    pressKeys(editor, Qt::Key_F4);
    QCOMPARE(editor->selStart(), caret);
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

QTEST_MAIN(TestStructureEdits)
#include "tst_structureedits.moc"
