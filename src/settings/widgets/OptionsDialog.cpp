#include "settings/widgets/OptionsDialog.h"

#include "settings/core/SettingsFormat.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
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

    auto *editor = new QGroupBox(QStringLiteral("Editor"), this);
    colourSourceBox = box("colour COBOL source", "colourSourceOption");
    lineNumbersBox = box("line numbers", "lineNumbersOption");
    columnGuidesBox = box("column guides at", "columnGuidesOption");
    guideColumnsEdit = new QLineEdit(this);
    guideColumnsEdit->setObjectName(QStringLiteral("guideColumnsOption"));
    guideColumnsEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ,]*")), guideColumnsEdit));
    guideColumnsEdit->setToolTip(QStringLiteral(
        "Columns separated by blanks. A guide stands before a column up to 71 (7 the indicator, 8 area A, "
        "12 area B) and after a column from 72 on (72 ends area B)."));
    connect(columnGuidesBox, &QCheckBox::toggled, guideColumnsEdit, &QWidget::setEnabled);
    copybookFoldersEdit = new QPlainTextEdit(this);
    copybookFoldersEdit->setObjectName(QStringLiteral("copybookFoldersOption"));
    copybookFoldersEdit->setTabChangesFocus(true);
    copybookFoldersEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    copybookFoldersEdit->setFixedHeight(copybookFoldersEdit->fontMetrics().lineSpacing() * 4 + 12);
    copybookFoldersEdit->setToolTip(QStringLiteral(
        "Where COPY members are looked for after the program's own folder, one folder per line, "
        "before the folders of COB_COPY_DIR."));
    auto *guides = new QHBoxLayout;
    guides->addWidget(columnGuidesBox);
    guides->addWidget(guideColumnsEdit);
    auto *editorLayout = new QVBoxLayout(editor);
    editorLayout->addWidget(colourSourceBox);
    editorLayout->addWidget(lineNumbersBox);
    editorLayout->addLayout(guides);
    auto *folders = new QFormLayout;
    folders->addRow(QStringLiteral("Copybook folders"), copybookFoldersEdit);
    editorLayout->addLayout(folders);

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
    layout->addWidget(editor);
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
    colourSourceBox->setChecked(m_settings.colourSource);
    lineNumbersBox->setChecked(m_settings.lineNumbers);
    columnGuidesBox->setChecked(m_settings.columnGuides);
    guideColumnsEdit->setEnabled(m_settings.columnGuides);
    guideColumnsEdit->setText(QString::fromStdString(guideColumnsValue(m_settings.guideColumns)));
    QStringList folders;
    for (const std::string &folder : m_settings.copybookFolders)
        folders.append(QFile::decodeName(QByteArray::fromStdString(folder)));
    copybookFoldersEdit->setPlainText(folders.join(QLatin1Char('\n')));
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
    chosen.colourSource = colourSourceBox->isChecked();
    chosen.lineNumbers = lineNumbersBox->isChecked();
    chosen.columnGuides = columnGuidesBox->isChecked();
    // Columns that are no columns (0, or beyond 999) leave the guides as they were.
    if (const auto columns = parseGuideColumns(guideColumnsEdit->text().toStdString()))
        chosen.guideColumns = *columns;
    chosen.copybookFolders.clear();
    // One folder per line; a pasted list separated by semicolons is taken apart.
    const QStringList lines = copybookFoldersEdit->toPlainText().split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        for (const QString &folder : line.split(QLatin1Char(';'))) {
            // A folder's own blanks count; blanks alone are no folder.
            if (!folder.trimmed().isEmpty())
                chosen.copybookFolders.push_back(QFile::encodeName(folder).toStdString());
        }
    }
    return chosen;
}

} // namespace norvane
