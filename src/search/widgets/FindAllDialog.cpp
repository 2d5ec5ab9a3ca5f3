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

    FindText = new QLineEdit(this);
    Label1 = new QLabel(QStringLiteral("Fi&nd what:"), this);
    Label1->setBuddy(FindText);
    WholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    WholeWord->setChecked(true);
    MatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    MatchCase->setChecked(true);
    FindAllBtn = new QPushButton(QStringLiteral("&Find all"), this);
    FindAllBtn->setDefault(true);
    FindAllBtn->setEnabled(false);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);

    // The edit box's standard editing commands, with their hints, on its popup menu.
    auto editAction = [this](const QString &text, const QKeySequence &keys, const QString &hint, auto slot) {
        auto *action = new QAction(text, FindText);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setToolTip(hint.section(u'|', 0, 0));
        action->setStatusTip(hint.section(u'|', 1));
        connect(action, &QAction::triggered, FindText, slot);
        FindText->addAction(action);
        return action;
    };
    EditCut1 = editAction(QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
                          QStringLiteral("Cut|Cuts the selection and puts it on the Clipboard"), &QLineEdit::cut);
    EditCopy1 = editAction(QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                           QStringLiteral("Copy|Copies the selection and puts it on the Clipboard"), &QLineEdit::copy);
    EditPaste1 = editAction(QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                            QStringLiteral("Paste|Inserts Clipboard contents"), &QLineEdit::paste);
    EditSelectAll1 = editAction(QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A),
                                QStringLiteral("Select All|Selects the entire document"), &QLineEdit::selectAll);
    FindText->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(FindText, 0, 1);
    fields->addWidget(WholeWord, 1, 1);
    fields->addWidget(MatchCase, 2, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(FindAllBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(FindText, &QLineEdit::textChanged, this, &FindAllDialog::FindTextChange);
    connect(FindAllBtn, &QPushButton::clicked, this, &FindAllDialog::FindAllBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &FindAllDialog::CancelBtnClick);
    // Esc and the close box cancel as the Cancel button does.
    connect(this, &QDialog::rejected, this, [this] {
        if (DocumentWindow *child = m_host.activeChild())
            child->keyIsDown = false;
    });
}

void FindAllDialog::showFor(DocumentWindow *child)
{
    if (child == nullptr)
        return;
    if (child->editor()->selLength() > 0)
        FindText->setText(child->editor()->selectedText());
    show();
    raise();
    activateWindow();
}

void FindAllDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FindText->setFocus();
}

void FindAllDialog::FindTextChange()
{
    FindAllBtn->setEnabled(!FindText->text().isEmpty());
}

void FindAllDialog::FindAllBtnClick()
{
    DocumentWindow *child = m_host.activeChild();
    // The dialog stays open while the user moves between windows: it searches
    // the active one when that holds a source text.
    if (child == nullptr || !child->isSourceWindow || FindText->text().isEmpty())
        return;
    m_host.setCurrentChild(child);
    child->syncSuspended = true;
    hide();
    child->syncSuspended = false;
    child->keyIsDown = false;
    FindAllSearch(*child, m_host, {FindText->text(), MatchCase->isChecked(), WholeWord->isChecked()});
}

void FindAllDialog::CancelBtnClick()
{
    reject();
}

} // namespace norvane
