#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QTreeWidget;

namespace norvane {

// The user manual: an HTML file beside the program, shown with its contents
// (the headings) and a search over its sections.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const QString &manualPath, QWidget *parent = nullptr);

    // The sections whose text holds every word of the query, by heading.
    [[nodiscard]] QStringList search(const QString &query) const;
    [[nodiscard]] QTreeWidget *contents() const { return m_contents; }
    [[nodiscard]] QTextBrowser *browser() const { return m_browser; }

private:
    struct Section {
        QString anchor;
        QString heading;
        int level = 1;
        QString text;   // plain text, for the search
    };

    void loadManual(const QString &manualPath);
    void showSection(const QString &anchor);
    void runSearch();
    [[nodiscard]] QList<qsizetype> matchingSections(const QString &query) const;

    QList<Section> m_sections;
    QTreeWidget *m_contents = nullptr;
    QLineEdit *m_query = nullptr;
    QListWidget *m_results = nullptr;
    QTextBrowser *m_browser = nullptr;
};

} // namespace norvane
