#include "layout/widgets/DataGridModel.h"

#include "common/widgets/Latin1.h"

#include <QGuiApplication>
#include <QPalette>

namespace norvane {

DataGridModel::DataGridModel(DataFile file, QObject *parent) : QAbstractTableModel(parent), m_file(std::move(file)) {}

void DataGridModel::replaceFile(DataFile file)
{
    beginResetModel();
    m_file = std::move(file);
    endResetModel();
}

void DataGridModel::refresh()
{
    beginResetModel();
    endResetModel();
}

void DataGridModel::insertRecordAfter(int row, bool copy)
{
    const int at = std::min(row + 1, rowCount());
    beginInsertRows({}, at, at);
    if (copy && row >= 0 && row < rowCount())
        m_file.copyRecord(static_cast<std::size_t>(row));
    else
        m_file.insertRecord(static_cast<std::size_t>(at));
    endInsertRows();
    emit edited();
}

void DataGridModel::deleteRecord(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_file.deleteRecord(static_cast<std::size_t>(row));
    endRemoveRows();
    emit edited();
}

int DataGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_file.recordCount());
}

int DataGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_file.columns().size());
}

QVariant DataGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const auto record = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return toQString(m_file.cell(record, column));
    case Qt::BackgroundRole:
        // Bytes that are no value of the field's picture stand out, in the
        // palette's colour for highlighted text that is not selected.
        if (m_file.isFlagged(record, column))
            return QGuiApplication::palette().brush(QPalette::Inactive, QPalette::Highlight);
        return {};
    case Qt::ToolTipRole:
        if (m_file.isFlagged(record, column))
            return tr("Shown as the file holds it: not a value of this field's picture. "
                      "Saved unchanged unless you edit it.");
        return {};
    default:
        return {};
    }
}

bool DataGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const bool changed = m_file.setCell(static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column()),
                                        toBytes(value.toString()));
    if (changed) {
        // A counter decides which cells of its record are there: the whole row.
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
        emit edited();
    }
    return true;
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QAbstractTableModel::flags(index);
    // Hexadecimal columns and cells a record does not have are read-only.
    const auto column = static_cast<std::size_t>(index.column());
    if (m_file.columns()[column].hex || !m_file.isPresent(static_cast<std::size_t>(index.row()), column))
        return QAbstractTableModel::flags(index);
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    const DataColumn &column = m_file.columns()[static_cast<std::size_t>(section)];
    return toQString(column.header) + QLatin1Char('\n') + toQString(column.picture);
}

} // namespace norvane
