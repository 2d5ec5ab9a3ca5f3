#pragma once

#include "common/widgets/Dialogs.h"

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <deque>
#include <variant>

namespace norvane::test {

// Answers every question of the program from a script, and records each one.
// A question the script did not plan for is recorded as unexpected and
// answered as if cancelled, so a test never waits on a real dialog.
class ScriptedDialogs final : public Dialogs {
public:
    struct Question {
        QString kind;   // "message", "open", "save", "font", "print", "printSetup", "input"
        QString text;   // the message text, or the proposed name
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
        QString filter{}; // the file types an open or save dialog offers
    };

    struct PrintTo {
        QString pdfPath;        // empty: the print dialog is cancelled
        bool asSetUp = false;   // confirmed with the printer as it was set up
    };

    // The choices of the page setup dialog; the printer is a PDF file.
    struct PageSetup {
        QPageSize pageSize;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        QString pdfPath;
    };

    void planMessage(Answer answer) { m_plan.emplace_back(answer); }
    void planOpen(const QStringList &files, bool readOnly = false)
    {
        m_plan.emplace_back(std::optional<OpenChoice>{OpenChoice{files, readOnly}});
    }
    void planOpenCancelled() { m_plan.emplace_back(std::optional<OpenChoice>{}); }
    void planSave(const QString &path) { m_plan.emplace_back(std::optional<QString>{path}); }
    void planSaveCancelled() { m_plan.emplace_back(std::optional<QString>{}); }
    void planFont(const QFont &font) { m_plan.emplace_back(std::optional<QFont>{font}); }
    void planPrint(const QString &pdfPath) { m_plan.emplace_back(PrintTo{pdfPath}); }
    void planPrintAsSetUp() { m_plan.emplace_back(PrintTo{QString(), true}); }
    void planPrintSetup(const PageSetup &choice) { m_plan.emplace_back(choice); }
    void planInput(const QString &text) { m_plan.emplace_back(InputAnswer{text}); }
    // The options form: the indexes to choose, or, empty, the proposed ones.
    void planOptions(const QList<int> &chosen = {}) { m_plan.emplace_back(OptionsAnswer{chosen, false}); }
    void planOptionsCancelled() { m_plan.emplace_back(OptionsAnswer{{}, true}); }
    // The lists the options form last proposed.
    [[nodiscard]] const QList<OptionList> &lastOptions() const { return m_lastOptions; }

    [[nodiscard]] const QList<Question> &asked() const { return m_asked; }
    [[nodiscard]] const QStringList &unexpected() const { return m_unexpected; }
    [[nodiscard]] bool allAnswered() const { return m_plan.empty(); }
    [[nodiscard]] QString lastMessage() const;
    void clear();

    Answer message(Icon icon, const QString &text, Buttons buttons) override;
    std::optional<OpenChoice> openFiles(const QString &title, const QString &filter, const QString &proposedName,
                                        bool showReadOnlyBox) override;
    std::optional<QString> saveFile(const QString &title, const QString &filter,
                                    const QString &proposedName) override;
    std::optional<QFont> chooseFont(const QFont &current) override;
    bool print(QPrinter &printer) override;
    void printSetup(QPrinter &printer) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &initial) override;
    std::optional<QList<int>> chooseOptions(const QString &title, const QString &text,
                                            const QList<OptionList> &lists) override;

private:
    struct InputAnswer {
        QString text;
    };
    struct OptionsAnswer {
        QList<int> chosen;
        bool cancelled = false;
    };
    using Planned = std::variant<Answer, std::optional<OpenChoice>, std::optional<QString>,
                                 std::optional<QFont>, PrintTo, PageSetup, InputAnswer, OptionsAnswer>;

    template <typename T>
    const T *next(const Question &question);

    std::deque<Planned> m_plan;
    Planned m_current;
    QList<Question> m_asked;
    QStringList m_unexpected;
    QList<OptionList> m_lastOptions;
};

} // namespace norvane::test
