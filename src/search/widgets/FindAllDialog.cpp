#include "search/widgets/FindAllDialog.h"

#include "document/widgets/DocumentHost.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"
#include "search/widgets/FindAll.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane {

FindAllDialog::FindAllDialog(DocumentHost &host, QWidget *parent) : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Find All"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    findTextEdit = new QLineEdit(this);
    findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findLabel->setBuddy(findTextEdit);
    wholeWordBox = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    wholeWordBox->setChecked(true);
    matchCaseBox = new QCheckBox(QStringLiteral("Match &case"), this);
    matchCaseBox->setChecked(true);
    findAllButton = new QPushButton(QStringLiteral("&Find all"), this);
    findAllButton->setDefault(true);
    findAllButton->setEnabled(false);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);

    // The edit box's standard editing commands, with their hints, on its popup menu.
    auto editAction = [this](const QString &text, const QKeySequence &keys, const QString &hint, auto slot) {
        auto *action = new QAction(text, findTextEdit);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setToolTip(hint.section(u'|', 0, 0));
        action->setStatusTip(hint.section(u'|', 1));
        connect(action, &QAction::triggered, findTextEdit, slot);
        findTextEdit->addAction(action);
        return action;
    };
    cutItem = editAction(QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
                          QStringLiteral("Cut|Cuts the selection and puts it on the Clipboard"), &QLineEdit::cut);
    copyItem = editAction(QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                           QStringLiteral("Copy|Copies the selection and puts it on the Clipboard"), &QLineEdit::copy);
    pasteItem = editAction(QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                            QStringLiteral("Paste|Inserts Clipboard contents"), &QLineEdit::paste);
    selectAllItem = editAction(QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A),
                                QStringLiteral("Select All|Selects the entire document"), &QLineEdit::selectAll);
    findTextEdit->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findTextEdit, 0, 1);
    fields->addWidget(wholeWordBox, 1, 1);
    fields->addWidget(matchCaseBox, 2, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(findAllButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(findTextEdit, &QLineEdit::textChanged, this, &FindAllDialog::updateFindAllButton);
    connect(findAllButton, &QPushButton::clicked, this, &FindAllDialog::findAll);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Esc and the close box cancel as the Cancel button does.
    connect(this, &QDialog::rejected, this, [this] {
        if (DocumentWindow *child = m_host.activeDocument())
            child->keyIsDown = false;
    });
}

void FindAllDialog::showFor(DocumentWindow *child)
{
    if (child == nullptr)
        return;
    if (child->editor()->selLength() > 0)
        findTextEdit->setText(child->editor()->selectedText());
    show();
    raise();
    activateWindow();
}

void FindAllDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    findTextEdit->setFocus();
}

void FindAllDialog::updateFindAllButton()
{
    findAllButton->setEnabled(!findTextEdit->text().isEmpty());
}

void FindAllDialog::findAll()
{
    DocumentWindow *child = m_host.activeDocument();
    // The dialog stays open while the user moves between windows: it searches
    // the active one when that holds a source text.
    if (child == nullptr || !child->isSourceWindow || findTextEdit->text().isEmpty())
        return;
    m_host.setCurrentDocument(child);
    child->syncSuspended = true;
    hide();
    child->syncSuspended = false;
    child->keyIsDown = false;
    findAllOccurrences(*child, m_host, {findTextEdit->text(), matchCaseBox->isChecked(), wholeWordBox->isChecked()});
}

} // namespace norvane
