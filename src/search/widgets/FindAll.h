#pragma once

#include <QString>

class QTableView;

namespace norvane {

class DocumentHost;
class FindResultsModel;
class DocumentWindow;

struct FindAllQuery {
    QString text;
    bool matchCase = true;
    bool wholeWord = true;
};

// Finds every occurrence of the text in the window's main editor and lists
// them in its results grid, each with its line, the area-A header above it
// (when the structure tree is shown) and the line's text. Rows are added to
// those the grid shows; a hidden or cleared grid starts again. Nothing found:
// the user is told and the grid is left as it was.
void findAllOccurrences(DocumentWindow &child, DocumentHost &host, const FindAllQuery &query);

// Moves the main editor to the occurrence of the grid's row: the match selected
// when it still stands there, else only the caret at its position.
void goToFindResult(DocumentWindow &child, int row);

// The look of a results grid: fixed-pitch cells, whole rows selected, no
// headers or grid lines, out of the Tab order.
void setUpFindResultsGrid(QTableView &grid, FindResultsModel &model);

} // namespace norvane
