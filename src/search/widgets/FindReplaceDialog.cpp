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
    FindWhat = new QLineEdit(this);
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findLabel->setBuddy(FindWhat);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(FindWhat, 0, 1);
    if (replacing) {
        ReplaceWith = new QLineEdit(this);
        auto *replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
        replaceLabel->setBuddy(ReplaceWith);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(ReplaceWith, 1, 1);
    }
    WholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    MatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    MatchCase->setChecked(replacing);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addSpacing(8);
    left->addWidget(WholeWord);
    left->addWidget(MatchCase);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    FindNextBtn = new QPushButton(QStringLiteral("&Find Next"), this);
    FindNextBtn->setDefault(true);
    buttons->addWidget(FindNextBtn);
    if (replacing) {
        ReplaceBtn = new QPushButton(QStringLiteral("&Replace"), this);
        ReplaceAllBtn = new QPushButton(QStringLiteral("Replace &All"), this);
        buttons->addWidget(ReplaceBtn);
        buttons->addWidget(ReplaceAllBtn);
        connect(ReplaceBtn, &QPushButton::clicked, this, &FindReplaceDialog::replace);
        connect(ReplaceAllBtn, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
    }
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(FindNextBtn, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(FindWhat, &QLineEdit::textChanged, this, &FindReplaceDialog::updateButtons);
    updateButtons();
}

QString FindReplaceDialog::findText() const
{
    return FindWhat->text();
}

void FindReplaceDialog::setFindText(const QString &text)
{
    FindWhat->setText(text);
}

QString FindReplaceDialog::replaceText() const
{
    return ReplaceWith != nullptr ? ReplaceWith->text() : QString();
}

bool FindReplaceDialog::matchCase() const
{
    return MatchCase->isChecked();
}

bool FindReplaceDialog::wholeWord() const
{
    return WholeWord->isChecked();
}

void FindReplaceDialog::showAt(const QPoint &topLeft)
{
    move(topLeft);
    show();
    raise();
    activateWindow();
    FindWhat->setFocus();
    FindWhat->selectAll();
}

// Nothing to find, nothing to do: the buttons wait for a text.
void FindReplaceDialog::updateButtons()
{
    const bool hasText = !FindWhat->text().isEmpty();
    for (QPushButton *button : {FindNextBtn, ReplaceBtn, ReplaceAllBtn}) {
        if (button != nullptr)
            button->setEnabled(hasText);
    }
}

} // namespace norvane
