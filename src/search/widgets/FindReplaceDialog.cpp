#include "search/widgets/FindReplaceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane {

FindReplaceDialog::FindReplaceDialog(Mode mode, QWidget *parent) : QDialog(parent), m_mode(mode)
{
    const bool replacing = mode == Mode::Replace;
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto *fields = new QGridLayout;
    findWhatEdit = new QLineEdit(this);
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findLabel->setBuddy(findWhatEdit);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findWhatEdit, 0, 1);
    if (replacing) {
        replaceWithEdit = new QLineEdit(this);
        auto *replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
        replaceLabel->setBuddy(replaceWithEdit);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(replaceWithEdit, 1, 1);
    }
    wholeWordBox = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    matchCaseBox = new QCheckBox(QStringLiteral("Match &case"), this);
    matchCaseBox->setChecked(replacing);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addSpacing(8);
    left->addWidget(wholeWordBox);
    left->addWidget(matchCaseBox);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    findNextButton = new QPushButton(QStringLiteral("&Find Next"), this);
    findNextButton->setDefault(true);
    buttons->addWidget(findNextButton);
    if (replacing) {
        replaceButton = new QPushButton(QStringLiteral("&Replace"), this);
        replaceAllButton = new QPushButton(QStringLiteral("Replace &All"), this);
        buttons->addWidget(replaceButton);
        buttons->addWidget(replaceAllButton);
        connect(replaceButton, &QPushButton::clicked, this, &FindReplaceDialog::replace);
        connect(replaceAllButton, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
    }
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(findNextButton, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(findWhatEdit, &QLineEdit::textChanged, this, &FindReplaceDialog::updateButtons);
    updateButtons();
}

QString FindReplaceDialog::findText() const
{
    return findWhatEdit->text();
}

void FindReplaceDialog::setFindText(const QString &text)
{
    findWhatEdit->setText(text);
}

QString FindReplaceDialog::replaceText() const
{
    return replaceWithEdit != nullptr ? replaceWithEdit->text() : QString();
}

bool FindReplaceDialog::matchCase() const
{
    return matchCaseBox->isChecked();
}

bool FindReplaceDialog::wholeWord() const
{
    return wholeWordBox->isChecked();
}

void FindReplaceDialog::showAt(const QPoint &topLeft)
{
    move(topLeft);
    show();
    raise();
    activateWindow();
    findWhatEdit->setFocus();
    findWhatEdit->selectAll();
}

// Nothing to find, nothing to do: the buttons wait for a text.
void FindReplaceDialog::updateButtons()
{
    const bool hasText = !findWhatEdit->text().isEmpty();
    for (QPushButton *button : {findNextButton, replaceButton, replaceAllButton}) {
        if (button != nullptr)
            button->setEnabled(hasText);
    }
}

} // namespace norvane
