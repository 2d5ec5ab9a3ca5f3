#pragma once

#include <QTreeWidget>

#include <cstdint>
#include <span>
#include <vector>

namespace norvane {

// The structure tree of a document window.
//
// Each node has a caption and one integer (the 0-based source line it stands
// for). Nodes are addressed by index in tree order: a parent before its
// children, children in the order added, a whole subtree before the next
// sibling. The integers live beside the items, so shifting thousands of them
// after an edit costs no redraw.
class StructureTreeView : public QTreeWidget {
    Q_OBJECT

public:
    using Node = QTreeWidgetItem *;

    struct Hit {
        Node node = nullptr;
        bool onLabel = false;   // on the node's text, not its button, indent or empty space
    };

    explicit StructureTreeView(QWidget *parent = nullptr);

    void clearNodes();
    // Nodes added between these two appear at once, at the end.
    void beginUpdate();
    void endUpdate();
    Node addRoot(const QString &text, int value);
    Node addChild(Node parent, const QString &text, int value);
    void expandNode(Node node);

    [[nodiscard]] int count() const { return static_cast<int>(m_items.size()); }
    [[nodiscard]] Node nodeAt(int index) const;
    [[nodiscard]] int indexOf(Node node) const;
    [[nodiscard]] QString nodeText(Node node) const;
    [[nodiscard]] int nodeData(Node node) const;
    [[nodiscard]] int dataAt(int index) const;
    void setDataAt(int index, int value);
    // Every node's integer, in the order the nodes were created, to be kept in
    // step with the text; the generation changes whenever the nodes go. Who
    // changes them says so with nodeDataMoved().
    [[nodiscard]] std::span<int> nodeData() { return m_data; }
    // The integers given by nodeData() changed: the lookup by value is made
    // again when next asked. A key that moves no line leaves it as it is.
    void nodeDataMoved() { m_leastFromValid = false; }
    [[nodiscard]] std::uint64_t generation() const { return m_generation; }
    // Gives every node the integer change(its integer) in one pass, whatever
    // the tree order: what a shift of the stored lines after an edit needs.
    template <typename Change>
    void changeAllData(Change change)
    {
        for (int &value : m_data)
            value = change(value);
        m_leastFromValid = false;
    }
    // The last node in tree order whose integer is at most the value; -1 when
    // there is none. Quick: the caret's node is looked up on every key.
    [[nodiscard]] int lastIndexAtMost(int value) const;
    // True when every ancestor is expanded.
    [[nodiscard]] bool isNodeVisible(Node node) const;
    [[nodiscard]] Node selectedNode() const;
    void setSelectedNode(Node node);
    [[nodiscard]] Hit hitTest(const QPoint &point) const;

signals:
    void mouseUp(QMouseEvent *event);
    void nodeExpanded(QTreeWidgetItem *node);
    void nodeCollapsed(QTreeWidgetItem *node);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    [[nodiscard]] int idOf(Node node) const;
    void rebuildOrder() const;
    Node createNode(const QString &text, int value);

    std::vector<Node> m_items;          // by creation
    std::vector<int> m_data;            // by creation
    std::uint64_t m_generation = 0;
    mutable std::vector<int> m_order;   // creation ids in tree order
    mutable bool m_orderValid = true;
    // In tree order, the least integer from each index to the end: it never
    // falls, so lastIndexAtMost is a binary search although the integers are
    // not quite in order (a performed paragraph can stand before a section).
    mutable std::vector<int> m_leastFrom;
    mutable bool m_leastFromValid = false;
    bool m_batch = false;
    std::vector<Node> m_pendingRoots;
    std::vector<Node> m_pendingExpand;
};

} // namespace norvane
