#pragma once

#include "layout/core/LayoutTable.h"

#include <QAbstractTableModel>

namespace norvane {

// The record layout table of a layout window: one row per item (and per
// occurrence), the seven columns Level to Redefines; read-only.
class LayoutTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit LayoutTableModel(LayoutTable table, QObject *parent = nullptr);

    [[nodiscard]] const LayoutTable &table() const { return m_table; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    LayoutTable m_table;
};

} // namespace norvane
