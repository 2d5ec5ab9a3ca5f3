#pragma once

#include "common/widgets/Dialogs.h"

#include <QPointer>

namespace norvane {

// The dialogs a user sees: Qt's message boxes and file, font, print and input dialogs.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent);
    void setParentWidget(QWidget *parent) { m_parent = parent; }

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
    QPointer<QWidget> m_parent;
    QString m_lastFolder;
};

} // namespace norvane
