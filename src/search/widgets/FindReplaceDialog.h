#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace norvane {

// The modeless Find or Replace dialog: the text to find (and the text to put
// in its place), match whole word only, match case, and the buttons that ask
// the search commands to act. It keeps its texts and boxes between uses.
class FindReplaceDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Find, Replace };

    explicit FindReplaceDialog(Mode mode, QWidget *parent = nullptr);

    [[nodiscard]] Mode mode() const { return m_mode; }
    [[nodiscard]] QString findText() const;
    void setFindText(const QString &text);
    [[nodiscard]] QString replaceText() const;
    [[nodiscard]] bool matchCase() const;
    [[nodiscard]] bool wholeWord() const;

    // Shows the dialog with its top-left corner at the point, on top and with the focus.
    void showAt(const QPoint &topLeft);

    QLineEdit *findWhatEdit = nullptr;
    QLineEdit *replaceWithEdit = nullptr;   // the Replace dialog only
    QCheckBox *wholeWordBox = nullptr;
    QCheckBox *matchCaseBox = nullptr;
    QPushButton *findNextButton = nullptr;
    QPushButton *replaceButton = nullptr;      // the Replace dialog only
    QPushButton *replaceAllButton = nullptr;   // the Replace dialog only
    QPushButton *cancelButton = nullptr;

signals:
    void findNext();
    void replace();
    void replaceAll();

private:
    void updateButtons();

    Mode m_mode;
};

} // namespace norvane
