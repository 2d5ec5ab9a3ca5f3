// norvane-cli layout [--data] COPYBOOK: the record layout of every line of the
// copybook as the CSV that a layout window saves.

#include "app/cli/CliCommands.h"
#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/LayoutCsv.h"
#include "layout/core/LayoutTable.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace norvane::cli {

namespace {

constexpr int kBuilt = 0;
constexpr int kNoLayout = 1;
constexpr int kUnreadable = 2;

} // namespace

// Exit 0 with the CSV on stdout (and the layout's complaint, if any, on stderr);
// 1 when no layout could be built; 2 for a bad command line or an unreadable file.
int runLayoutCommand(const std::vector<std::string> &arguments)
{
    LayoutMode mode = LayoutMode::Layout;
    std::vector<std::string> files;
    for (const std::string &argument : arguments) {
        if (argument == "--data")
            mode = LayoutMode::Data;
        else
            files.push_back(argument);
    }
    if (files.size() != 1) {
        std::fputs("usage: norvane-cli layout [--data] COPYBOOK\n", stderr);
        return kUnreadable;
    }
    Result<std::string> bytes = readFileBytes(files.front());
    if (!bytes) {
        std::fprintf(stderr, "%s\n", bytes.error().c_str());
        return kUnreadable;
    }
    Result<LayoutTable> layout = CalcRecordLayout(splitSourceLines(bytes.value()), mode);
    if (!layout) {
        std::fprintf(stderr, "%s\n", layout.error().c_str());
        return kNoLayout;
    }
    const std::string csv = ExportLayoutCsv(layout.value());
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // the rows end in CR LF already
#endif
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    if (!layout.value().message.empty())
        std::fprintf(stderr, "%s\n", layout.value().message.c_str());
    return kBuilt;
}

} // namespace norvane::cli
