#include "app/CommandLine.h"

#include "app/ProgramFiles.h"
#include "common/core/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <string_view>

namespace norvane {

namespace {

const QString EndOfOptions = QStringLiteral("--");

bool isOption(const QString &argument)
{
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

} // namespace

CommandLine::Request CommandLine::request(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument == "--help" || argument == "-h")
            return Request::Help;
        if (argument == "--version" || argument == "-v")
            return Request::Version;
    }
    return Request::Run;
}

std::optional<int> CommandLine::answerWithoutWindow(int &argc, char **argv)
{
    const Request asked = request(argc, argv);
    if (asked == Request::Run)
        return std::nullopt;
    QString text;
    if (asked == Request::Version) {
        text = versionText();
    } else {
        // Without a window system: a core application only tells where the program is.
        const QCoreApplication core(argc, argv);
        text = helpText(ProgramFiles::locate(QCoreApplication::applicationDirPath()));
    }
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

QString CommandLine::helpText(const ProgramFiles &files)
{
    const QString manual = QDir::toNativeSeparators(files.manualPath());
    const bool manualThere = QFileInfo(files.manualPath()).isFile();
    return QStringLiteral(
               "usage: norvane [OPTION...] [--] [FILE...]\n"
               "\n"
               "Norvane, an editor for fixed-format COBOL programs. Each FILE opens in a\n"
               "window of its own; when Norvane is already running, the files open there.\n"
               "\n"
               "options:\n"
               "  -h, --help      this text\n"
               "  -v, --version   the version\n"
               "  --              the arguments after it are file names\n"
               "Qt's own options (-platform, -style, ...) are understood as well.\n"
               "\n"
               "Manual: %1%2\n")
        .arg(manual, manualThere ? QString() : QStringLiteral(" (missing)"));
}

QString CommandLine::versionText()
{
    return QStringLiteral("Norvane %1\n").arg(QString::fromUtf8(ProgramVersion));
}

Result<QStringList> CommandLine::filesToOpen(const QStringList &arguments)
{
    QStringList files;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == EndOfOptions) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && isOption(argument)) {
            return Error{"norvane: unknown option \"" + argument.toLocal8Bit().toStdString() +
                         "\"\nTry \"norvane --help\"; a file whose name starts with '-' follows \"--\".\n"};
        }
        files.append(QFileInfo(argument).absoluteFilePath());
    }
    return files;
}

} // namespace norvane
