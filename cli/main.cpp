// tidewell-phases: prints the table of upcoming lunar phases that the phase window uses.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "cli/KnownZone.h"
#include "cli/Options.h"
#include "cli/PhaseReport.h"
#include "platform/clock/Clock.h"
#include "tidewell/Version.h"

namespace {

int Refuse(const std::string& problem) {
    std::fprintf(stderr, "tidewell-phases: %s\n", problem.c_str());
    return 2;
}

int Print(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "tidewell-phases: cannot write the output\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<cli::Options> options =
        cli::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), &error);
    if (!options) return Refuse(error);
    if (options->help) return Print(cli::UsageText());
    if (options->version) return Print(std::string("tidewell-phases ") + tidewell::kVersion + "\n");

    if (options->zone) {
        if (!cli::IsKnownZone(*options->zone))
            return Refuse(cli::UnknownZoneProblem(*options->zone));
        setenv("TZ", options->zone->c_str(), 1);
        tzset();
    }
    if (options->at) {
        const platform::ClockInstant at{*options->at};
        platform::SetClock([at] { return at; });
    }

    const cli::PhaseReport report = cli::MakeReport(options->shown);
    return Print(options->json ? cli::FormatJson(report) : cli::FormatText(report));
}
