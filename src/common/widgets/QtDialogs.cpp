#include "common/widgets/QtDialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace norvane {

QtDialogs::QtDialogs(QWidget *parent) : m_parent(parent) {}

Dialogs::Answer QtDialogs::message(Icon icon, const QString &text, Buttons buttons)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(QStringLiteral("Norvane"));
    box.setText(text);
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::optional<Dialogs::OpenChoice> QtDialogs::openFiles(const QString &title, const QString &filter,
                                                        const QString &proposedName, bool showReadOnlyBox)
{
    // Qt's own dialog, because the read-only check box is added to its layout.
    QFileDialog dialog(m_parent, title, m_lastFolder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    QCheckBox *readOnly = nullptr;
    if (showReadOnlyBox) {
        readOnly = new QCheckBox(QStringLiteral("Open as &read-only"), &dialog);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
            grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_lastFolder = dialog.directory().absolutePath();
    return OpenChoice{dialog.selectedFiles(), readOnly != nullptr && readOnly->isChecked()};
}

std::optional<QString> QtDialogs::saveFile(const QString &title, const QString &filter, const QString &proposedName)
{
    QFileDialog dialog(m_parent, title, m_lastFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<QFont> QtDialogs::chooseFont(const QFont &current)
{
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, current, m_parent, QStringLiteral("Font"),
                                            QFontDialog::MonospacedFonts);
    if (!accepted)
        return std::nullopt;
    return font;
}

bool QtDialogs::print(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::printSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, m_parent);
    dialog.exec();
}

std::optional<QString> QtDialogs::inputText(const QString &caption, const QString &prompt, const QString &initial)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    // Wide enough for the whole title in the window manager's frame, which a
    // box sized to its one line of input would cut off. The box takes its
    // size from its layout, so the width goes to the input line.
    if (auto *line = dialog.findChild<QLineEdit *>()) {
        const int titleWidth = dialog.fontMetrics().horizontalAdvance(caption) * 2;
        line->setMinimumWidth(std::max(300, titleWidth + 140));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QList<int>> QtDialogs::chooseOptions(const QString &title, const QString &text,
                                                   const QList<OptionList> &lists)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    auto *form = new QFormLayout(&dialog);
    if (!text.isEmpty()) {
        auto *label = new QLabel(text, &dialog);
        label->setWordWrap(true);
        form->addRow(label);
    }
    QList<QComboBox *> boxes;
    for (const OptionList &list : lists) {
        auto *box = new QComboBox(&dialog);
        box->addItems(list.items);
        box->setCurrentIndex(list.current);
        form->addRow(list.label, box);
        boxes.append(box);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QList<int> chosen;
    for (const QComboBox *box : boxes)
        chosen.append(box->currentIndex());
    return chosen;
}

} // namespace norvane
