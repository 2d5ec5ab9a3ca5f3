#pragma once

#include "layout/core/CompField.h"
#include "layout/core/DataColumns.h"
#include "layout/core/LayoutTable.h"

namespace norvane {

class DocumentArea;
class DocumentHost;
class DocumentWindow;

// Layout and data windows: a document window that shows a record layout
// table, or the records of a data file in a grid, built from a selected
// record definition.

// Calc offset (layout mode) or Edit data file (data mode) on the source window:
// a new layout or data window for the record definition selected in the editor
// in use. Nothing is built when the selection holds no usable definition.
void openRecordWindow(DocumentWindow &source, LayoutMode mode, DocumentArea &area, DocumentHost &host);

// A new data window's grid: one empty record, its first field open for typing.
void startFirstRecord(DocumentWindow &child);

// Makes the window a layout window showing the table.
void showLayoutWindow(DocumentWindow &child, LayoutTable table);
// Makes the window a data window with the columns and no records yet.
void showDataWindow(DocumentWindow &child, const LayoutTable &table, std::vector<DataColumn> columns, ByteOrder order);

// File/Save in a layout window: the table as a CSV file. False when nothing was written.
bool exportLayoutCsv(DocumentWindow &child, DocumentHost &host);
// File/Open in a data window: a data file into its grid.
void openDataFile(DocumentWindow &child, DocumentHost &host);
// File/Save in a data window: checks every edited cell, then writes the file.
// False when a cell failed, the dialog was cancelled or the file could not be written.
bool saveDataFile(DocumentWindow &child, DocumentHost &host);

// The current cell of the data grid and the clipboard.
void cutDataCell(DocumentWindow &child);
void copyDataCell(DocumentWindow &child);
void pasteDataCell(DocumentWindow &child);
// A new empty record, or a copy of the current one, after the current row; or its deletion.
void insertDataRow(DocumentWindow &child, bool copy);
void deleteDataRow(DocumentWindow &child);

// The two views of the current record below the grid.
enum class RecordView { Fields, Bytes };
// Shows the view of the data window's current record, or hides it when shown.
void toggleRecordView(DocumentWindow &child, RecordView view);
// Makes the next cell whose bytes are no value of its field the current one,
// going round to the first record; says so when there is none.
void goToNextInvalidCell(DocumentWindow &child, DocumentHost &host);

} // namespace norvane
