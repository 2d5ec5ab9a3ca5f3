#include "search/widgets/FindResultsView.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

namespace norvane {

FindResultsView::FindResultsView(QWidget *parent) : QTableView(parent)
{
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) { emit rowChosen(index.row()); });
    connect(this, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { emit rowChosen(index.row()); });
}

void FindResultsView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after.row() != before.row())
        emit rowChosen(after.row());
}

void FindResultsView::mousePressEvent(QMouseEvent *event)
{
    // The right button opens the popup menu and nothing else.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void FindResultsView::focusInEvent(QFocusEvent *event)
{
    // An item view makes its first row current when it gets the focus with
    // none; here a row becomes current only by the user's choice.
    const bool hadCurrent = currentIndex().isValid();
    QTableView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

} // namespace norvane
