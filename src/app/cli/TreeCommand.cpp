// norvane-cli tree: the structure tree of a source file, one line per node.

#include "app/cli/CliCommands.h"
#include "common/core/FileIO.h"
#include "structure/core/StructureScan.h"
#include "structure/core/TreeListing.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void printTreeUsage()
{
    std::fputs("usage: norvane-cli tree [--perform] [--pic01] FILE\n"
               "  --perform  show the targets of PERFORM statements\n"
               "  --pic01    show 01 levels that carry a PIC clause\n",
               stderr);
}

int printTree(const std::string &path, const norvane::StructureOptions &options)
{
    const norvane::Result<std::string> bytes = norvane::readFileBytes(path);
    if (!bytes) {
        std::fprintf(stderr, "norvane-cli tree: %s\n", bytes.error().c_str());
        return 2;
    }
    const std::string listing = norvane::treeListing(norvane::scanStructure(bytes.value(), options));

#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // line feeds only, bytes unchanged
#endif
    if (std::fwrite(listing.data(), 1, listing.size(), stdout) != listing.size() || std::fflush(stdout) != 0) {
        std::fputs("norvane-cli tree: cannot write the output\n", stderr);
        return 2;
    }
    return 0;
}

} // namespace

namespace norvane::cli {

int runTreeCommand(const std::vector<std::string> &arguments)
{
    norvane::StructureOptions options;
    std::optional<std::string> path;
    bool optionsEnded = false;
    for (const std::string &argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument == "--perform") {
            options.ShowPerformOption = true;
        } else if (!optionsEnded && argument == "--pic01") {
            options.Pic01ShowOption = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            std::fprintf(stderr, "norvane-cli tree: unknown option \"%s\"\n", argument.c_str());
            printTreeUsage();
            return 2;
        } else if (path) {
            std::fputs("norvane-cli tree: give exactly one FILE\n", stderr);
            printTreeUsage();
            return 2;
        } else {
            path = argument;
        }
    }
    if (!path) {
        printTreeUsage();
        return 2;
    }

    try {
        return printTree(*path, options);
    } catch (const std::exception &exception) {
        // For instance a file too large for memory.
        std::fprintf(stderr, "norvane-cli tree: Cannot read %s: %s\n", path->c_str(), exception.what());
        return 2;
    }
}

} // namespace norvane::cli
