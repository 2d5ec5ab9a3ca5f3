#pragma once

#include <QWidget>

class QPlainTextEdit;
class QTableWidget;

namespace norvane {

class DataFile;

// The current record of a data window seen two more ways, as record editors
// show it: a list of its fields (name, picture, usage, offset, length, value)
// and its bytes in hexadecimal, each field's bytes marked and the current
// field's highlighted. Either part can be shown or hidden; the panel hides
// itself when both are.
class RecordPanel : public QWidget {
    Q_OBJECT

public:
    explicit RecordPanel(QWidget *parent = nullptr);

    void setFieldsShown(bool shown);
    void setBytesShown(bool shown);
    [[nodiscard]] bool fieldsShown() const;
    [[nodiscard]] bool bytesShown() const;

    // Shows the record (or nothing, for -1) with the column's field current.
    void showRecord(const DataFile &file, int record, int column);

    [[nodiscard]] QTableWidget *fieldList() const { return m_fields; }
    [[nodiscard]] QPlainTextEdit *byteView() const { return m_bytes; }

private:
    void updateVisibility();
    void fillFields(const DataFile &file, int record, int column);
    void fillBytes(const DataFile &file, int record, int column);

    QTableWidget *m_fields = nullptr;
    QPlainTextEdit *m_bytes = nullptr;
    bool m_fieldsShown = false;
    bool m_bytesShown = false;
};

} // namespace norvane
