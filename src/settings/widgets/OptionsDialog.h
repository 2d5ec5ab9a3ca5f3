#pragma once

#include "settings/core/Settings.h"

#include <QDialog>

class QCheckBox;
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

    QCheckBox *UnixLineFeedOption = nullptr;
    QCheckBox *Pic01ShowOption = nullptr;
    QCheckBox *ShowPerformOption = nullptr;
    QCheckBox *BigEndianOption = nullptr;
    QCheckBox *TrailSpaceOption = nullptr;
    QCheckBox *optFatCarat = nullptr;
    QCheckBox *StartOption = nullptr;
    QSpinBox *IndentOption = nullptr;
    QSpinBox *seRecent = nullptr;

private:
    Settings &m_settings;
};

} // namespace norvane
