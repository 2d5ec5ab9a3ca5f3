#pragma once

#include "settings/core/Settings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace norvane {

// The options dialog. It shows the live settings when it opens and puts its
// controls' values into them when confirmed; Cancel leaves them as they were.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    OptionsDialog(Settings &settings, QWidget *parent = nullptr);

    // Shows the settings' current values in the controls.
    void showSettings();
    // The controls' values as settings (the font is not one of them).
    [[nodiscard]] Settings chosenSettings() const;

    QCheckBox *unixLineFeedBox = nullptr;
    QCheckBox *pic01ShowBox = nullptr;
    QCheckBox *showPerformBox = nullptr;
    QCheckBox *bigEndianBox = nullptr;
    QCheckBox *trailSpaceBox = nullptr;
    QCheckBox *blockCaretBox = nullptr;
    QCheckBox *startDialogBox = nullptr;
    QSpinBox *indentSpin = nullptr;
    QSpinBox *recentCountSpin = nullptr;
    // How the editor shows a program.
    QCheckBox *colourSourceBox = nullptr;
    QCheckBox *columnGuidesBox = nullptr;
    QLineEdit *guideColumnsEdit = nullptr;   // the columns, separated by blanks
    QCheckBox *lineNumbersBox = nullptr;
    QPlainTextEdit *copybookFoldersEdit = nullptr;   // one folder per line

private:
    Settings &m_settings;
};

} // namespace norvane
