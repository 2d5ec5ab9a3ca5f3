#include "support/ScriptedDialogs.h"

#include <QPrinter>

namespace norvane::test {

template <typename T>
const T *ScriptedDialogs::next(const Question &question)
{
    m_asked.append(question);
    if (!m_plan.empty() && std::holds_alternative<T>(m_plan.front())) {
        m_current = std::move(m_plan.front());
        m_plan.pop_front();
        return &std::get<T>(m_current);
    }
    m_unexpected.append(question.kind + QStringLiteral(": ") + question.text);
    return nullptr;
}

QString ScriptedDialogs::lastMessage() const
{
    for (auto it = m_asked.crbegin(); it != m_asked.crend(); ++it) {
        if (it->kind == QStringLiteral("message"))
            return it->text;
    }
    return {};
}

void ScriptedDialogs::clear()
{
    m_plan.clear();
    m_asked.clear();
    m_unexpected.clear();
}

Dialogs::Answer ScriptedDialogs::message(Icon icon, const QString &text, Buttons buttons)
{
    const Answer *answer = next<Answer>({QStringLiteral("message"), text, icon, buttons});
    if (answer != nullptr)
        return *answer;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<Dialogs::OpenChoice> ScriptedDialogs::openFiles(const QString &, const QString &filter,
                                                              const QString &proposedName, bool)
{
    const auto *choice =
        next<std::optional<OpenChoice>>({QStringLiteral("open"), proposedName, Icon::Information, Buttons::Ok, filter});
    return choice != nullptr ? *choice : std::nullopt;
}

std::optional<QString> ScriptedDialogs::saveFile(const QString &, const QString &, const QString &proposedName)
{
    const auto *path = next<std::optional<QString>>({QStringLiteral("save"), proposedName});
    return path != nullptr ? *path : std::nullopt;
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont &current)
{
    const auto *font = next<std::optional<QFont>>({QStringLiteral("font"), current.family()});
    return font != nullptr ? *font : std::nullopt;
}

bool ScriptedDialogs::print(QPrinter &printer)
{
    const PrintTo *target = next<PrintTo>({QStringLiteral("print"), printer.outputFileName()});
    if (target == nullptr)
        return false;
    if (target->asSetUp)
        return true;
    if (target->pdfPath.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target->pdfPath);
    return true;
}

void ScriptedDialogs::printSetup(QPrinter &printer)
{
    const PageSetup *choice = next<PageSetup>({QStringLiteral("printSetup"), printer.outputFileName()});
    if (choice == nullptr)
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(choice->pdfPath);
    printer.setPageSize(choice->pageSize);
    printer.setPageOrientation(choice->orientation);
}

std::optional<QString> ScriptedDialogs::inputText(const QString &, const QString &prompt, const QString &)
{
    const InputAnswer *answer = next<InputAnswer>({QStringLiteral("input"), prompt});
    if (answer == nullptr)
        return std::nullopt;
    return answer->text;
}

std::optional<QList<int>> ScriptedDialogs::chooseOptions(const QString &, const QString &text,
                                                         const QList<OptionList> &lists)
{
    m_lastOptions = lists;
    const OptionsAnswer *answer = next<OptionsAnswer>({QStringLiteral("options"), text});
    if (answer == nullptr || answer->cancelled)
        return std::nullopt;
    if (!answer->chosen.isEmpty())
        return answer->chosen;
    QList<int> proposed;
    for (const OptionList &list : lists)
        proposed.append(list.current);
    return proposed;
}

} // namespace norvane::test
