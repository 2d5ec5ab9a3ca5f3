#include "layout/widgets/RecordWindows.h"

#include "common/core/FileIO.h"
#include "common/core/PathName.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/FontChoice.h"
#include "common/widgets/Latin1.h"
#include "common/widgets/ReplaceQuestion.h"
#include "common/widgets/WaitCursor.h"
#include "document/widgets/DocumentArea.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "layout/core/LayoutCsv.h"
#include "layout/widgets/DataFormatChoice.h"
#include "layout/widgets/DataGridModel.h"
#include "layout/widgets/LayoutTableModel.h"
#include "layout/widgets/RecordPanel.h"
#include "settings/core/Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSplitter>
#include <QTableView>

namespace norvane {

namespace {

const QString kCsvFilter = QStringLiteral("CSV files (*.csv);;All Files (*)");
const QString kDataFilter = QStringLiteral("All Files (*)");

ByteOrder orderOf(DocumentHost &host)
{
    return byteOrderFor(host.settings().BigEndianOption);
}

QString dataCaption(const std::string &path)
{
    TPathName name;
    name.SetPath(path);
    return QStringLiteral("data: ") + QString::fromStdString(name.FileName);
}

// Enter, Ctrl+Enter and Alt+Enter in the data grid insert, copy and delete records.
class DataGridKeys : public QObject {
public:
    DataGridKeys(DocumentWindow &child) : QObject(&child), m_child(child) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->modifiers() & Qt::ControlModifier)
            insertDataRow(m_child, true);
        else if (key->modifiers() & Qt::AltModifier)
            deleteDataRow(m_child);
        else
            insertDataRow(m_child, false);
        return true;
    }

private:
    DocumentWindow &m_child;
};

bool sameFile(const QString &a, const QString &b)
{
    return !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// The record panel and the status bar follow the grid's current record.
void showCurrentRecord(DocumentWindow &child)
{
    if (child.dataModel == nullptr)
        return;
    child.dataStatus = dataStatusText(child.dataModel->file());
    child.showEditMode();
    if (child.recordPanel != nullptr && child.recordPanel->isVisible()) {
        const QModelIndex current = child.dataGrid()->currentIndex();
        child.recordPanel->showRecord(child.dataModel->file(), current.isValid() ? current.row() : -1,
                                      current.isValid() ? current.column() : -1);
    }
}

bool isMisfit(const std::string &message)
{
    return !message.starts_with("Cannot open file ");
}

void prepareGridWindow(DocumentWindow &child, QTableView *grid)
{
    child.setTreeWidth(0);
    child.editorSplitter()->hide();
    grid->setFont(fixedPitchFont(QStringLiteral("Lucida Console"), 0));
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->show();
}

} // namespace

void openRecordWindow(DocumentWindow &source, LayoutMode mode, DocumentArea &area, DocumentHost &host)
{
    const bool dataMode = mode == LayoutMode::Data;
    const std::string selected = toBytes(source.editorInUse()->selectedText());
    auto refuse = [&host](const std::string &message) {
        host.dialogs().message(Dialogs::Icon::Error, QString::fromLocal8Bit(message), Dialogs::Buttons::Ok);
    };
    if (selected.empty()) {
        refuse("select a record definition");
        return;
    }
    std::optional<WaitCursor> wait(std::in_place);
    Result<LayoutTable> table = CalcRecordLayout(selected, mode);
    if (!table) {
        wait.reset();
        refuse(table.error());
        return;
    }
    std::vector<DataColumn> columns;
    if (dataMode) {
        Result<std::vector<DataColumn>> built = BuildDataHeaders(table.value());
        if (!built) {
            wait.reset();
            refuse(built.error());
            return;
        }
        columns = std::move(built).value();
    }

    DocumentWindow *child = area.addDocument();
    const std::string message = table.value().message;
    if (dataMode)
        showDataWindow(*child, table.value(), std::move(columns), orderOf(host));
    else
        showLayoutWindow(*child, std::move(table).value());
    area.showNewDocument(child);
    wait.reset();
    if (!message.empty())
        refuse(message);
    if (dataMode)
        startFirstRecord(*child);
}

void startFirstRecord(DocumentWindow &child)
{
    // One empty record to type into, its first field editing: no edit yet.
    child.dataModel->insertRecordAfter(-1, false);
    child.setDataModified(false);
    const QModelIndex first = child.dataModel->index(0, 0);
    child.dataGrid()->setFocus();
    child.dataGrid()->setCurrentIndex(first);
    child.dataGrid()->edit(first);
}

void showLayoutWindow(DocumentWindow &child, LayoutTable table)
{
    child.layoutTotals = table.RecData;
    auto *model = new LayoutTableModel(std::move(table), &child);
    child.layoutModel = model;
    child.layoutGrid()->setModel(model);
    child.layoutGrid()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    child.layoutGrid()->horizontalHeader()->setStretchLastSection(true);
    prepareGridWindow(child, child.layoutGrid());
    child.layoutGrid()->resizeColumnsToContents();
    child.setCaption(toQString(LayoutCaption(model->table())));
}

void showDataWindow(DocumentWindow &child, const LayoutTable &table, std::vector<DataColumn> columns, ByteOrder order)
{
    child.layoutTotals = table.RecData;
    const auto recordLength = static_cast<std::size_t>(table.RecData.RecordLength);
    auto *model = new DataGridModel(DataFile(std::move(columns), recordLength, CellFormat(order)), &child);
    child.dataModel = model;
    QObject::connect(model, &DataGridModel::edited, &child, [&child] {
        child.setDataModified(true);
        showCurrentRecord(child);
    });
    QObject::connect(model, &QAbstractItemModel::modelReset, &child, [&child] { showCurrentRecord(child); });
    child.recordPanel = new RecordPanel(child.dataSplitter());
    child.dataSplitter()->addWidget(child.recordPanel);
    child.dataSplitter()->show();
    child.dataGrid()->setModel(model);
    // Besides the view's own triggers (a double click, F2), any typed key starts
    // editing the cell; moving to a cell or clicking it once does not.
    child.dataGrid()->setEditTriggers(child.dataGrid()->editTriggers() | QAbstractItemView::AnyKeyPressed);
    child.dataGrid()->verticalHeader()->setMinimumWidth(50);
    child.dataGrid()->installEventFilter(new DataGridKeys(child));
    prepareGridWindow(child, child.dataGrid());
    QObject::connect(child.dataGrid()->selectionModel(), &QItemSelectionModel::currentChanged, &child,
                     [&child] { showCurrentRecord(child); });
    child.dataGrid()->resizeColumnsToContents();
    child.dataFileName = toQString(table.recordName());
    child.dataStatus = dataStatusText(model->file());
    child.setCaption(toQString(DataCaption(table)));
}

bool exportLayoutCsv(DocumentWindow &child, DocumentHost &host)
{
    if (child.layoutModel == nullptr)
        return false;
    const QString proposed = toQString(ProposedCsvName(toBytes(child.caption())));
    const std::optional<QString> chosen = host.dialogs().saveFile(QStringLiteral("Save as"), kCsvFilter, proposed);
    if (!chosen)
        return false;
    const std::string path = WithCsvExtension(QFile::encodeName(*chosen).toStdString());
    if (!mayReplaceFile(host.dialogs(), QFile::decodeName(QByteArray::fromStdString(path))))
        return false;
    WaitCursor wait;
    const Result<void> written = writeFileSafely(path, ExportLayoutCsv(child.layoutModel->table()));
    if (!written) {
        host.dialogs().message(Dialogs::Icon::Error, QString::fromLocal8Bit(written.error()), Dialogs::Buttons::Ok);
        return false;
    }
    return true;
}

void openDataFile(DocumentWindow &child, DocumentHost &host)
{
    if (child.dataModel == nullptr)
        return;
    const auto choice = host.dialogs().openFiles(QStringLiteral("Open data file"), kDataFilter, QString(), false);
    if (!choice || choice->files.isEmpty())
        return;
    const QString chosenPath = choice->files.constFirst();
    const std::string path = QFile::encodeName(chosenPath).toStdString();
    const DataFile &current = child.dataModel->file();
    const auto refuse = [&host](const std::string &message) {
        host.dialogs().message(Dialogs::Icon::Error, QString::fromLocal8Bit(message), Dialogs::Buttons::Ok);
    };

    // The format: what was chosen for this file before, or what its bytes
    // suggest, offered for the user to confirm or change.
    std::optional<DataFormat> proposed = rememberedFormat(host.dataFormatsPath(), path);
    if (!proposed) {
        WaitCursor wait;
        proposed = DetectFileFormat(path, current.recordLength(), DataFormat::withOrder(orderOf(host)));
    }
    std::optional<DataFormat> format = chooseDataFormat(host.dialogs(), QFileInfo(chosenPath).fileName(), *proposed);
    if (!format)
        return;

    Result<DataFile> opened = Error{std::string()};
    for (;;) {
        const Result<CellFormat> cells = CellFormat::make(*format);
        if (!cells) {
            refuse(cells.error());
            return;
        }
        {
            WaitCursor wait;
            opened = DataFile::open(path, current.columns(), current.recordLength(), cells.value());
        }
        if (opened)
            break;
        // A file that is not records of this format: say why, and offer the
        // format its bytes suggest, when they suggest one.
        const std::optional<DataFormat> suggested =
            isMisfit(opened.error()) ? SuggestFileFormat(path, current.recordLength(), *format) : std::nullopt;
        if (!suggested) {
            refuse(opened.error());
            return;
        }
        const QString question = QString::fromLocal8Bit(opened.error()) + QStringLiteral("\n\nOpen it as ") +
                                 QString::fromStdString(DescribeFormat(*suggested)) + QStringLiteral("?");
        if (host.dialogs().message(Dialogs::Icon::Confirmation, question, Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
            return;
        format = suggested;
    }
    rememberFormat(host.dataFormatsPath(), path, *format);
    child.dataModel->replaceFile(std::move(opened).value());
    child.setDataModified(false);
    child.dataFileName = QString::fromLocal8Bit(path);
    child.setCaption(dataCaption(path));
    host.renameTab(child.caption());
    child.dataGrid()->resizeColumnsToContents();
    child.dataGrid()->setCurrentIndex(child.dataModel->index(0, 0));
    showCurrentRecord(child);
}

bool saveDataFile(DocumentWindow &child, DocumentHost &host)
{
    if (child.dataModel == nullptr)
        return false;
    DataFile &file = child.dataModel->file();
    if (const std::optional<CellFailure> failure = file.validate()) {
        host.dialogs().message(Dialogs::Icon::Error, QString::fromLocal8Bit(failure->message), Dialogs::Buttons::Ok);
        child.dataGrid()->setCurrentIndex(
            child.dataModel->index(static_cast<int>(failure->record), static_cast<int>(failure->column)));
        return false;
    }
    const std::optional<QString> chosen =
        host.dialogs().saveFile(QStringLiteral("Save data file"), kDataFilter, child.dataFileName);
    if (!chosen)
        return false;
    // Saving back to the file the grid shows is what Save is for; any other file is asked about.
    const QString shown = QFile::decodeName(QByteArray::fromStdString(file.path()));
    if (!sameFile(*chosen, shown) && !mayReplaceFile(host.dialogs(), *chosen))
        return false;
    WaitCursor wait;
    const std::string path = QFile::encodeName(*chosen).toStdString();
    // A file opened keeps its own format; records typed into a window before
    // any file was opened take the byte order of the settings.
    const Result<void> saved = file.path().empty() ? file.save(path, orderOf(host)) : file.save(path);
    if (!saved) {
        host.dialogs().message(Dialogs::Icon::Error, QString::fromLocal8Bit(saved.error()), Dialogs::Buttons::Ok);
        return false;
    }
    rememberFormat(host.dataFormatsPath(), path, file.format());
    child.dataModel->refresh();
    child.dataFileName = *chosen;
    child.setCaption(dataCaption(path));
    host.renameTab(child.caption());
    child.dataGrid()->resizeColumnsToContents();
    child.setDataModified(false);
    showCurrentRecord(child);
    return true;
}

void cutDataCell(DocumentWindow &child)
{
    copyDataCell(child);
    const QModelIndex current = child.dataGrid()->currentIndex();
    if (child.dataModel != nullptr && current.isValid())
        child.dataModel->setData(current, QString());
}

void copyDataCell(DocumentWindow &child)
{
    const QModelIndex current = child.dataGrid()->currentIndex();
    if (child.dataModel != nullptr && current.isValid())
        QApplication::clipboard()->setText(child.dataModel->data(current).toString());
}

void pasteDataCell(DocumentWindow &child)
{
    const QModelIndex current = child.dataGrid()->currentIndex();
    if (child.dataModel != nullptr && current.isValid())
        child.dataModel->setData(current, QApplication::clipboard()->text());
}

void insertDataRow(DocumentWindow &child, bool copy)
{
    if (child.dataModel == nullptr)
        return;
    const int row = child.dataGrid()->currentIndex().isValid() ? child.dataGrid()->currentIndex().row()
                                                                 : child.dataModel->rowCount() - 1;
    child.dataModel->insertRecordAfter(row, copy);
    child.dataGrid()->setCurrentIndex(child.dataModel->index(row + 1, 0));
}

void deleteDataRow(DocumentWindow &child)
{
    if (child.dataModel == nullptr)
        return;
    const QModelIndex current = child.dataGrid()->currentIndex();
    if (!current.isValid())
        return;
    child.dataModel->deleteRecord(current.row());
    const int row = std::min(current.row(), child.dataModel->rowCount() - 1);
    if (row >= 0)
        child.dataGrid()->setCurrentIndex(child.dataModel->index(row, 0));
}

void toggleRecordView(DocumentWindow &child, RecordView view)
{
    if (child.recordPanel == nullptr)
        return;
    RecordPanel &panel = *child.recordPanel;
    if (view == RecordView::Fields)
        panel.setFieldsShown(!panel.fieldsShown());
    else
        panel.setBytesShown(!panel.bytesShown());
    if (panel.isVisible()) {
        // The grid keeps at least two thirds of the height.
        const int height = child.dataSplitter()->height();
        child.dataSplitter()->setSizes({height - height / 3, height / 3});
    }
    showCurrentRecord(child);
}

void goToNextInvalidCell(DocumentWindow &child, DocumentHost &host)
{
    if (child.dataModel == nullptr)
        return;
    const QModelIndex current = child.dataGrid()->currentIndex();
    std::optional<std::pair<std::size_t, std::size_t>> found;
    {
        WaitCursor wait;
        const std::size_t record = current.isValid() ? static_cast<std::size_t>(current.row()) : 0;
        // Before the first cell when nothing is current, so that it is looked at too.
        const std::size_t column = current.isValid() ? static_cast<std::size_t>(current.column())
                                                     : child.dataModel->file().columns().size();
        found = current.isValid() ? child.dataModel->file().nextFlagged(record, column)
                                  : child.dataModel->file().nextFlagged(child.dataModel->file().recordCount(), column);
    }
    if (!found) {
        host.dialogs().message(Dialogs::Icon::Information, QStringLiteral("No cell holds bytes that are not a value of its field"),
                               Dialogs::Buttons::Ok);
        return;
    }
    const QModelIndex index = child.dataModel->index(static_cast<int>(found->first), static_cast<int>(found->second));
    child.dataGrid()->setCurrentIndex(index);
    child.dataGrid()->scrollTo(index);
}

} // namespace norvane
