#pragma once

#include <string>
#include <vector>

// The commands of norvane-cli. Each takes the arguments after its name and
// returns the process's exit code.
namespace norvane::cli {

int runTreeCommand(const std::vector<std::string> &arguments);
int runLayoutCommand(const std::vector<std::string> &arguments);
int runDataCommand(const std::vector<std::string> &arguments);

} // namespace norvane::cli
