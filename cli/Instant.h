// Reading the instants and dates given to --at, --from and --to: an ISO-8601 date, a local
// date and time in the zone in force, or a date and time with its offset from UT.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The years accepted.
inline constexpr int kFirstYear = 1600;
inline constexpr int kLastYear = 9999;

// What an argument names. A local time or date needs the zone to become an instant.
struct Moment {
    enum class Form {
        kInstant,    // "2009-10-20T12:00:00Z", "2009-10-20T14:00+02:00"
        kLocalTime,  // "2009-10-20T14:00", "2009-10-20T14:00:00": wall-clock time in the zone
        kDate,       // "2009-10-20": the local day in the zone
    };
    Form form = Form::kInstant;
    std::chrono::sys_seconds instant;  // kInstant
    std::chrono::local_seconds local;  // kLocalTime; for kDate the day's midnight
};

// "YYYY-MM-DD", optionally followed by "T" and "HH:MM" or "HH:MM:SS", optionally followed by
// "Z" or an offset "+HH:MM" / "-HH:MM" / "+HHMM". On failure returns nothing and names the
// problem in *problem.
std::optional<Moment> ParseMoment(std::string_view text, std::string* problem);

// The instant as "YYYY-MM-DDTHH:MM:SSZ" into text; returns its length.
int FormatInstant(std::chrono::sys_seconds instant, char (&text)[32]);

}  // namespace cli
