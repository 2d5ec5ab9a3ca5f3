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
    UnixLineFeedOption = box("save new files in Unix format", "UnixLineFeedOption");
    Pic01ShowOption = box("show 01 levels with PIC clause in tree view", "Pic01ShowOption");
    ShowPerformOption = box("show performed paragraphs/sections in tree view", "ShowPerformOption");
    BigEndianOption = box("target system for data files is big endian", "BigEndianOption");
    TrailSpaceOption = box("strip trailing spaces on save", "TrailSpaceOption");
    optFatCarat = box("block caret", "optFatCarat");
    StartOption = box("open dialog at start", "StartOption");

    IndentOption = new QSpinBox(this);
    IndentOption->setObjectName(QStringLiteral("IndentOption"));
    IndentOption->setRange(Settings::MinIndent, Settings::MaxIndent);
    seRecent = new QSpinBox(this);
    seRecent->setObjectName(QStringLiteral("seRecent"));
    seRecent->setRange(Settings::MinRecent, Settings::MaxRecent);
    seRecent->setSingleStep(10);

    auto *numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("tab and indent length"), IndentOption);
    numbers->addRow(QStringLiteral("Recent menu entries"), seRecent);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    for (QCheckBox *check : {UnixLineFeedOption, Pic01ShowOption, ShowPerformOption, BigEndianOption,
                             TrailSpaceOption, optFatCarat, StartOption})
        layout->addWidget(check);
    layout->addLayout(numbers);
    layout->addWidget(buttons);
    showSettings();
}

void OptionsDialog::showSettings()
{
    UnixLineFeedOption->setChecked(m_settings.UnixLineFeedOption);
    Pic01ShowOption->setChecked(m_settings.Pic01ShowOption);
    ShowPerformOption->setChecked(m_settings.ShowPerformOption);
    BigEndianOption->setChecked(m_settings.BigEndianOption);
    TrailSpaceOption->setChecked(m_settings.TrailSpaceOption);
    optFatCarat->setChecked(m_settings.optFatCarat);
    StartOption->setChecked(m_settings.StartOption);
    IndentOption->setValue(m_settings.IndentOption);
    seRecent->setValue(m_settings.seRecent);
}

Settings OptionsDialog::chosenSettings() const
{
    Settings chosen = m_settings;
    chosen.UnixLineFeedOption = UnixLineFeedOption->isChecked();
    chosen.Pic01ShowOption = Pic01ShowOption->isChecked();
    chosen.ShowPerformOption = ShowPerformOption->isChecked();
    chosen.BigEndianOption = BigEndianOption->isChecked();
    chosen.TrailSpaceOption = TrailSpaceOption->isChecked();
    chosen.optFatCarat = optFatCarat->isChecked();
    chosen.StartOption = StartOption->isChecked();
    chosen.IndentOption = IndentOption->value();
    chosen.seRecent = seRecent->value();
    return chosen;
}

} // namespace norvane
