#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace norvane {

class Dialogs;

// The about box: the program's name and version above the text of readme.txt,
// read once when the box is created.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(const QString &readmePath, Dialogs &dialogs, QWidget *parent = nullptr);

    [[nodiscard]] QString readmeText() const;

private:
    QPlainTextEdit *m_text = nullptr;
};

} // namespace norvane
