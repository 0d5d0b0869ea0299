#include "cli/PhaseReport.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstdio>

#include "cli/Instant.h"
#include "phase/strip/PhaseStrip.h"
#include "platform/clock/Clock.h"
#include "platform/clock/SystemTime.h"
#include "platform/clock/ZoneSource.h"

namespace cli {
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

// The text as a JSON string. Bytes that do not form UTF-8 (TZ may hold any) become U+FFFD, so
// that the output stays valid JSON.
std::string JsonString(const std::string& text) {
    const std::string utf8 = QString::fromUtf8(QByteArray::fromStdString(text)).toStdString();
    std::string quoted = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace

PhaseReport MakeReport(bool shownOnly) {
    PhaseReport report;
    report.now = FormatInstant(std::chrono::floor<std::chrono::seconds>(platform::ClockNow()));
    report.zone = platform::ZoneName();
    TIME_ZONE_INFORMATION info;
    report.status = StatusName(GetTimeZoneInformation(&info));

    PhaseEntry table[kPhaseRows];
    BuildPhaseTable(table, kPhaseRows);
    if (shownOnly) {
        SYSTEMTIME today;
        GetLocalTime(&today);
        const strip::Strip shown = strip::StripOn(table, today.wYear, today.wMonth, today.wDay);
        for (int32_t c = 0; c < shown.count; ++c) {
            report.rows.push_back({table[shown.cells[c].row], shown.cells[c].label.chars});
        }
        return report;
    }
    // The whole table is one run from row 0: the last row, one whole lunation on (fraction
    // 1.0), is a new moon.
    for (int32_t row = 0; row < kPhaseRows; ++row) {
        report.rows.push_back({table[row], strip::CellOf(table, 0, row).label.chars});
    }
    return report;
}

std::string FormatText(const PhaseReport& report) {
    std::string text;
    for (const ReportRow& row : report.rows) {
        char line[96];
        std::snprintf(line, sizeof line, "%-13s  %04d-%02d-%02d  %2d:%02d\n", row.phase.c_str(),
                      row.entry.year, row.entry.month, row.entry.day, row.entry.hour,
                      row.entry.minute);
        text += line;
    }
    return text;
}

std::string FormatJson(const PhaseReport& report) {
    std::string json = "{\"now\":" + JsonString(report.now) +
                       ",\"zone\":" + JsonString(report.zone) +
                       ",\"status\":" + JsonString(report.status) + ",\"rows\":[";
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const ReportRow& row = report.rows[i];
        char fields[192];
        std::snprintf(fields, sizeof fields,
                      "%s{\"year\":%d,\"month\":%d,\"day\":%d,\"hour\":%d,\"minute\":%d,"
                      "\"fraction\":%g,\"phase\":",
                      i == 0 ? "" : ",", row.entry.year, row.entry.month, row.entry.day,
                      row.entry.hour, row.entry.minute, row.entry.fraction);
        json += fields;
        json += JsonString(row.phase) + "}";
    }
    return json + "]}\n";
}

}  // namespace cli
