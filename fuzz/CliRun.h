#pragma once

// Runs "norvane-cli data" in-process, as the program's main() would, with
// files for standard input and output.

#include "app/cli/CliCommands.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace norvane::fuzz {

inline int runDataCommand(const std::vector<std::string> &arguments, const std::string &in,
                          const std::string &out = "/dev/null")
{
    if (std::freopen(in.c_str(), "rb", stdin) == nullptr || std::freopen(out.c_str(), "wb", stdout) == nullptr) {
        std::perror("norvane fuzz: cannot redirect the command's input and output");
        std::abort();
    }
    const int code = cli::runDataCommand(arguments);
    std::fflush(stdout);
    return code;
}

} // namespace norvane::fuzz
