#include "structure/widgets/StructureTreeView.h"

#include <QTest>

using norvane::StructureTreeView;

// The tree operations the structure features rely on: node indexes in tree
// order, one integer per node, visibility, selection and label hits.
class TestStructureTreeView : public QObject {
    Q_OBJECT

private slots:
    void indexesFollowTreeOrderNotCreationOrder();
    void batchAddsAppearAtTheEnd();
    void visibilityFollowsExpansion();
    void hitTestTellsLabelFromIndent();
    void clearRemovesEverything();
    void lastIndexAtMostIsTheLastInTreeOrder();
};

void TestStructureTreeView::indexesFollowTreeOrderNotCreationOrder()
{
    StructureTreeView tree;
    auto *a = tree.addRoot(QStringLiteral("A"), 0);
    auto *b = tree.addChild(a, QStringLiteral("B"), 1);
    auto *c = tree.addChild(a, QStringLiteral("C"), 5);
    tree.addRoot(QStringLiteral("D"), 9);
    // A node added late under an earlier parent stands before the later root.
    tree.addChild(b, QStringLiteral("E"), 12);

    QCOMPARE(tree.count(), 5);
    const QStringList expected{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("E"), QStringLiteral("C"),
                               QStringLiteral("D")};
    for (int i = 0; i < tree.count(); ++i)
        QCOMPARE(tree.nodeText(tree.nodeAt(i)), expected[i]);
    QCOMPARE(tree.dataAt(2), 12);
    QCOMPARE(tree.nodeData(c), 5);
    QCOMPARE(tree.indexOf(c), 3);

    tree.setDataAt(3, 7);
    QCOMPARE(tree.nodeData(c), 7);
    QCOMPARE(tree.nodeAt(5), nullptr);
}

void TestStructureTreeView::batchAddsAppearAtTheEnd()
{
    StructureTreeView tree;
    tree.beginUpdate();
    auto *root = tree.addRoot(QStringLiteral("ROOT"), 0);
    tree.addChild(root, QStringLiteral("CHILD"), 1);
    tree.expandNode(root);
    QCOMPARE(tree.count(), 2);
    QCOMPARE(tree.nodeText(tree.nodeAt(1)), QStringLiteral("CHILD"));
    tree.endUpdate();
    QCOMPARE(tree.topLevelItemCount(), 1);
    QVERIFY(root->isExpanded());
}

void TestStructureTreeView::visibilityFollowsExpansion()
{
    StructureTreeView tree;
    auto *root = tree.addRoot(QStringLiteral("R"), 0);
    auto *child = tree.addChild(root, QStringLiteral("C"), 1);
    auto *grandChild = tree.addChild(child, QStringLiteral("G"), 2);
    QVERIFY(tree.isNodeVisible(root));
    QVERIFY(!tree.isNodeVisible(child));
    tree.expandNode(root);
    QVERIFY(tree.isNodeVisible(child));
    QVERIFY(!tree.isNodeVisible(grandChild));

    tree.setSelectedNode(child);
    QCOMPARE(tree.selectedNode(), child);
}

void TestStructureTreeView::hitTestTellsLabelFromIndent()
{
    StructureTreeView tree;
    auto *root = tree.addRoot(QStringLiteral("PROCEDURE DIVISION."), 0);
    auto *child = tree.addChild(root, QStringLiteral("MAIN SECTION."), 1);
    tree.expandNode(root);
    tree.resize(400, 200);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));

    const QRect row = tree.visualItemRect(child);
    const StructureTreeView::Hit onText = tree.hitTest(QPoint(row.left() + 5, row.center().y()));
    QCOMPARE(onText.node, child);
    QVERIFY(onText.onLabel);

    const StructureTreeView::Hit onIndent = tree.hitTest(QPoint(row.left() - 10, row.center().y()));
    QCOMPARE(onIndent.node, child);
    QVERIFY(!onIndent.onLabel);

    const StructureTreeView::Hit pastText = tree.hitTest(QPoint(row.left() + 380, row.center().y()));
    QVERIFY(!pastText.onLabel);

    const StructureTreeView::Hit empty = tree.hitTest(QPoint(10, 190));
    QCOMPARE(empty.node, nullptr);
    QVERIFY(!empty.onLabel);
}

void TestStructureTreeView::clearRemovesEverything()
{
    StructureTreeView tree;
    tree.addRoot(QStringLiteral("A"), 0);
    tree.beginUpdate();
    tree.addRoot(QStringLiteral("B"), 1);
    tree.clearNodes();
    tree.endUpdate();
    QCOMPARE(tree.count(), 0);
    QCOMPARE(tree.topLevelItemCount(), 0);
}

// The node of a line: the last in tree order whose integer is at most the
// line, as a walk back from the end finds it, although a performed paragraph
// hung under an earlier section puts the integers out of order.
void TestStructureTreeView::lastIndexAtMostIsTheLastInTreeOrder()
{
    StructureTreeView tree;
    auto *division = tree.addRoot(QStringLiteral("PROCEDURE DIVISION"), 2);
    auto *first = tree.addChild(division, QStringLiteral("S1 SECTION"), 5);
    auto *paragraph = tree.addChild(first, QStringLiteral("P1"), 8);
    tree.addChild(division, QStringLiteral("S2 SECTION"), 20);
    tree.addChild(paragraph, QStringLiteral("P9 (performed)"), 30);
    tree.addChild(division, QStringLiteral("S3 SECTION"), 25);
    const auto walkBack = [&tree](int line) {
        int index = tree.count() - 1;
        while (index >= 0 && tree.dataAt(index) > line)
            --index;
        return index;
    };
    const auto check = [&] {
        for (int line = -1; line <= 40; ++line)
            QCOMPARE(tree.lastIndexAtMost(line), walkBack(line));
    };
    check();
    QCOMPARE(tree.lastIndexAtMost(26), 5);
    QCOMPARE(tree.lastIndexAtMost(22), 4);
    QCOMPARE(tree.lastIndexAtMost(1), -1);
    // After the lines change, one by one or all at once.
    tree.setDataAt(3, 35);
    check();
    tree.changeAllData([](int line) { return line >= 10 ? line - 7 : line; });
    check();
    tree.addChild(division, QStringLiteral("S4 SECTION"), 4);
    check();
}

QTEST_MAIN(TestStructureTreeView)
#include "tst_structuretreeview.moc"
