#pragma once

#include "common/core/Result.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace norvane {

class ProgramFiles;

// The editor's command line. --help and --version are answered on standard
// output before the window system is touched, so they work without a display;
// the other arguments name files to open, and "--" ends the options so that a
// file whose name starts with '-' can be named too.
class CommandLine {
public:
    enum class Request { Run, Help, Version };

    // Only looks for --help (-h) and --version (-v) before a "--": it runs
    // before QApplication, which takes its own options (-platform, -style, ...)
    // out of the arguments.
    [[nodiscard]] static Request request(int argc, const char *const *argv);

    // Prints the answer to --help or --version on standard output and returns
    // the exit code; nothing when the window is to start.
    [[nodiscard]] static std::optional<int> answerWithoutWindow(int &argc, char **argv);

    [[nodiscard]] static QString helpText(const ProgramFiles &files);
    [[nodiscard]] static QString versionText();

    // The arguments QApplication left (without the program's name): the files
    // to open, made absolute since a running instance has another working
    // folder, or the message for an option the program does not know.
    [[nodiscard]] static Result<QStringList> filesToOpen(const QStringList &arguments);
};

} // namespace norvane
