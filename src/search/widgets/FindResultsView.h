#pragma once

#include <QTableView>

namespace norvane {

// The find-all results grid. A row takes the editor to its occurrence when it
// is clicked, activated (Enter, a double click) or reached with the arrow and
// page keys; a right click, the grid's popup menu and the grid getting the
// focus back neither choose a row nor make one current.
class FindResultsView : public QTableView {
    Q_OBJECT

public:
    explicit FindResultsView(QWidget *parent = nullptr);

signals:
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace norvane
