#include "cli/Instant.h"

#include <cstdio>
#include <utility>

namespace cli {

using namespace std::chrono;

namespace {

// The number in text[at, at + width), all digits; -1 when it is not one.
int Digits(std::string_view text, std::size_t at, std::size_t width) {
    if (at + width > text.size()) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = at; i < at + width; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool CharAt(std::string_view text, std::size_t at, char expected) {
    return at < text.size() && text[at] == expected;
}

// The zone designator: "Z", or a sign with hours and minutes. Sign 0 marks none that reads.
struct Designator {
    int sign = 1;
    int hours = 0;
    int minutes = 0;
};

std::optional<Designator> DesignatorOf(std::string_view text) {
    if (text == "Z" || text == "z") {
        return Designator{};
    }
    if (text.empty() || (text[0] != '+' && text[0] != '-')) {
        return std::nullopt;
    }
    const bool colon = text.size() == 6 && text[3] == ':';
    if (!colon && text.size() != 5) {
        return std::nullopt;
    }
    const int hours = Digits(text, 1, 2);
    const int minutes = Digits(text, colon ? 4 : 3, 2);
    if (hours < 0 || minutes < 0) {
        return std::nullopt;
    }
    return Designator{text[0] == '-' ? -1 : 1, hours, minutes};
}

// The time of day after the date's "T": "HH:MM" or "HH:MM:SS", and what follows it.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::string_view rest;
};

std::optional<TimeOfDay> TimeOfDayOf(std::string_view text) {
    const int h = Digits(text, 0, 2), mi = Digits(text, 3, 2);
    if (h < 0 || mi < 0 || !CharAt(text, 2, ':')) {
        return std::nullopt;
    }
    if (!CharAt(text, 5, ':')) {
        return TimeOfDay{h, mi, 0, text.substr(5)};
    }
    const int s = Digits(text, 6, 2);
    if (s < 0) {
        return std::nullopt;
    }
    return TimeOfDay{h, mi, s, text.substr(8)};
}

}  // namespace

std::optional<Moment> ParseMoment(std::string_view text, std::string* problem) {
    auto fail = [problem](std::string what) -> std::optional<Moment> {
        *problem = std::move(what);
        return std::nullopt;
    };
    const int y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
    const bool dated = y >= 0 && mo >= 0 && d >= 0 && CharAt(text, 4, '-') && CharAt(text, 7, '-');
    const bool timed = text.size() > 10 && (CharAt(text, 10, 'T') || CharAt(text, 10, 't'));
    const std::optional<TimeOfDay> time =
        dated && timed ? TimeOfDayOf(text.substr(11)) : std::nullopt;
    // The designator, when one follows the time.
    const bool designated = time && !time->rest.empty();
    const Designator zone =
        designated ? DesignatorOf(time->rest).value_or(Designator{0}) : Designator{};
    if (!dated || (text.size() > 10 && !time) || zone.sign == 0) {
        return fail(
            "expected YYYY-MM-DD, YYYY-MM-DDTHH:MM[:SS] in the zone's local time, or that "
            "followed by Z or an offset like +02:00");
    }

    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)},
                              day{static_cast<unsigned>(d)}};
    if (!date.ok()) {
        return fail("no such date");
    }
    if (y < kFirstYear || y > kLastYear) {
        return fail("the year must lie between " + std::to_string(kFirstYear) + " and " +
                    std::to_string(kLastYear));
    }
    Moment moment;
    moment.local = local_days{date};
    if (!time) {
        moment.form = Moment::Form::kDate;
        return moment;
    }
    if (time->hour > 23 || time->minute > 59 || time->second > 59) {
        return fail("no such time of day");
    }
    moment.local += hours{time->hour} + minutes{time->minute} + seconds{time->second};
    if (!designated) {
        moment.form = Moment::Form::kLocalTime;
        return moment;
    }
    if (zone.hours > 23 || zone.minutes > 59) {
        return fail("no such offset from UT");
    }
    const minutes offset{zone.sign * (zone.hours * 60 + zone.minutes)};
    moment.form = Moment::Form::kInstant;
    moment.instant = sys_seconds{moment.local.time_since_epoch()} - offset;
    return moment;
}

int FormatInstant(sys_seconds instant, char (&text)[32]) {
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const hh_mm_ss time{instant - day};
    return std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                         static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                         static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                         static_cast<int>(time.minutes().count()),
                         static_cast<int>(time.seconds().count()));
}

}  // namespace cli
