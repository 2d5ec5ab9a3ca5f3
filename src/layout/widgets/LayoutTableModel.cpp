#include "layout/widgets/LayoutTableModel.h"

#include "common/widgets/Latin1.h"

namespace norvane {

namespace {
constexpr int LayoutColumns = 7;
}

LayoutTableModel::LayoutTableModel(LayoutTable table, QObject *parent)
    : QAbstractTableModel(parent), m_table(std::move(table))
{
}

int LayoutTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int LayoutTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : LayoutColumns;
}

QVariant LayoutTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return toQString(m_table.cell(static_cast<std::size_t>(index.row()) + 1, index.column()));
}

QVariant LayoutTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return toQString(m_table.cell(0, section));
    return section + 1;
}

} // namespace norvane
