#pragma once

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>

class QPrinter;

namespace norvane {

class DocumentArea;
class DocumentHost;
class DocumentWindow;
class RecentFiles;

// The File menu's commands on source files: open (a data window opens its data
// file instead), new, close, the read-only and update modes, save, save as,
// save all, print and print setup; and the opening of files from the command
// line, the Recent menu, a drop or a second start. Layout and data windows save
// through their own concern.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(DocumentArea &area, DocumentHost &host, RecentFiles &recent, QObject *parent = nullptr);
    ~FileCommands() override;

    void openFiles();
    void newDocument();
    void closeDocument();
    void setReadOnlyMode();
    void setUpdateMode();
    void save();
    void saveAs();
    void saveAll();
    void print();
    void printSetup();

    // Opens one source file into a new document window; a document already
    // showing it is reloaded when the user agrees. A file that does not
    // exist is reported, and a document showing it keeps its text.
    void openSourceFile(const QString &name);
    // The document showing the file, brought to the front without a question,
    // or the file opened; none when it could not be opened.
    DocumentWindow *showSourceFile(const QString &name);
    // The files of the command line; without any, the open dialog when the
    // settings ask for it at start.
    void openAtStart(const QStringList &files);
    // Files named on a command line (this start's or a later one's): a file
    // that does not exist yet opens as an empty document that saves to it.
    void openNamedFiles(const QStringList &files);
    // A Recent menu entry: the file, in the mode it was closed in.
    void openRecent(const QString &path, bool readOnly);
    // The Save command on the window; false when nothing was saved.
    bool saveDocument(DocumentWindow *child);

    bool openReadOnly = false;   // the next source file opens read-only

private:
    enum class MissingFile { Report, NewDocument };
    void openSource(const QString &name, MissingFile missing);
    void showSourceDocument(const QString &path, const QString &caption, const std::string &bytes);
    bool saveDocumentAs(DocumentWindow *child);
    // Whether Save as may write the document to path: the user agrees to
    // replace an existing file or to close another window showing it.
    bool mayWriteOver(DocumentWindow *child, const QString &path);
    bool writeSourceFile(DocumentWindow *child, const QString &path);
    // The printer, paper and orientation chosen in Print setup or the last
    // print dialog, which the next Print starts from; made on first use.
    QPrinter &printer();

    DocumentArea &m_area;
    DocumentHost &m_host;
    RecentFiles &m_recent;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace norvane
