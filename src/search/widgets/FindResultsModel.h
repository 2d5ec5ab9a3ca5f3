#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace norvane {

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
    [[nodiscard]] FindResult result(int row) const;
    // The cell text as the grid shows it.
    [[nodiscard]] QString cellText(int row, int column) const;
    // The longest text of the column, to size the column by.
    [[nodiscard]] QString longestText(int column) const;

    void append(std::vector<FindResult> rows);
    void clear();

    // The rows' lines and positions, which follow the edits of the text; the
    // generation changes whenever rows go.
    [[nodiscard]] std::span<int> lines() { return m_lines; }
    [[nodiscard]] std::span<int> positions() { return m_positions; }
    [[nodiscard]] std::uint64_t generation() const { return m_generation; }
    // The grid shows the lines and positions as they now stand.
    void placesMoved();

private:
    struct Texts {
        QString header;
        QString text;
        QString found;
    };

    std::vector<Texts> m_rows;
    std::vector<int> m_lines;
    std::vector<int> m_positions;
    std::uint64_t m_generation = 0;
};

} // namespace norvane
