#include "app/AboutBox.h"

#include "common/core/Version.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/FontChoice.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace norvane {

AboutBox::AboutBox(const QString &readmePath, Dialogs &dialogs, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));

    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/norvane.svg")).pixmap(64, 64));
    auto *product = new QLabel(QStringLiteral("Norvane"), this);
    product->setFont(labelFont(QStringLiteral("Arial"), 20));
    auto *version = new QLabel(QStringLiteral("An editor for fixed-format COBOL programs, version %1")
                                   .arg(QStringLiteral(NORVANE_VERSION)),
                               this);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setFont(fixedPitchFont(QString(), 0));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *titles = new QVBoxLayout;
    titles->addWidget(product);
    titles->addWidget(version);
    auto *header = new QHBoxLayout;
    header->addWidget(icon);
    header->addLayout(titles, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    setFixedSize(560, 420);

    QFile readme(readmePath);
    if (readme.open(QIODevice::ReadOnly))
        m_text->setPlainText(QString::fromLatin1(readme.readAll()));
    else
        dialogs.message(Dialogs::Icon::Information, QStringLiteral("missing readme.txt"), Dialogs::Buttons::Ok);
}

QString AboutBox::readmeText() const
{
    return m_text->toPlainText();
}

} // namespace norvane
