#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace norvane {

// Every question the program asks the user goes through this interface, so
// that tests can answer each one by script. Production uses QtDialogs.
class Dialogs {
public:
    enum class Icon { Information, Warning, Error, Confirmation };
    enum class Buttons { Ok, OkCancel, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct OpenChoice {
        QStringList files;
        bool readOnly = false;
    };

    // One of several lists of a choice: a label, its items, the one proposed.
    struct OptionList {
        QString label;
        QStringList items;
        int current = 0;
    };

    virtual ~Dialogs() = default;

    // A modal message box; returns the button pressed (Cancel when closed).
    virtual Answer message(Icon icon, const QString &text, Buttons buttons) = 0;

    // The open dialog: several files may be chosen; showReadOnlyBox adds the
    // "Open as read-only" check box. Nothing when cancelled.
    virtual std::optional<OpenChoice> openFiles(const QString &title, const QString &filter,
                                                const QString &proposedName, bool showReadOnlyBox) = 0;

    // The save dialog, proposing a name; does not ask before overwriting. Nothing when cancelled.
    virtual std::optional<QString> saveFile(const QString &title, const QString &filter,
                                            const QString &proposedName) = 0;

    // The font dialog, offering fixed-pitch fonts only. Nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &current) = 0;

    // The print dialog for the printer; false when cancelled.
    virtual bool print(QPrinter &printer) = 0;

    // The printer setup dialog for the printer.
    virtual void printSetup(QPrinter &printer) = 0;

    // A small form that picks one item of each list, the proposed ones
    // preselected: the index chosen in each list, or nothing when cancelled.
    virtual std::optional<QList<int>> chooseOptions(const QString &title, const QString &text,
                                                    const QList<OptionList> &lists) = 0;

    // A one-line input box. Nothing when cancelled.
    virtual std::optional<QString> inputText(const QString &caption, const QString &prompt,
                                             const QString &initial) = 0;
};

} // namespace norvane
