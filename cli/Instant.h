// Reading the instant given to --at: an ISO-8601 date and time with its offset from UT.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The years accepted.
inline constexpr int kFirstYear = 1700;
inline constexpr int kLastYear = 2200;

// "YYYY-MM-DDTHH:MM:SS" followed by "Z" or an offset "+HH:MM" / "-HH:MM" (or "+HHMM"). On
// failure returns nothing and names the problem in *problem.
std::optional<std::chrono::sys_seconds> ParseInstant(std::string_view text, std::string* problem);

// The instant as "YYYY-MM-DDTHH:MM:SSZ".
std::string FormatInstant(std::chrono::sys_seconds instant);

}  // namespace cli
