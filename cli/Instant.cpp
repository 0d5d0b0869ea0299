#include "cli/Instant.h"

#include <cstdio>
#include <utility>

namespace cli {

using namespace std::chrono;

namespace {

// The number in text[at, at + width), all digits; -1 when it is not one.
int Digits(std::string_view text, std::size_t at, std::size_t width) {
    if (at + width > text.size()) return -1;
    int value = 0;
    for (std::size_t i = at; i < at + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool CharAt(std::string_view text, std::size_t at, char expected) {
    return at < text.size() && text[at] == expected;
}

// The zone designator: "Z", or a sign with hours and minutes.
struct Designator {
    int sign = 1;
    int hours = 0;
    int minutes = 0;
};

std::optional<Designator> DesignatorOf(std::string_view text) {
    if (text == "Z" || text == "z") return Designator{};
    if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
    const bool colon = text.size() == 6 && text[3] == ':';
    if (!colon && text.size() != 5) return std::nullopt;
    const int hours = Digits(text, 1, 2);
    const int minutes = Digits(text, colon ? 4 : 3, 2);
    if (hours < 0 || minutes < 0) return std::nullopt;
    return Designator{text[0] == '-' ? -1 : 1, hours, minutes};
}

}  // namespace

std::optional<sys_seconds> ParseInstant(std::string_view text, std::string* problem) {
    auto fail = [problem](std::string what) -> std::optional<sys_seconds> {
        *problem = std::move(what);
        return std::nullopt;
    };
    const int y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
    const int h = Digits(text, 11, 2), mi = Digits(text, 14, 2), s = Digits(text, 17, 2);
    const bool shaped = y >= 0 && mo >= 0 && d >= 0 && h >= 0 && mi >= 0 && s >= 0 &&
                        CharAt(text, 4, '-') && CharAt(text, 7, '-') &&
                        (CharAt(text, 10, 'T') || CharAt(text, 10, 't')) && CharAt(text, 13, ':') &&
                        CharAt(text, 16, ':');
    const std::optional<Designator> zone = shaped ? DesignatorOf(text.substr(19)) : std::nullopt;
    if (!zone) return fail("expected YYYY-MM-DDTHH:MM:SS followed by Z or an offset like +02:00");

    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)},
                              day{static_cast<unsigned>(d)}};
    if (!date.ok()) return fail("no such date");
    if (y < kFirstYear || y > kLastYear)
        return fail("the year must lie between " + std::to_string(kFirstYear) + " and " +
                    std::to_string(kLastYear));
    if (h > 23 || mi > 59 || s > 59) return fail("no such time of day");
    if (zone->hours > 23 || zone->minutes > 59) return fail("no such offset from UT");
    const minutes offset{zone->sign * (zone->hours * 60 + zone->minutes)};
    return sys_days{date} + hours{h} + minutes{mi} + seconds{s} - offset;
}

std::string FormatInstant(sys_seconds instant) {
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const hh_mm_ss time{instant - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

}  // namespace cli
