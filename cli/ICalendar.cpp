#include "cli/ICalendar.h"

#include <chrono>
#include <cstdio>

#include "cli/Text.h"
#include "tidewell/Version.h"

namespace cli {

using namespace std::chrono;

namespace {

constexpr std::size_t kLineOctets = 75;

constexpr const char* kKindSlugs[] = {"new-moon", "first-quarter", "full-moon", "last-quarter"};

// A DATE-TIME in UTC: "20261224T012900Z".
std::string UtcDateTime(sys_seconds instant) {
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const hh_mm_ss time{instant - day};
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

// "Full Moon 2026-12-24 02:29 Europe/Berlin (UT+01:00)": the true local time in the zone.
std::string Description(const ReportRow& row, const std::string& zone) {
    char text[32];
    const int length = FormatLocal(local_seconds{row.instant.time_since_epoch() + row.trueOffset},
                                   row.trueOffset, text);
    // "2026-12-24T02:29+01:00": the date, the time of day and the offset.
    const std::string_view local(text, static_cast<std::size_t>(length));
    const std::size_t t = local.find('T');
    return TextValue(row.phase) + " " + std::string(local.substr(0, t)) + " " +
           std::string(local.substr(t + 1, 5)) + " " + zone + " (UT" +
           std::string(local.substr(t + 6)) + ")";
}

}  // namespace

std::string PhaseUid(std::int64_t lunation, int kind) {
    return "lunation" + std::to_string(lunation) + "-" + kKindSlugs[kind & 3] + "@tidewell";
}

std::string FoldLine(std::string_view line) {
    std::string folded;
    folded.reserve(line.size() + line.size() / 64 * 3 + 2);
    std::size_t room = kLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        // Back to the start of the character that would be cut.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        if (cut == 0) {
            cut = room;  // not UTF-8 after all: cut where the octets end
        }
        folded.append(line.substr(0, cut));
        folded += "\r\n ";
        line.remove_prefix(cut);
        room = kLineOctets - 1;
    }
    folded.append(line);
    folded += "\r\n";
    return folded;
}

std::string TextValue(std::string_view text) {
    std::string value;
    for (const char c : ValidUtf8(text)) {
        switch (c) {
            case '\\':
            case ';':
            case ',':
                value += '\\';
                value += c;
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += c;
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    value += "\xEF\xBF\xBD";
                } else {
                    value += c;
                }
        }
    }
    return value;
}

void WriteCalendar(const PhaseReport& report, Output& out) {
    const auto add = [&out](std::string_view line) { out << FoldLine(line); };
    add("BEGIN:VCALENDAR");
    add("VERSION:2.0");
    add(std::string("PRODID:-//Tidewell//tidewell-phases ") + tidewell::kVersion + "//EN");
    add("CALSCALE:GREGORIAN");
    const std::string stamp = "DTSTAMP:" + UtcDateTime(report.now);
    const std::string zone = TextValue(report.zone);
    for (const ReportRow& row : report.rows) {
        add("BEGIN:VEVENT");
        add("UID:" + PhaseUid(row.lunation, row.kind));
        add(stamp);
        // An instant: with no DTEND, the event ends as it starts.
        add("DTSTART:" + UtcDateTime(row.instant));
        add("SUMMARY:" + TextValue(row.phase));
        add("DESCRIPTION:" + Description(row, zone));
        add("TRANSP:TRANSPARENT");
        add("END:VEVENT");
    }
    add("END:VCALENDAR");
}

}  // namespace cli
