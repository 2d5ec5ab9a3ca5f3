#include "app/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace norvane {

namespace {
constexpr int AnchorRole = Qt::UserRole;
}

HelpWindow::HelpWindow(const QString &manualPath, QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Norvane Help"));
    resize(900, 640);

    m_contents = new QTreeWidget;
    m_contents->setHeaderHidden(true);
    auto *searchPage = new QWidget;
    m_query = new QLineEdit(searchPage);
    m_query->setPlaceholderText(QStringLiteral("Words to look for"));
    m_query->setClearButtonEnabled(true);
    m_results = new QListWidget(searchPage);
    auto *searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    searchLayout->addWidget(m_query);
    searchLayout->addWidget(m_results, 1);

    auto *tabs = new QTabWidget;
    tabs->addTab(m_contents, QStringLiteral("&Contents"));
    tabs->addTab(searchPage, QStringLiteral("&Search"));

    m_browser = new QTextBrowser;
    m_browser->setOpenExternalLinks(true);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    // A click or Enter on a contents entry or a search result shows its section.
    auto showIndex = [this](const QModelIndex &index) {
        showSection(index.siblingAtColumn(0).data(AnchorRole).toString());
    };
    connect(m_contents, &QAbstractItemView::activated, this, showIndex);
    connect(m_contents, &QAbstractItemView::clicked, this, showIndex);
    connect(m_query, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(m_query, &QLineEdit::textChanged, this, &HelpWindow::runSearch);
    connect(m_results, &QAbstractItemView::activated, this, showIndex);
    connect(m_results, &QAbstractItemView::clicked, this, showIndex);

    loadManual(manualPath);
}

// The manual's sections are its h1 and h2 headings, each with an id.
void HelpWindow::loadManual(const QString &manualPath)
{
    QFile file(manualPath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_browser->setPlainText(QStringLiteral("The manual %1 could not be opened: %2")
                                    .arg(QDir::toNativeSeparators(manualPath), file.errorString()));
        return;
    }
    const QString html = QString::fromUtf8(file.readAll());
    m_browser->setSearchPaths({QFileInfo(manualPath).absolutePath()});
    m_browser->setHtml(html);

    static const QRegularExpression heading(QStringLiteral("<h([12])\\s+id=\"([^\"]+)\"[^>]*>(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QList<QRegularExpressionMatch> matches;
    for (auto it = heading.globalMatch(html); it.hasNext();)
        matches.append(it.next());
    QTreeWidgetItem *chapter = nullptr;
    for (qsizetype i = 0; i < matches.size(); ++i) {
        const QRegularExpressionMatch &match = matches[i];
        const qsizetype end = i + 1 < matches.size() ? matches[i + 1].capturedStart() : html.size();
        Section section;
        section.level = match.captured(1).toInt();
        section.anchor = match.captured(2);
        section.heading = QTextDocumentFragment::fromHtml(match.captured(3)).toPlainText();
        section.text = QTextDocumentFragment::fromHtml(html.mid(match.capturedStart(), end - match.capturedStart()))
                           .toPlainText();
        m_sections.append(section);

        auto *item = new QTreeWidgetItem({section.heading});
        item->setData(0, AnchorRole, section.anchor);
        if (section.level == 1 || chapter == nullptr) {
            m_contents->addTopLevelItem(item);
            chapter = item;
        } else {
            chapter->addChild(item);
        }
    }
    m_contents->expandAll();
}

void HelpWindow::showSection(const QString &anchor)
{
    m_browser->scrollToAnchor(anchor);
}

QList<qsizetype> HelpWindow::matchingSections(const QString &query) const
{
    const QStringList words = query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<qsizetype> found;
    if (words.isEmpty())
        return found;
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        const QString &text = m_sections[i].text;
        if (std::all_of(words.cbegin(), words.cend(),
                        [&](const QString &word) { return text.contains(word, Qt::CaseInsensitive); }))
            found.append(i);
    }
    return found;
}

QStringList HelpWindow::search(const QString &query) const
{
    QStringList headings;
    for (qsizetype i : matchingSections(query))
        headings.append(m_sections[i].heading);
    return headings;
}

void HelpWindow::runSearch()
{
    m_results->clear();
    for (qsizetype i : matchingSections(m_query->text())) {
        auto *item = new QListWidgetItem(m_sections[i].heading, m_results);
        item->setData(AnchorRole, m_sections[i].anchor);
    }
}

} // namespace norvane
