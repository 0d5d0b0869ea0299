#include "cli/Options.h"

#include <utility>

namespace cli {

namespace {

constexpr std::size_t npos = std::string::npos;

// A whole number from 1 to kMaxCount, in decimal digits; nothing else.
std::optional<int> CountOf(const std::string& text) {
    if (text.empty() || text.size() > 5) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kMaxCount) {
        return std::nullopt;
    }
    return value;
}

// The one complaint about options that cannot go together, or nothing.
std::optional<std::string> ConflictOf(const Options& options) {
    if (options.from.has_value() != options.to.has_value()) {
        return options.from ? "option --from needs --to" : "option --to needs --from";
    }
    std::vector<const char*> modes;
    if (options.shown) {
        modes.push_back("--shown");
    }
    if (options.next) {
        modes.push_back("--next");
    }
    if (options.count) {
        modes.push_back("--count");
    }
    if (options.from) {
        modes.push_back("--from");
    }
    if (modes.size() > 1) {
        return std::string("options ") + modes[0] + " and " + modes[1] + " cannot go together";
    }
    if (options.json && options.ics) {
        return "options --json and --ics cannot go together";
    }
    return std::nullopt;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string* error) {
    auto fail = [error](std::string what) -> std::optional<Options> {
        *error = std::move(what);
        return std::nullopt;
    };
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument[0] != '-') {
            return fail("unexpected argument '" + argument + "' (see --help)");
        }
        const std::size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : npos;
        const std::string name = argument.substr(0, equals);

        std::optional<MomentArgument>* moment = name == "--at"     ? &options.at
                                                : name == "--from" ? &options.from
                                                : name == "--to"   ? &options.to
                                                                   : nullptr;
        if (moment != nullptr || name == "--zone" || name == "--count") {
            std::string value;
            if (equals != npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size() && arguments[i + 1].rfind("--", 0) != 0) {
                value = arguments[++i];
            }
            if (value.empty()) {
                return fail("option " + name + " needs a value");
            }
            if (name == "--zone") {
                options.zone = value;
                continue;
            }
            if (name == "--count") {
                options.count = CountOf(value);
                if (!options.count) {
                    return fail("invalid count '" + value +
                                "': expected a whole number from 1 to " +
                                std::to_string(kMaxCount));
                }
                continue;
            }
            std::string problem;
            const std::optional<Moment> parsed = ParseMoment(value, &problem);
            if (!parsed) {
                return fail(name == "--at"
                                ? "invalid instant '" + value + "': " + problem
                                : "invalid date '" + value + "' for " + name + ": " + problem);
            }
            *moment = MomentArgument{value, *parsed};
            continue;
        }

        bool* flag = name == "--shown"                  ? &options.shown
                     : name == "--next"                 ? &options.next
                     : name == "--json"                 ? &options.json
                     : name == "--ics"                  ? &options.ics
                     : name == "--help" || name == "-h" ? &options.help
                     : name == "--version"              ? &options.version
                                                        : nullptr;
        if (flag == nullptr) {
            return fail("unknown option " + name + " (see --help)");
        }
        if (equals != npos) {
            return fail("option " + name + " takes no value");
        }
        *flag = true;
    }
    if (!options.help && !options.version) {
        if (const std::optional<std::string> conflict = ConflictOf(options)) {
            return fail(*conflict);
        }
    }
    return options;
}

std::string UsageText() {
    return "Usage: tidewell-phases [--at WHEN] [--zone NAME]\n"
           "                       [--shown | --next | --count N | --from DAY --to DAY]\n"
           "                       [--json | --ics]\n"
           "Prints the principal phases of the Moon in local time. Without --next, --count or\n"
           "--from, the table that the phase window uses: nine rows of phase, date and time.\n"
           "\n"
           "  --at WHEN      compute for this instant instead of now: a date and time with its\n"
           "                 offset, e.g. 2009-10-20T12:00:00Z or 2009-10-20T14:00+02:00; a\n"
           "                 local time in the zone, e.g. 2027-01-01T18:00; or a date, meaning\n"
           "                 its local midnight, e.g. 2027-01-01. Years 1600 to 9999\n"
           "  --zone NAME    use this zone of the time-zone database, e.g. Europe/Berlin,\n"
           "                 instead of the one TZ or the machine gives; fixed offsets are\n"
           "                 Etc/UTC and Etc/GMT-14 to Etc/GMT+12 (Etc/GMT-5 is UT+5)\n"
           "  --shown        only the four rows that the window shows for that day,\n"
           "                 e.g. --shown --at 2027-01-01\n"
           "  --next         the next phase after the instant and how long until it,\n"
           "                 e.g. --next prints \"Full Moon  2026-12-24  2:29  in 17 d 4 h\"\n"
           "  --count N      the next N phases after the instant, 1 to 10000, e.g. --count 8\n"
           "  --from DAY     with --to: every phase from the start of the local day DAY to the\n"
           "  --to DAY       end of the local day DAY, e.g. --from 2027-01-01 --to 2027-12-31;\n"
           "                 either may also be a time or an instant as for --at\n"
           "  --json         one JSON object on one line, e.g. --next --json\n"
           "  --ics          an iCalendar file of the rows, e.g.\n"
           "                 --from 2027-01-01 --to 2027-12-31 --ics > moon-2027.ics\n"
           "  --help, -h     show this text\n"
           "  --version      show the version\n"
           "\n"
           "The table gives each row the local time that the window shows. --next, --count and\n"
           "--from give the true local time at each phase under the zone's rules.\n"
           "Exit status: 0 on success, 1 when the output cannot be written, 2 when the\n"
           "arguments are wrong. See tidewell-phases(1).\n";
}

}  // namespace cli
