#include "cli/Command.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <utility>

#include "cli/ICalendar.h"
#include "cli/KnownZone.h"
#include "cli/LocalTime.h"
#include "cli/Options.h"
#include "cli/PhaseList.h"
#include "cli/PhaseReport.h"
#include "cli/Text.h"
#include "platform/clock/Clock.h"
#include "platform/clock/ZoneSource.h"
#include "tidewell/Version.h"

namespace cli {

using namespace std::chrono;

namespace {

CommandResult Refuse(const std::string& problem) {
    return {2, "tidewell-phases: " + Printable(problem) + "\n"};
}

// The first instant that the argument names in the zone in force: a date its day's start, a
// local time its first occurrence. Nothing for a local time that the zone skips.
std::optional<sys_seconds> StartOf(const MomentArgument& argument, std::string* problem) {
    const Moment& moment = argument.moment;
    switch (moment.form) {
        case Moment::Form::kInstant:
            return moment.instant;
        case Moment::Form::kDate:
            return FirstAtOrAfter(moment.local);
        case Moment::Form::kLocalTime:
            break;
    }
    const std::optional<sys_seconds> instant = FromLocal(moment.local);
    if (!instant) {
        *problem =
            "no such local time in " + platform::ZoneName() + ": a change of offset skips it";
    }
    return instant;
}

// The end of the span that --to names, excluded: the end of its day, or the second after it.
std::optional<sys_seconds> EndOf(const MomentArgument& argument, std::string* problem) {
    if (argument.moment.form == Moment::Form::kDate) {
        return FirstAtOrAfter(argument.moment.local + days{1});
    }
    const std::optional<sys_seconds> instant = StartOf(argument, problem);
    if (!instant) {
        return std::nullopt;
    }
    return *instant + seconds{1};
}

std::string Invalid(const char* option, const MomentArgument& argument,
                    const std::string& problem) {
    return std::string(option) == "--at"
               ? "invalid instant '" + argument.text + "': " + problem
               : "invalid date '" + argument.text + "' for " + option + ": " + problem;
}

// The last year that an iCalendar DATE-TIME holds.
constexpr int kLastCalendarYear = 9999;

bool FitsCalendar(const PhaseReport& report) {
    for (const ReportRow& row : report.rows) {
        if (year_month_day{floor<days>(row.instant)}.year() > year{kLastCalendarYear}) {
            return false;
        }
    }
    return true;
}

}  // namespace

CommandResult RunCommand(const std::vector<std::string>& arguments, Output& out) {
    std::string error;
    const std::optional<Options> options = ParseOptions(arguments, &error);
    if (!options) {
        return Refuse(error);
    }
    if (options->help) {
        out << UsageText();
        return {};
    }
    if (options->version) {
        out << "tidewell-phases " << tidewell::kVersion << "\n";
        return {};
    }

    if (options->zone) {
        if (!IsKnownZone(*options->zone)) {
            return Refuse(UnknownZoneProblem(*options->zone));
        }
        setenv("TZ", options->zone->c_str(), 1);
        tzset();
    }
    // One instant for the whole run, also when it is the system clock's.
    platform::ClockInstant now = platform::ClockNow();
    if (options->at) {
        const std::optional<sys_seconds> at = StartOf(*options->at, &error);
        if (!at) {
            return Refuse(Invalid("--at", *options->at, error));
        }
        now = *at;
    }
    platform::SetClock([now] { return now; });

    PhaseReport report;
    if (options->next || options->count) {
        const int count = options->next ? 1 : *options->count;
        report = MakeListReport(PhasesAfter(floor<seconds>(now), count));
    } else if (options->from) {
        const std::optional<sys_seconds> start = StartOf(*options->from, &error);
        if (!start) {
            return Refuse(Invalid("--from", *options->from, error));
        }
        const std::optional<sys_seconds> end = EndOf(*options->to, &error);
        if (!end) {
            return Refuse(Invalid("--to", *options->to, error));
        }
        if (*end <= *start) {
            return Refuse("the range is empty: --from " + options->from->text +
                          " lies after --to " + options->to->text);
        }
        report = MakeListReport(PhasesBetween(*start, *end));
    } else {
        report = MakeReport(options->shown);
    }

    if (options->json || options->ics) {
        DescribeZone(&report);
    }
    if (options->ics) {
        if (!FitsCalendar(report)) {
            return Refuse("a phase falls after the year 9999, which an iCalendar file cannot hold");
        }
        WriteCalendar(report, out);
    } else if (options->json) {
        WriteJson(report, options->next, out);
    } else if (options->next) {
        WriteNext(report, out);
    } else {
        WriteText(report, out);
    }
    return {};
}

}  // namespace cli
