// tidewell-phases from its arguments to what it prints: the whole program but the writing.
#pragma once

#include <string>
#include <vector>

#include "cli/Output.h"

namespace cli {

struct CommandResult {
    int status = 0;   // 0, or 2 when the arguments are wrong
    std::string err;  // for standard error: empty, or one line
};

// Runs the command for the arguments (those after the program's name), writing what it prints
// to `out`; when the arguments are wrong, before anything is written. Sets TZ for --zone and
// the process clock for the instant in force, and leaves them so.
CommandResult RunCommand(const std::vector<std::string>& arguments, Output& out);

}  // namespace cli
