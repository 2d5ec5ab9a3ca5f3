#include "settings/widgets/RecentFiles.h"

#include "common/widgets/Dialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>

namespace norvane {

QString RecentFiles::defaultSettingsFolder()
{
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return QDir(appData).filePath(QStringLiteral("zelkar/Norvane/"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("zelkar/Norvane/"));
}

RecentFiles::RecentFiles(Settings &settings, Dialogs &dialogs, QMenu *menu, QObject *parent)
    : QObject(parent), m_dialogs(dialogs), m_store(settings), m_menu(menu)
{
    for (int i = 0; i < RecentMenu::Count; ++i) {
        QAction *entry = m_menu->addAction(QString());
        entry->setObjectName(QStringLiteral("Recent%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, i] {
            const RecentPath chosen = m_store.recentPathAt(i);
            emit fileChosen(QString::fromLocal8Bit(chosen.path), chosen.readOnly);
        });
    }
    // A menu with nothing to show does not open, and a menu bar whose menu
    // did not open may take no further clicks on it; so the empty list says so.
    m_emptyEntry = m_menu->addAction(QStringLiteral("(no recent files)"));
    m_emptyEntry->setObjectName(QStringLiteral("RecentEmpty"));
    m_emptyEntry->setEnabled(false);
}

void RecentFiles::load(const QString &settingsFolder, const QString &fallbackFolder)
{
    auto withSeparator = [](const QString &path) {
        return QFile::encodeName(QDir::toNativeSeparators(QDir::cleanPath(path)) + QDir::separator()).toStdString();
    };
    for (const std::string &text : m_store.load(withSeparator(settingsFolder), withSeparator(fallbackFolder)))
        m_dialogs.message(Dialogs::Icon::Warning, QString::fromLocal8Bit(text), Dialogs::Buttons::Ok);
    showList();
}

void RecentFiles::writeSettings()
{
    reportSave(m_store.WriteSettings());
    showList();
}

void RecentFiles::add(const QString &caption)
{
    reportSave(m_store.AddRecent(QFile::encodeName(caption).toStdString()));
    showList();
}

void RecentFiles::remove(const QString &path)
{
    reportSave(m_store.RemoveRecent(QFile::encodeName(path).toStdString()));
    showList();
}

void RecentFiles::showList()
{
    const QList<QAction *> items = m_menu->actions();
    const RecentMenu &entries = m_store.recentMenu();
    for (int i = 0; i < items.size() && i < RecentMenu::Count; ++i) {
        const RecentEntry &entry = entries.at(i);
        QString text = QString::fromLocal8Bit(entry.caption);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        items[i]->setText(text);
        items[i]->setVisible(entry.visible);
    }
    m_emptyEntry->setVisible(entries.visibleCount() == 0);
}

void RecentFiles::reportSave(const Result<void> &saved)
{
    if (const std::optional<std::string> message = m_store.messageToShow(saved))
        m_dialogs.message(Dialogs::Icon::Warning, QString::fromLocal8Bit(*message), Dialogs::Buttons::Ok);
}

} // namespace norvane
