// The command line of tidewell-phases: which instant, which zone, which rows, which form.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace cli {

struct Options {
    std::optional<std::chrono::sys_seconds> at;  // the clock's instant; now when absent
    std::optional<std::string> zone;             // acts as TZ; the machine's zone when absent
    bool shown = false;                          // only the rows that the window shows
    bool json = false;
    bool help = false;
    bool version = false;
};

// The options, or the one-line description of what is wrong with the arguments in *error.
// Values follow their option as the next argument or after "=" (--at=..., --zone=...).
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string* error);

// The text of --help.
std::string UsageText();

}  // namespace cli
