#include "document/widgets/FileCommands.h"

#include "common/core/CommandState.h"
#include "common/core/DocumentKind.h"
#include "common/core/FileIO.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/Latin1.h"
#include "common/widgets/ReplaceQuestion.h"
#include "common/widgets/WaitCursor.h"
#include "document/core/LineEnding.h"
#include "document/core/SourceText.h"
#include "document/widgets/DocumentArea.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "layout/widgets/RecordWindows.h"
#include "settings/core/Settings.h"
#include "settings/widgets/RecentFiles.h"
#include "structure/core/CopybookShape.h"
#include "structure/widgets/RefreshTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <optional>

namespace norvane {

namespace {

const QString kSourceFilter = QStringLiteral(
    "All Files (*);;Cobol (*.cbl *.CBL);;Source (*.cob *.COB);;User Exit (*.uex *.UEX);;"
    "COBOL copybooks (*.cpy *.CPY)");

// Paths name documents in absolute, clean form, so two spellings of one file
// are one document.
QString documentPath(const QString &name)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(name).absoluteFilePath()));
}

bool sameCaption(const QString &a, const QString &b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

// Paths cross into the core as the file system's own encoding.
std::string pathBytes(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

bool hasTreeExtension(const std::string &ext)
{
    return ext == ".cbl" || ext == ".cob" || ext == ".CBL" || ext == ".COB";
}

} // namespace

FileCommands::FileCommands(DocumentArea &area, DocumentHost &host, RecentFiles &recent, QObject *parent)
    : QObject(parent), m_area(area), m_host(host), m_recent(recent)
{
}

FileCommands::~FileCommands() = default;

void FileCommands::openAtStart(const QStringList &files)
{
    if (!files.isEmpty()) {
        openNamedFiles(files);
    } else if (m_host.settings().StartOption) {
        if (const auto choice = m_host.dialogs().openFiles(QStringLiteral("Open"), kSourceFilter, QString(), true)) {
            openReadOnly = choice->readOnly;
            for (const QString &file : choice->files)
                openSourceFile(file);
        }
    }
}

void FileCommands::openNamedFiles(const QStringList &files)
{
    for (const QString &file : files)
        openSource(file, MissingFile::NewDocument);
}

void FileCommands::openRecent(const QString &path, bool readOnly)
{
    openReadOnly = readOnly;
    if (!path.isEmpty())
        openSourceFile(path);
}

void FileCommands::openFiles()
{
    if (DocumentWindow *child = m_area.takeActiveDocument()) {
        child->keyIsDown = false;
        if (child->isDataWindow) {
            // A data window opens data files into itself; its edits are not
            // dropped without the question Close asks.
            if (child->askToSaveChanges() != DocumentWindow::Unsaved::Kept)
                openDataFile(*child, m_host);
            return;
        }
    }
    const auto choice = m_host.dialogs().openFiles(QStringLiteral("Open"), kSourceFilter, QString(), true);
    if (!choice)
        return;
    openReadOnly = choice->readOnly;
    for (const QString &file : choice->files)
        openSourceFile(file);
}

void FileCommands::openSourceFile(const QString &name)
{
    openSource(name, MissingFile::Report);
}

void FileCommands::openSource(const QString &name, MissingFile missing)
{
    const QString path = documentPath(name);
    const QString wanted = QString::fromStdString(sourceCaption(path.toStdString(), openReadOnly));
    const bool exists = QFileInfo::exists(path);

    // A document showing the file is replaced only once the new contents are in hand.
    DocumentWindow *reloading = nullptr;
    const QList<DocumentWindow *> children = m_area.documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        DocumentWindow *open = *it;
        if (!sameCaption(open->caption(), wanted))
            continue;
        m_area.bringToFront(open);
        // A file named at start that is still to be made is already open as such.
        if (!exists && missing == MissingFile::NewDocument)
            return;
        const QString question = QStringLiteral("reload ") + open->caption() + QStringLiteral(" ?");
        if (m_host.dialogs().message(Dialogs::Icon::Confirmation, question, Dialogs::Buttons::OkCancel) !=
            Dialogs::Answer::Ok)
            return;
        reloading = open;
        break;
    }

    std::string bytes;
    if (exists) {
        WaitCursor wait;
        Result<std::string> read = readFileBytes(pathBytes(path));
        if (!read) {
            m_host.dialogs().message(Dialogs::Icon::Error, QString::fromLocal8Bit(read.error()), Dialogs::Buttons::Ok);
            return;
        }
        bytes = std::move(read).value();
    } else if (missing == MissingFile::Report || reloading != nullptr) {
        // The open text, if any, stays as it is: it may be all that is left of the file.
        m_host.dialogs().message(Dialogs::Icon::Information,
                                 name + QLatin1Char('\n') + QStringLiteral("no longer exists"), Dialogs::Buttons::Ok);
        m_recent.remove(name);
        return;
    }

    if (reloading != nullptr) {
        reloading->editor()->setModified(false);
        if (!m_area.closeDocument(reloading))
            return;
    }
    showSourceDocument(path, wanted, bytes);
}

void FileCommands::showSourceDocument(const QString &path, const QString &caption, const std::string &bytes)
{
    WaitCursor wait;
    DocumentWindow *child = m_area.addDocument();
    m_host.setCurrentDocument(child);
    m_host.showProgress(QStringLiteral("loading Program..."));
    child->syncSuspended = true;
    // Kept for the save, so that a document saved unchanged is the file it was read from.
    child->lineEnding = keptLineEnding(bytes);
    child->fileEndsWithoutLineBreak = !bytes.empty() && !endsWithLineBreak(bytes);
    child->setCaption(caption);
    child->editor()->setReadOnlyMode(openReadOnly);
    child->filePath = std::make_unique<TPathName>();
    child->filePath->SetPath(path.toStdString());

    // The window takes its size and the tree pane its width before the text
    // comes: the editor lays out a long text again whenever its width changes.
    // The scan reads the bytes already in hand. Programs get their tree, and so
    // do copybooks: by their name, or by a content of records without
    // divisions whatever the name.
    m_area.showNewDocument(child);
    std::optional<StructureTree> tree;
    const std::string &extension = child->filePath->Ext;
    if (hasTreeExtension(extension) || hasCopybookExtension(extension) ||
        holdsRecordsOnly(splitSourceLines(bytes))) {
        tree = scanTree(m_host, bytes);
        fitTreePane(*child, *tree);
    }
    // The document takes every kind of line break itself; loading also clears the modified flag.
    child->editor()->loadText(toQString(bytes));
    if (tree)
        showTree(*child, m_host, *tree);

    child->editor()->setFocus();
    child->syncSuspended = false;
    child->keyIsDown = false;
    child->syncToCaret(child->editor());
}

DocumentWindow *FileCommands::showSourceFile(const QString &name)
{
    const QString path = documentPath(name);
    const auto shows = [&path](const DocumentWindow *child) {
        return child != nullptr && child->filePath &&
               sameCaption(documentPath(QString::fromStdString(child->filePath->GetFullName())), path);
    };
    for (DocumentWindow *open : m_area.documents()) {
        if (shows(open)) {
            m_area.bringToFront(open);
            return open;
        }
    }
    openSourceFile(path);
    DocumentWindow *opened = m_area.activeDocument();
    return shows(opened) ? opened : nullptr;
}

void FileCommands::newDocument()
{
    std::vector<std::string> captions;
    for (const DocumentWindow *child : m_area.documents())
        captions.push_back(child->caption().toStdString());
    const int next = nextBlankNumber(captions);
    if (next > MaxBlankNumber) {
        m_host.dialogs().message(Dialogs::Icon::Error, QStringLiteral("only 10 blank forms allowed"),
                                 Dialogs::Buttons::Ok);
        return;
    }
    DocumentWindow *child = m_area.addDocument();
    child->lineEnding = LineEnding::None;
    child->setCaption(QStringLiteral("blank %1").arg(next));
    child->keyIsDown = false;
    m_area.showNewDocument(child);
    child->editor()->setFocus();
}

void FileCommands::closeDocument()
{
    if (DocumentWindow *child = m_area.takeActiveDocument()) {
        m_area.closeDocument(child);
    }
    // Only a close that happened leaves the window without documents; a
    // cancelled question keeps the document and its commands.
    if (m_area.documents().isEmpty()) {
        m_host.applyCommandStates(noDocumentState());
        m_area.updateMenuItems();
    } else if (DocumentWindow *active = m_area.activeDocument()) {
        active->keyIsDown = false;
    }
}

void FileCommands::setReadOnlyMode()
{
    DocumentWindow *child = m_area.takeActiveDocument();
    if (child == nullptr || child->editor()->isReadOnly())
        return;
    openReadOnly = true;
    child->editor()->setReadOnlyMode(true);
    child->setCaption(QString::fromStdString(sourceCaption(child->caption().toStdString(), true)));
    m_area.renameTab(child->caption());
    child->updateSaveCommands();
    child->showEditMode();
}

void FileCommands::setUpdateMode()
{
    DocumentWindow *child = m_area.takeActiveDocument();
    if (child == nullptr || !child->editor()->isReadOnly())
        return;
    openReadOnly = false;
    child->editor()->setReadOnlyMode(false);
    child->setCaption(QString::fromStdString(withoutReadOnlySuffix(child->caption().toStdString())));
    m_area.renameTab(child->caption());
    child->updateSaveCommands();
    child->showEditMode();
}

void FileCommands::save()
{
    if (DocumentWindow *child = m_area.takeActiveDocument())
        saveDocument(child);
}

bool FileCommands::saveDocument(DocumentWindow *child)
{
    child->keyIsDown = false;
    const std::string caption = child->caption().toStdString();
    switch (kindOfCaption(caption)) {
    case DocumentKind::Layout:
        return exportLayoutCsv(*child, m_host);
    case DocumentKind::Data:
        return saveDataFile(*child, m_host);
    case DocumentKind::Source:
        break;
    }
    if (isBlankCaption(caption))
        return saveDocumentAs(child);
    // A read-only document is never written: its caption is not a file name.
    if (child->editor()->isReadOnly())
        return false;
    m_area.renameTab(child->caption());
    if (!writeSourceFile(child, child->caption()))
        return false;
    child->editor()->setModified(false);
    child->updateSaveCommands();
    return true;
}

void FileCommands::saveAs()
{
    if (DocumentWindow *child = m_area.takeActiveDocument())
        saveDocumentAs(child);
}

bool FileCommands::saveDocumentAs(DocumentWindow *child)
{
    const bool readOnly = child->editor()->isReadOnly();
    const QString proposed = QString::fromStdString(withoutReadOnlySuffix(child->caption().toStdString()));
    const std::optional<QString> chosen = m_host.dialogs().saveFile(QStringLiteral("Save as"), kSourceFilter, proposed);
    if (!chosen)
        return false;
    const QString path = documentPath(*chosen);
    if (!mayWriteOver(child, path))
        return false;
    if (!writeSourceFile(child, path))
        return false;
    child->editor()->setModified(false);
    // The mode stays visible in the caption, so Update mode still finds the path.
    child->setCaption(QString::fromStdString(sourceCaption(path.toStdString(), readOnly)));
    m_area.renameTab(child->caption());
    child->updateSaveCommands();
    child->keyIsDown = false;
    return true;
}

bool FileCommands::mayWriteOver(DocumentWindow *child, const QString &path)
{
    // Two windows with one caption would let the older one overwrite the newer
    // file: a window showing the file closes first, asking its own question.
    QList<DocumentWindow *> others;
    for (DocumentWindow *open : m_area.documents()) {
        if (open != child && kindOfCaption(open->caption().toStdString()) == DocumentKind::Source &&
            sameCaption(QString::fromStdString(withoutReadOnlySuffix(open->caption().toStdString())), path))
            others.append(open);
    }
    if (!others.isEmpty()) {
        const QString question =
            path + QStringLiteral("\nis open in another window. Close that window and replace the file?");
        if (m_host.dialogs().message(Dialogs::Icon::Confirmation, question, Dialogs::Buttons::OkCancel) !=
            Dialogs::Answer::Ok)
            return false;
        bool closed = true;
        for (DocumentWindow *open : others)
            closed = closed && m_area.closeDocument(open);
        // The other window's question brought it to the front; the document being saved comes back.
        m_area.bringToFront(child);
        child->activate();
        return closed;
    }
    // Saving a document as its own file replaces nothing else.
    if (sameCaption(QString::fromStdString(withoutReadOnlySuffix(child->caption().toStdString())), path))
        return true;
    return mayReplaceFile(m_host.dialogs(), path);
}

void FileCommands::saveAll()
{
    for (DocumentWindow *child : m_area.documents()) {
        if (kindOfCaption(child->caption().toStdString()) != DocumentKind::Source)
            continue;
        if (!child->editor()->isModified() || child->editor()->isReadOnly())
            continue;
        m_area.bringToFront(child);
        child->activate();
        saveDocument(child);
    }
    if (DocumentWindow *active = m_area.activeDocument())
        active->keyIsDown = false;
}

bool FileCommands::writeSourceFile(DocumentWindow *child, const QString &path)
{
    SourceEditor *editor = child->editor();
    const Settings &settings = m_host.settings();
    if (settings.TrailSpaceOption)
        editor->stripTrailingSpaces();
    WaitCursor wait;
    // The last line gets a line break unless the file had none there and the
    // text still has none: new text ends with a line break, a file keeps its end.
    const bool finalLineBreak = !child->fileEndsWithoutLineBreak || editor->endsWithLineBreak();
    const std::string bytes =
        composeSourceFile(editor->byteLines(), lineBreakFor(child->lineEnding, settings.UnixLineFeedOption),
                          settings.TrailSpaceOption, finalLineBreak);
    const Result<void> written = writeFileSafely(pathBytes(path), bytes);
    if (!written) {
        m_host.dialogs().message(Dialogs::Icon::Error, QString::fromLocal8Bit(written.error()), Dialogs::Buttons::Ok);
        return false;
    }
    return true;
}

QPrinter &FileCommands::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void FileCommands::print()
{
    DocumentWindow *child = m_area.takeActiveDocument();
    if (child == nullptr)
        return;
    if (m_host.dialogs().print(printer())) {
        WaitCursor wait;
        child->editor()->printText(printer(), child->caption());
    }
    child->keyIsDown = false;
}

void FileCommands::printSetup()
{
    m_host.dialogs().printSetup(printer());
    if (DocumentWindow *child = m_area.takeActiveDocument())
        child->keyIsDown = false;
}

} // namespace norvane
