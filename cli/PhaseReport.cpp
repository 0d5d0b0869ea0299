#include "cli/PhaseReport.h"

#include <cstdio>
#include <cstdlib>

#include "cli/Instant.h"
#include "cli/LocalTime.h"
#include "cli/Text.h"
#include "phase/strip/PhaseStrip.h"
#include "platform/clock/Clock.h"
#include "platform/clock/SystemTime.h"
#include "platform/clock/ZoneSource.h"

namespace cli {

using namespace std::chrono;

namespace {

const char* StatusName(DWORD status) {
    switch (status) {
        case TIME_ZONE_ID_UNKNOWN:
            return "unknown";
        case TIME_ZONE_ID_STANDARD:
            return "standard";
        case TIME_ZONE_ID_DAYLIGHT:
            return "daylight";
        default:
            return "invalid";
    }
}

PhaseReport ReportHead() {
    PhaseReport report;
    report.now = floor<seconds>(platform::ClockNow());
    return report;
}

// The entry's date and time as a wall-clock time; hour 24 is the next day's midnight.
local_seconds LocalOf(const PhaseEntry& entry) {
    return local_days{year{entry.year} / entry.month / entry.day} + hours{entry.hour} +
           minutes{entry.minute};
}

// A row of the window's table: its phase is the one the row table puts there, from the
// lunation in progress on.
ReportRow TableRow(const PhaseEntry& entry, std::int64_t lunation, int32_t row,
                   const strip::Cell& cell) {
    const Phase phase = PhaseOf(lunation + row / 4, row % 4);
    const seconds local = LocalOf(entry).time_since_epoch();
    const minutes offset = duration_cast<minutes>(local - phase.instant.time_since_epoch());
    return {entry,  strip::PhaseLabel(cell.kind), phase.lunation, phase.kind, phase.instant,
            offset, OffsetAt(phase.instant)};
}

}  // namespace

PhaseReport MakeReport(bool shownOnly) {
    PhaseReport report = ReportHead();
    PhaseEntry table[kPhaseRows];
    BuildPhaseTable(table, kPhaseRows);
    const std::int64_t lunation = LunationAt(report.now);
    if (shownOnly) {
        SYSTEMTIME today;
        GetLocalTime(&today);
        const strip::Strip shown = strip::StripOn(table, today.wYear, today.wMonth, today.wDay);
        for (int32_t c = 0; c < shown.count; ++c) {
            const int32_t row = shown.cells[c].row;
            report.rows.push_back(TableRow(table[row], lunation, row, shown.cells[c]));
        }
        return report;
    }
    // The whole table is one run from row 0: the last row, one whole lunation on (fraction
    // 1.0), is a new moon.
    for (int32_t row = 0; row < kPhaseRows; ++row) {
        report.rows.push_back(TableRow(table[row], lunation, row, strip::CellOf(table, 0, row)));
    }
    return report;
}

PhaseReport MakeListReport(const std::vector<Phase>& phases) {
    PhaseReport report = ReportHead();
    report.rows.reserve(phases.size());
    for (const Phase& phase : phases) {
        const minutes offset = OffsetAt(phase.instant);
        const local_seconds local{phase.instant.time_since_epoch() + offset};
        const local_days day = floor<days>(local);
        const year_month_day date{day};
        const hh_mm_ss time{local - day};
        const PhaseEntry entry{static_cast<int>(date.year()),
                               static_cast<int>(static_cast<unsigned>(date.month())),
                               static_cast<int>(static_cast<unsigned>(date.day())),
                               static_cast<int>(time.hours().count()),
                               static_cast<int>(time.minutes().count()),
                               phase.kind * 0.25};
        report.rows.push_back({entry, strip::PhaseLabel(phase.kind), phase.lunation, phase.kind,
                               phase.instant, offset, offset});
    }
    return report;
}

void DescribeZone(PhaseReport* report) {
    report->zone = platform::ZoneName();
    TIME_ZONE_INFORMATION info;
    report->status = StatusName(GetTimeZoneInformation(&info));
}

void WriteText(const PhaseReport& report, Output& out) {
    for (const ReportRow& row : report.rows) {
        char line[96];
        const int length = std::snprintf(line, sizeof line, "%-13s  %04d-%02d-%02d  %2d:%02d\n",
                                         row.phase, row.entry.year, row.entry.month, row.entry.day,
                                         row.entry.hour, row.entry.minute);
        out << std::string_view(line, static_cast<std::size_t>(length));
    }
}

void WriteNext(const PhaseReport& report, Output& out) {
    if (report.rows.empty()) {
        return;
    }
    const ReportRow& row = report.rows.front();
    char line[128];
    const int length =
        std::snprintf(line, sizeof line, "%s  %04d-%02d-%02d  %d:%02d  in %s\n", row.phase,
                      row.entry.year, row.entry.month, row.entry.day, row.entry.hour,
                      row.entry.minute, FormatUntil(report.now, row.instant).c_str());
    out << std::string_view(line, static_cast<std::size_t>(length));
}

void WriteJson(const PhaseReport& report, bool until, Output& out) {
    char now[32];
    FormatInstant(report.now, now);
    out << "{\"now\":" << JsonString(now) << ",\"zone\":" << JsonString(report.zone)
        << ",\"status\":" << JsonString(report.status) << ",\"rows\":[";
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const ReportRow& row = report.rows[i];
        char utc[32], local[32];
        FormatInstant(row.instant, utc);
        FormatLocal(local_seconds{row.instant.time_since_epoch() + row.offset}, row.offset, local);
        char fields[320];
        const int length = std::snprintf(
            fields, sizeof fields,
            "%s{\"year\":%d,\"month\":%d,\"day\":%d,\"hour\":%d,\"minute\":%d,\"fraction\":%g,"
            "\"phase\":\"%s\",\"utc\":\"%s\",\"local\":\"%s\",\"offset\":%d}",
            i == 0 ? "" : ",", row.entry.year, row.entry.month, row.entry.day, row.entry.hour,
            row.entry.minute, row.entry.fraction, row.phase, utc, local,
            static_cast<int>(row.offset.count()));
        out << std::string_view(fields, static_cast<std::size_t>(length));
    }
    out << "]";
    if (until && !report.rows.empty()) {
        const sys_seconds at = report.rows.front().instant;
        out << ",\"until\":{\"minutes\":" << std::to_string(ceil<minutes>(at - report.now).count())
            << ",\"text\":" << JsonString(FormatUntil(report.now, at)) << "}";
    }
    out << "}\n";
}

int FormatLocal(local_seconds local, minutes offset, char (&text)[32]) {
    const local_days day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss time{local - day};
    const long east = offset.count();
    return std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d%c%02ld:%02ld",
                         static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                         static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                         static_cast<int>(time.minutes().count()), east < 0 ? '-' : '+',
                         std::labs(east) / 60, std::labs(east) % 60);
}

std::string FormatUntil(sys_seconds from, sys_seconds to) {
    const long total = static_cast<long>(ceil<minutes>(to - from).count());
    const long d = total / 1440, h = total % 1440 / 60, m = total % 60;
    char text[48];
    if (d > 0) {
        std::snprintf(text, sizeof text, "%ld d %ld h", d, h);
    } else if (h > 0) {
        std::snprintf(text, sizeof text, "%ld h %ld min", h, m);
    } else {
        std::snprintf(text, sizeof text, "%ld min", m);
    }
    return text;
}

}  // namespace cli
