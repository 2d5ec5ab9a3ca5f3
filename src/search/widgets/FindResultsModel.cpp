#include "search/widgets/FindResultsModel.h"

#include "search/core/ShiftLog.h"

#include <iterator>

namespace norvane {

FindResultsModel::FindResultsModel(QObject *parent) : QAbstractTableModel(parent) {}

int FindResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FindResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindResultsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return cellText(index.row(), index.column());
}

QString FindResultsModel::cellText(int row, int column) const
{
    const FindResult &found = result(row);
    switch (column) {
    case LineColumn:
        return QStringLiteral("line %1").arg(found.line + 1);
    case HeaderColumn:
        return found.header;
    case TextColumn:
        return found.text;
    case PositionColumn:
        return QString::number(found.position);
    default:
        return {};
    }
}

QString FindResultsModel::longestText(int column) const
{
    QString longest;
    for (int row = 0; row < rowCount(); ++row) {
        const QString text = cellText(row, column);
        if (text.size() > longest.size())
            longest = text;
    }
    return longest;
}

void FindResultsModel::append(std::vector<FindResult> rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void FindResultsModel::clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void FindResultsModel::shift(const ShiftLog &lines, const ShiftLog &positions)
{
    if (m_rows.empty() || (lines.empty() && positions.empty()))
        return;
    for (FindResult &row : m_rows) {
        row.line = lines.apply(row.line);
        row.position = positions.apply(row.position);
    }
    emit dataChanged(index(0, LineColumn), index(rowCount() - 1, PositionColumn), {Qt::DisplayRole});
}

} // namespace norvane
