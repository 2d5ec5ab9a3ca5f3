#pragma once

// A main window for the widget benchmarks: real dialogs that are never shown,
// and a temporary program folder with a readme, so start-up asks nothing.

#include "app/MainWindow.h"
#include "common/widgets/QtDialogs.h"
#include "settings/core/Settings.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <vector>

namespace norvane::bench {

struct BenchWindow {
    static bool writeReadme(const QTemporaryDir &folder)
    {
        QFile readme(folder.filePath(QStringLiteral("readme.txt")));
        return readme.open(QIODevice::WriteOnly) && readme.write("benchmark\n") > 0;
    }

    // Writes the lines as a CR LF file in the folder; returns its path.
    QString writeProgram(const std::vector<std::string> &lines) const
    {
        QByteArray text;
        for (const std::string &line : lines) {
            text.append(line.data(), static_cast<qsizetype>(line.size()));
            text.append("\r\n");
        }
        const QString path = folder.filePath(QStringLiteral("LARGE.CBL"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        return path;
    }

    QTemporaryDir folder;
    bool readme = writeReadme(folder);
    Settings settings;
    QtDialogs dialogs{nullptr};
    MainWindow window{{settings, dialogs, folder.path(), folder.filePath(QStringLiteral("settings"))}};
};

// What the fixtures of a benchmark program leave to be freed at its end.
inline std::vector<std::function<void()>> &fixtureReleases()
{
    static std::vector<std::function<void()>> releases;
    return releases;
}

// The fixture of type T that the benchmarks of a program share: made on first
// use, freed by runWidgetBenchmarks while the application object still
// exists (a window that outlives it crashes the program at exit).
template <typename T>
T &sharedFixture()
{
    static std::unique_ptr<T> fixture;
    if (!fixture) {
        fixture = std::make_unique<T>();
        fixtureReleases().emplace_back([] { fixture.reset(); });
    }
    return *fixture;
}

// The main of a widget benchmark: an application around the runs, offscreen
// unless a platform or an X display is given (run under Xvfb to time what an
// X server adds).
inline int runWidgetBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto it = fixtureReleases().rbegin(); it != fixtureReleases().rend(); ++it)
        (*it)();
    fixtureReleases().clear();
    return 0;
}

} // namespace norvane::bench
