// tidewell-phases --ics read back by libical, the calendar library of Debian's calendar
// programs: a valid calendar, the same events as the JSON rows, identifiers that stay the same
// from run to run, lines folded and ended as RFC 5545 says.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <QJsonArray>
#include <QJsonObject>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/cli/RunPhases.h"
#include "tests/platform/clock/ZoneFiles.h"

namespace {

using clitest::Outcome;
using clitest::RunJson;
using clitest::RunPhases;

// Long enough a name to fold the description's line.
constexpr const char* kLongZone = "Test/A_Zone_Whose_Name_Is_Long_Enough_To_Fold";

class PhasesCalendar : public testing::Test {
protected:
    static void SetUpTestSuite() {
        zones_ = std::make_unique<clocktest::ZoneFiles>();
        ASSERT_TRUE(zones_->Compile(std::string("Zone ") + kLongZone +
                                    " -3:00 - -03\nZone Test/Far_East 14:00 - +14\n"));
    }
    static void TearDownTestSuite() { zones_.reset(); }
    static QStringList Variables() { return {"TZDIR=" + QString::fromStdString(zones_->Folder())}; }

    static std::unique_ptr<clocktest::ZoneFiles> zones_;
};
std::unique_ptr<clocktest::ZoneFiles> PhasesCalendar::zones_;

struct Event {
    std::string uid, summary, description, start, stamp;
    bool end = false;
    bool transparent = false;
};

// "2027-01-08T07:25:00Z" from a UTC DATE-TIME.
std::string IsoOf(const icaltimetype& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return icaltime_is_utc(time) ? text : std::string("not UTC: ") + text;
}

// The calendar's events as libical reads them; fails the test where libical finds fault.
std::vector<Event> Parse(const QByteArray& text) {
    std::vector<Event> events;
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    EXPECT_NE(calendar, nullptr);
    if (calendar == nullptr) {
        return events;
    }
    EXPECT_EQ(icalcomponent_isa(calendar), ICAL_VCALENDAR_COMPONENT);
    EXPECT_TRUE(icalrestriction_check(calendar));
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0) << icalcomponent_as_ical_string(calendar);
    icalproperty* version = icalcomponent_get_first_property(calendar, ICAL_VERSION_PROPERTY);
    EXPECT_TRUE(version != nullptr && std::string(icalproperty_get_version(version)) == "2.0");
    EXPECT_NE(icalcomponent_get_first_property(calendar, ICAL_PRODID_PROPERTY), nullptr);
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        Event e;
        e.uid = icalcomponent_get_uid(event);
        e.summary = icalcomponent_get_summary(event);
        e.description = icalcomponent_get_description(event);
        e.start = IsoOf(icalcomponent_get_dtstart(event));
        e.stamp = icalcomponent_get_first_property(event, ICAL_DTSTAMP_PROPERTY) != nullptr
                      ? IsoOf(icalcomponent_get_dtstamp(event))
                      : "none";
        e.end = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY) != nullptr ||
                icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY) != nullptr;
        icalproperty* transp = icalcomponent_get_first_property(event, ICAL_TRANSP_PROPERTY);
        e.transparent =
            transp != nullptr && icalproperty_get_transp(transp) == ICAL_TRANSP_TRANSPARENT;
        events.push_back(e);
    }
    icalcomponent_free(calendar);
    return events;
}

// Every line ends with CRLF and holds at most 75 octets; returns how many lines continue one.
int ExpectLines(const QByteArray& text) {
    EXPECT_TRUE(text.endsWith("\r\n"));
    int continued = 0;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype end = text.indexOf("\r\n", at);
        if (end < 0) {
            ADD_FAILURE() << "no CRLF at the end";
            break;
        }
        const QByteArray line = text.mid(at, end - at);
        EXPECT_LE(line.size(), 75) << line.toStdString();
        EXPECT_FALSE(line.contains('\n') || line.contains('\r')) << line.toStdString();
        if (line.startsWith(' ')) {
            ++continued;
        }
        at = end + 2;
    }
    return continued;
}

Outcome Calendar(const QStringList& arguments, const QStringList& variables,
                 const char* tz = "UTC") {
    const Outcome run = RunPhases(arguments + QStringList{"--ics"}, tz, variables);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    return run;
}

TEST_F(PhasesCalendar, LibicalReadsTheRowsAsEventsOfAnInstant) {
    const QStringList year{"--from", "2027-01-01", "--to", "2027-12-31",
                           "--zone", kLongZone,    "--at", "2026-12-07T08:30:15Z"};
    const Outcome run = Calendar(year, Variables());
    EXPECT_GT(ExpectLines(run.outBytes), 0) << "the long descriptions are folded";
    const std::vector<Event> events = Parse(run.outBytes);
    const QJsonArray rows = RunJson(year, Variables())["rows"].toArray();
    ASSERT_EQ(events.size(), static_cast<std::size_t>(rows.size()));
    ASSERT_GE(events.size(), 48u);
    std::map<std::string, int> uids;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event& e = events[i];
        const QJsonObject row = rows[static_cast<qsizetype>(i)].toObject();
        SCOPED_TRACE(e.uid);
        ++uids[e.uid];
        EXPECT_EQ(e.start, row["utc"].toString().toStdString());
        EXPECT_EQ(e.summary, row["phase"].toString().toStdString());
        const QString local = row["local"].toString();  // 2027-01-08T04:25-03:00
        EXPECT_EQ(e.description, (row["phase"].toString() + " " + local.left(10) + " " +
                                  local.mid(11, 5) + " " + kLongZone + " (UT-03:00)")
                                     .toStdString());
        EXPECT_EQ(e.stamp, "2026-12-07T08:30:15Z");
        EXPECT_FALSE(e.end) << "an instant: no DTEND, no DURATION";
        EXPECT_TRUE(e.transparent);
        const char* kinds[] = {"new-moon", "first-quarter", "full-moon", "last-quarter"};
        const std::string kind = kinds[static_cast<int>(row["fraction"].toDouble() * 4)];
        EXPECT_TRUE(e.uid.starts_with("lunation") && e.uid.ends_with("-" + kind + "@tidewell"));
    }
    EXPECT_EQ(uids.size(), events.size()) << "each event its own UID";
}

// A phase keeps its UID from run to run, whatever rows the file holds, whenever and in whatever
// zone it is made: importing again updates the events.
TEST_F(PhasesCalendar, APhaseKeepsItsUidInEveryFile) {
    const std::vector<QStringList> runs = {
        {"--at", "2027-03-01T00:00:00Z"},
        {"--at", "2027-03-09T00:00:00Z", "--zone", "Test/Far_East"},
        {"--shown", "--at", "2027-03-20T12:00:00Z", "--zone", kLongZone},
        {"--count", "12", "--at", "2027-02-20T00:00:00Z"},
        {"--next", "--at", "2027-03-10T00:00:00Z"},
        {"--from", "2027-03-01", "--to", "2027-04-30", "--zone", kLongZone},
    };
    std::map<std::string, std::string> startOfUid;  // across all runs
    std::size_t seen = 0;
    for (const QStringList& arguments : runs) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const bool west = arguments.contains(kLongZone);
        for (const Event& e : Parse(Calendar(arguments, Variables()).outBytes)) {
            ++seen;
            // The description gives the true local time, also for the window's table.
            EXPECT_TRUE(!west || e.description.ends_with(std::string(kLongZone) + " (UT-03:00)"))
                << e.description;
            const auto [it, added] = startOfUid.emplace(e.uid, e.start);
            EXPECT_EQ(it->second, e.start) << e.uid;
        }
    }
    EXPECT_LT(startOfUid.size(), seen / 2) << "the runs overlap";
    const Outcome again = Calendar(runs[3], Variables());
    EXPECT_EQ(again.outBytes, Calendar(runs[3], Variables()).outBytes);
}

}  // namespace
