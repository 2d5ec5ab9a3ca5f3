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
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace norvane {

namespace {

constexpr int ReadmeColumns = 80;

} // namespace

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
    // readme.txt is laid out in columns of a fixed-pitch font: shown as it
    // is, lines unbroken, in such a font, with room for 80 columns.
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(fixedPitchFont(QString(), 0));
    const int columns = m_text->fontMetrics().horizontalAdvance(QString(ReadmeColumns, QLatin1Char('M')));
    m_text->setMinimumWidth(columns + m_text->verticalScrollBar()->sizeHint().width() +
                            2 * m_text->frameWidth() + 2 * static_cast<int>(m_text->document()->documentMargin()));
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
    setFixedSize(std::max(560, layout->sizeHint().width()), 420);

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
