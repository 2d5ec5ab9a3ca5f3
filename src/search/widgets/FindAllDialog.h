#pragma once

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace norvane {

class DocumentHost;
class DocumentWindow;

// The Find All dialog: the text to find and the two options, kept for the whole
// run. Its Find all button lists every occurrence in the active document's
// results grid.
class FindAllDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindAllDialog(DocumentHost &host, QWidget *parent = nullptr);

    // The main window's Find all: the editor's selection, if any, becomes the
    // text to find, and the dialog is shown without making it modal.
    void showFor(DocumentWindow *child);

    void findAll();

    QLabel *findLabel = nullptr;
    QLineEdit *findTextEdit = nullptr;
    QCheckBox *wholeWordBox = nullptr;
    QCheckBox *matchCaseBox = nullptr;
    QPushButton *findAllButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QAction *cutItem = nullptr;
    QAction *copyItem = nullptr;
    QAction *pasteItem = nullptr;
    QAction *selectAllItem = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void updateFindAllButton();

    DocumentHost &m_host;
};

} // namespace norvane
