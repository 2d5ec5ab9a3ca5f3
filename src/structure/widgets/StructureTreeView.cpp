#include "structure/widgets/StructureTreeView.h"

#include "common/widgets/FontChoice.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>
#include <functional>
#include <limits>

namespace norvane {

namespace {

// A node that knows its creation number, without a data role to look it up.
class NodeItem : public QTreeWidgetItem {
public:
    NodeItem(const QString &text, int id) : QTreeWidgetItem(UserType), m_id(id) { setText(0, text); }
    [[nodiscard]] int id() const { return m_id; }

private:
    int m_id;
};

} // namespace

StructureTreeView::StructureTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setFont(labelFont(QStringLiteral("Arial"), 0));
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::NoFocus);
    setUniformRowHeights(true);
    setMinimumWidth(0);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemExpanded, this, &StructureTreeView::nodeExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &StructureTreeView::nodeCollapsed);
}

void StructureTreeView::clearNodes()
{
    clear();
    for (Node pending : m_pendingRoots)
        delete pending;
    m_pendingRoots.clear();
    m_pendingExpand.clear();
    m_items.clear();
    m_data.clear();
    ++m_generation;
    m_order.clear();
    m_orderValid = true;
    m_leastFromValid = false;
}

void StructureTreeView::beginUpdate()
{
    m_batch = true;
    setUpdatesEnabled(false);
}

void StructureTreeView::endUpdate()
{
    m_batch = false;
    if (!m_pendingRoots.empty()) {
        QList<QTreeWidgetItem *> roots(m_pendingRoots.begin(), m_pendingRoots.end());
        m_pendingRoots.clear();
        addTopLevelItems(roots);
    }
    for (Node node : m_pendingExpand)
        node->setExpanded(true);
    m_pendingExpand.clear();
    setUpdatesEnabled(true);
}

StructureTreeView::Node StructureTreeView::createNode(const QString &text, int value)
{
    auto *node = new NodeItem(text, static_cast<int>(m_items.size()));
    m_items.push_back(node);
    m_data.push_back(value);
    m_orderValid = false;
    return node;
}

StructureTreeView::Node StructureTreeView::addRoot(const QString &text, int value)
{
    Node node = createNode(text, value);
    if (m_batch)
        m_pendingRoots.push_back(node);
    else
        addTopLevelItem(node);
    return node;
}

StructureTreeView::Node StructureTreeView::addChild(Node parent, const QString &text, int value)
{
    Node node = createNode(text, value);
    parent->addChild(node);
    return node;
}

void StructureTreeView::expandNode(Node node)
{
    if (m_batch)
        m_pendingExpand.push_back(node);
    else
        node->setExpanded(true);
}

int StructureTreeView::idOf(Node node) const
{
    return static_cast<const NodeItem *>(node)->id();
}

void StructureTreeView::rebuildOrder() const
{
    if (m_orderValid)
        return;
    m_order.clear();
    m_order.reserve(m_items.size());
    const std::function<void(Node)> visit = [&](Node node) {
        m_order.push_back(idOf(node));
        for (int i = 0; i < node->childCount(); ++i)
            visit(node->child(i));
    };
    for (int i = 0; i < topLevelItemCount(); ++i)
        visit(topLevelItem(i));
    for (Node pending : m_pendingRoots)
        visit(pending);
    m_orderValid = true;
    m_leastFromValid = false;
}

StructureTreeView::Node StructureTreeView::nodeAt(int index) const
{
    rebuildOrder();
    if (index < 0 || index >= static_cast<int>(m_order.size()))
        return nullptr;
    return m_items[static_cast<std::size_t>(m_order[static_cast<std::size_t>(index)])];
}

int StructureTreeView::indexOf(Node node) const
{
    rebuildOrder();
    const int id = idOf(node);
    for (std::size_t i = 0; i < m_order.size(); ++i) {
        if (m_order[i] == id)
            return static_cast<int>(i);
    }
    return -1;
}

QString StructureTreeView::nodeText(Node node) const
{
    return node->text(0);
}

int StructureTreeView::nodeData(Node node) const
{
    return m_data[static_cast<std::size_t>(idOf(node))];
}

int StructureTreeView::dataAt(int index) const
{
    rebuildOrder();
    return m_data[static_cast<std::size_t>(m_order[static_cast<std::size_t>(index)])];
}

void StructureTreeView::setDataAt(int index, int value)
{
    rebuildOrder();
    int &stored = m_data[static_cast<std::size_t>(m_order[static_cast<std::size_t>(index)])];
    if (stored != value) {
        stored = value;
        m_leastFromValid = false;
    }
}

int StructureTreeView::lastIndexAtMost(int value) const
{
    rebuildOrder();
    if (!m_leastFromValid) {
        m_leastFrom.resize(m_order.size());
        int least = std::numeric_limits<int>::max();
        for (std::size_t i = m_order.size(); i-- > 0;) {
            least = std::min(least, m_data[static_cast<std::size_t>(m_order[i])]);
            m_leastFrom[i] = least;
        }
        m_leastFromValid = true;
    }
    const auto after = std::upper_bound(m_leastFrom.cbegin(), m_leastFrom.cend(), value);
    return static_cast<int>(after - m_leastFrom.cbegin()) - 1;
}

bool StructureTreeView::isNodeVisible(Node node) const
{
    for (Node parent = node->parent(); parent != nullptr; parent = parent->parent()) {
        if (!parent->isExpanded())
            return false;
    }
    return true;
}

StructureTreeView::Node StructureTreeView::selectedNode() const
{
    return currentItem();
}

void StructureTreeView::setSelectedNode(Node node)
{
    setCurrentItem(node);
    if (node != nullptr)
        scrollToItem(node);
}

StructureTreeView::Hit StructureTreeView::hitTest(const QPoint &point) const
{
    Hit hit;
    hit.node = itemAt(point);
    if (hit.node == nullptr)
        return hit;
    const QRect cell = visualItemRect(hit.node);
    const int textWidth = fontMetrics().horizontalAdvance(hit.node->text(0));
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    hit.onLabel = point.x() >= cell.left() && point.x() <= cell.left() + textWidth + 2 * margin;
    return hit;
}

void StructureTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    emit mouseUp(event);
}

} // namespace norvane
