#include "search/widgets/FindResultsModel.h"


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

FindResult FindResultsModel::result(int row) const
{
    const auto index = static_cast<std::size_t>(row);
    const Texts &texts = m_rows[index];
    return {m_lines[index], texts.header, texts.text, m_positions[index], texts.found};
}

QString FindResultsModel::cellText(int row, int column) const
{
    const FindResult found = result(row);
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
    for (FindResult &row : rows) {
        m_rows.push_back({std::move(row.header), std::move(row.text), std::move(row.found)});
        m_lines.push_back(row.line);
        m_positions.push_back(row.position);
    }
    endInsertRows();
}

void FindResultsModel::clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    m_lines.clear();
    m_positions.clear();
    ++m_generation;
    endResetModel();
}

void FindResultsModel::placesMoved()
{
    if (!m_rows.empty())
        emit dataChanged(index(0, LineColumn), index(rowCount() - 1, PositionColumn), {Qt::DisplayRole});
}

} // namespace norvane
