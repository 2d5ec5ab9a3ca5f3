#pragma once

#include "layout/core/DataFile.h"

#include <QAbstractTableModel>

namespace norvane {

// The records of a data window: a row per record, a column per field, each
// cell's text decoded from the record only when the view asks for it. The
// header shows each field's name and picture; edits go to the data file's
// edits, never to the file itself until it is saved.
class DataGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DataGridModel(DataFile file, QObject *parent = nullptr);

    [[nodiscard]] DataFile &file() { return m_file; }
    [[nodiscard]] const DataFile &file() const { return m_file; }
    // Shows another file (after an open).
    void replaceFile(DataFile file);
    // Shows the file's records anew (after a save).
    void refresh();
    // A new empty record, or a copy of the row, right after the row.
    void insertRecordAfter(int row, bool copy);
    void deleteRecord(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A cell's text or the records changed.
    void edited();

private:
    DataFile m_file;
};

} // namespace norvane
