// The command line of tidewell-phases: which instant, which zone, which rows, which form.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Instant.h"

namespace cli {

// The most rows that --count gives.
inline constexpr int kMaxCount = 10000;

// A date or instant as given, and what it names.
struct MomentArgument {
    std::string text;
    Moment moment;
};

struct Options {
    std::optional<MomentArgument> at;    // the clock's instant; now when absent
    std::optional<std::string> zone;     // acts as TZ; the machine's zone when absent
    bool shown = false;                  // only the rows that the window shows
    bool next = false;                   // the next phase after the instant
    std::optional<int> count;            // the next `count` phases after the instant
    std::optional<MomentArgument> from;  // with `to`: every phase between the two
    std::optional<MomentArgument> to;
    bool json = false;
    bool ics = false;
    bool help = false;
    bool version = false;
};

// The options, or the one-line description of what is wrong with the arguments in *error.
// Values follow their option as the next argument or after "=" (--at=..., --zone=...). Options
// that cannot go together (two ways of choosing the rows, --from without --to, --json with
// --ics) are wrong, unless --help or --version is given, which go before everything else.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string* error);

// The text of --help.
std::string UsageText();

}  // namespace cli
