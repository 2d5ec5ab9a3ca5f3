#include "settings/widgets/OptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace norvane {

OptionsDialog::OptionsDialog(Settings &settings, QWidget *parent) : QDialog(parent), m_settings(settings)
{
    setWindowTitle(QStringLiteral("Options"));
    setObjectName(QStringLiteral("OptionsDialog"));

    auto box = [this](const char *caption, const char *name) {
        auto *check = new QCheckBox(QString::fromLatin1(caption), this);
        check->setObjectName(QString::fromLatin1(name));
        return check;
    };
    unixLineFeedBox = box("save new files in Unix format", "UnixLineFeedOption");
    pic01ShowBox = box("show 01 levels with PIC clause in tree view", "Pic01ShowOption");
    showPerformBox = box("show performed paragraphs/sections in tree view", "ShowPerformOption");
    bigEndianBox = box("target system for data files is big endian", "BigEndianOption");
    trailSpaceBox = box("strip trailing spaces on save", "TrailSpaceOption");
    blockCaretBox = box("block caret", "optFatCarat");
    startDialogBox = box("open dialog at start", "StartOption");

    indentSpin = new QSpinBox(this);
    indentSpin->setObjectName(QStringLiteral("IndentOption"));
    indentSpin->setRange(Settings::MinIndent, Settings::MaxIndent);
    recentCountSpin = new QSpinBox(this);
    recentCountSpin->setObjectName(QStringLiteral("seRecent"));
    recentCountSpin->setRange(Settings::MinRecent, Settings::MaxRecent);
    recentCountSpin->setSingleStep(10);

    auto *numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("tab and indent length"), indentSpin);
    numbers->addRow(QStringLiteral("Recent menu entries"), recentCountSpin);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    for (QCheckBox *check : {unixLineFeedBox, pic01ShowBox, showPerformBox, bigEndianBox,
                             trailSpaceBox, blockCaretBox, startDialogBox})
        layout->addWidget(check);
    layout->addLayout(numbers);
    layout->addWidget(buttons);
    showSettings();
}

void OptionsDialog::showSettings()
{
    unixLineFeedBox->setChecked(m_settings.UnixLineFeedOption);
    pic01ShowBox->setChecked(m_settings.Pic01ShowOption);
    showPerformBox->setChecked(m_settings.ShowPerformOption);
    bigEndianBox->setChecked(m_settings.BigEndianOption);
    trailSpaceBox->setChecked(m_settings.TrailSpaceOption);
    blockCaretBox->setChecked(m_settings.optFatCarat);
    startDialogBox->setChecked(m_settings.StartOption);
    indentSpin->setValue(m_settings.IndentOption);
    recentCountSpin->setValue(m_settings.seRecent);
}

Settings OptionsDialog::chosenSettings() const
{
    Settings chosen = m_settings;
    chosen.UnixLineFeedOption = unixLineFeedBox->isChecked();
    chosen.Pic01ShowOption = pic01ShowBox->isChecked();
    chosen.ShowPerformOption = showPerformBox->isChecked();
    chosen.BigEndianOption = bigEndianBox->isChecked();
    chosen.TrailSpaceOption = trailSpaceBox->isChecked();
    chosen.optFatCarat = blockCaretBox->isChecked();
    chosen.StartOption = startDialogBox->isChecked();
    chosen.IndentOption = indentSpin->value();
    chosen.seRecent = recentCountSpin->value();
    return chosen;
}

} // namespace norvane
