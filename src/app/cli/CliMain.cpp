// norvane-cli: the command-line front end over the core library, for scripting,
// batch conversion and acceptance checks.

#include "app/cli/CliCommands.h"
#include "common/core/Version.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct CliCommand {
    std::string_view name;
    std::string_view synopsis;
    int (*run)(const std::vector<std::string> &arguments);
};

// The commands, each in a file of its own beside this one.
constexpr CliCommand kCommands[] = {
    {"tree", "[--perform] [--pic01] FILE   the structure tree, one node a line", norvane::cli::runTreeCommand},
    {"layout", "[--data] COPYBOOK   the record layout as CSV", norvane::cli::runLayoutCommand},
    {"data",
     "[--little-endian] [--encoding NAME] [--sign mf|overpunch|ebcdic] [--records fixed|lines|rdw]\n"
     "             [--native-order big|little] [--floats ieee|ibm] COPYBOOK [--write] DATAFILE\n"
     "             a data file as CSV, or CSV on stdin into one",
     norvane::cli::runDataCommand},
};

void printUsage(std::FILE *out)
{
    std::fputs("usage: norvane-cli COMMAND [OPTIONS] FILE...\n\ncommands:\n", out);
    for (const CliCommand &command : kCommands) {
        std::fprintf(out, "  %-10.*s %.*s\n", static_cast<int>(command.name.size()), command.name.data(),
                     static_cast<int>(command.synopsis.size()), command.synopsis.data());
    }
    std::fputs("\n  help       this text (also --help)\n  --version  the version\n", out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        printUsage(stdout);
        return 0;
    }
    if (name == "--version" || name == "-v") {
        std::printf("norvane-cli %s\n", norvane::ProgramVersion);
        return 0;
    }
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    for (const CliCommand &command : kCommands) {
        if (command.name == name)
            return command.run(arguments);
    }
    std::fprintf(stderr, "norvane-cli: unknown command \"%s\"\n\n", argv[1]);
    printUsage(stderr);
    return 2;
}
