#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace norvane {

class ShiftLog;

// One occurrence found by Find all.
struct FindResult {
    int line = 0;          // line index of the match, from 0
    QString header;        // the area-A header above the match; empty on the header line itself or without a tree
    QString text;          // the matched line, trimmed
    int position = 0;      // the match's position in the editor
    QString found;         // the text matched there, to tell whether it still stands there
};

// The rows of the find-all results grid, in the order found: "line" and the
// line number from 1, the header, the line's text, and the match's position
// (a column the grid keeps hidden).
class FindResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { LineColumn, HeaderColumn, TextColumn, PositionColumn, ColumnCount };

    explicit FindResultsModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    [[nodiscard]] bool isEmpty() const { return m_rows.empty(); }
    [[nodiscard]] const FindResult &result(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    // The cell text as the grid shows it.
    [[nodiscard]] QString cellText(int row, int column) const;
    // The longest text of the column, to size the column by.
    [[nodiscard]] QString longestText(int column) const;

    void append(std::vector<FindResult> rows);
    void clear();
    // Keeps the rows on their text after edits: lines and positions at or after
    // an edit's threshold move by its delta.
    void shift(const ShiftLog &lines, const ShiftLog &positions);

private:
    std::vector<FindResult> m_rows;
};

} // namespace norvane
