#pragma once

// A main window for the widget benchmarks: real dialogs that are never shown,
// and a temporary program folder with a readme, so start-up asks nothing.

#include "app/MainWindow.h"
#include "common/widgets/QtDialogs.h"
#include "settings/core/Settings.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

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

// The main of a widget benchmark: an offscreen application around the runs.
inline int runWidgetBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace norvane::bench
