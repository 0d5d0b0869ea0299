#include "cli/Options.h"

#include <utility>

#include "cli/Instant.h"

namespace cli {

namespace {
constexpr std::size_t npos = std::string::npos;
}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string* error) {
    auto fail = [error](std::string what) -> std::optional<Options> {
        *error = std::move(what);
        return std::nullopt;
    };
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument[0] != '-')
            return fail("unexpected argument '" + argument + "' (see --help)");
        const std::size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : npos;
        const std::string name = argument.substr(0, equals);

        if (name == "--at" || name == "--zone") {
            std::string value;
            if (equals != npos)
                value = argument.substr(equals + 1);
            else if (i + 1 < arguments.size() && arguments[i + 1].rfind("--", 0) != 0)
                value = arguments[++i];
            if (value.empty()) return fail("option " + name + " needs a value");
            if (name == "--zone") {
                options.zone = value;
                continue;
            }
            std::string problem;
            options.at = ParseInstant(value, &problem);
            if (!options.at) return fail("invalid instant '" + value + "': " + problem);
            continue;
        }

        bool* flag = name == "--shown"                  ? &options.shown
                     : name == "--json"                 ? &options.json
                     : name == "--help" || name == "-h" ? &options.help
                     : name == "--version"              ? &options.version
                                                        : nullptr;
        if (flag == nullptr) return fail("unknown option " + name + " (see --help)");
        if (equals != npos) return fail("option " + name + " takes no value");
        *flag = true;
    }
    return options;
}

std::string UsageText() {
    return "Usage: tidewell-phases [--at INSTANT] [--zone NAME] [--shown] [--json]\n"
           "Prints the table of upcoming principal phases of the Moon in local time, as the\n"
           "phase window uses it: nine rows of phase, date and time.\n"
           "\n"
           "  --at INSTANT  compute for this instant instead of now, e.g. 2009-10-20T12:00:00Z\n"
           "                or 2009-10-20T14:00:00+02:00\n"
           "  --zone NAME   use this zone of the time-zone database (e.g. Europe/Berlin)\n"
           "                instead of the one TZ or the machine gives; fixed offsets are\n"
           "                Etc/UTC and Etc/GMT-14 to Etc/GMT+12 (Etc/GMT-5 is UT+5)\n"
           "  --shown       only the four rows that the window shows for that day\n"
           "  --json        one JSON object on one line\n"
           "  --help        show this text\n"
           "  --version     show the version\n"
           "\n"
           "Exit status: 0 on success, 2 when the arguments are wrong.\n";
}

}  // namespace cli
