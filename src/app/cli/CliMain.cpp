// norvane-cli: the command-line front end over the core library, for scripting,
// batch conversion and acceptance checks.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace norvane::cli {
int RunLayoutCommand(const std::vector<std::string> &arguments);
} // namespace norvane::cli

namespace {

struct CliCommand {
    std::string_view name;
    std::string_view synopsis;
    int (*run)(const std::vector<std::string> &arguments);
};

// The commands, each in a file of its own beside this one.
constexpr CliCommand kCommands[] = {
    {"layout", "[--data] COPYBOOK   record layout as CSV", norvane::cli::RunLayoutCommand},
};

void printUsage(std::FILE *out)
{
    std::fputs("usage: norvane-cli COMMAND [OPTIONS] FILE...\n\ncommands:\n", out);
    bool any = false;
    for (const CliCommand &command : kCommands) {
        if (command.run == nullptr)
            continue;
        std::fprintf(out, "  %-10.*s %.*s\n", static_cast<int>(command.name.size()), command.name.data(),
                     static_cast<int>(command.synopsis.size()), command.synopsis.data());
        any = true;
    }
    if (!any)
        std::fputs("  (none yet)\n", out);
    std::fputs("\n  help       this text\n", out);
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
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    for (const CliCommand &command : kCommands) {
        if (command.run != nullptr && command.name == name)
            return command.run(arguments);
    }
    std::fprintf(stderr, "norvane-cli: unknown command \"%s\"\n\n", argv[1]);
    printUsage(stderr);
    return 2;
}
