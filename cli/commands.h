#pragma once

#include <string>
#include <vector>

// The subcommands of orrery-cli. Each returns the exit status: 0 done, 2 for bad input (a
// one-line message on stderr).
int commandOpen(const std::vector<std::string>& args);
