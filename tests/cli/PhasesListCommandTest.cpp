// tidewell-phases --next, --count and --from/--to as a user runs them: the phases in turn, in
// the true local time of each, the same instants as the window's table, and the refusals.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/cli/RunPhases.h"
#include "tests/platform/clock/ZoneFiles.h"

namespace {

using clitest::Outcome;
using clitest::RunJson;
using clitest::RunPhases;

// Zones of the test's own, so that no expectation depends on the installed database.
constexpr const char* kRules =
    "Rule EU 2026 max - Mar lastSun 1:00u 1:00 S\n"
    "Rule EU 2026 max - Oct lastSun 1:00u 0 -\n"
    "Zone Test/Europe 1:00 EU CE%sT\n"
    "Rule AN 2026 max - Oct Sun>=1 2:00s 1:00 D\n"
    "Rule AN 2026 max - Apr Sun>=1 2:00s 0 S\n"
    "Zone Test/Sydney 10:00 AN AE%sT\n"
    "Rule LH 2026 max - Oct Sun>=1 2:00 0:30 -\n"
    "Rule LH 2026 max - Apr Sun>=1 2:00 0 -\n"
    "Zone Test/Lord_Howe 10:30 LH +1030/+11\n"
    "Zone Test/Kolkata 5:30 - IST\n"
    // A change of standard offset in a past year.
    "Zone Test/Shift 3:00 - +03 1995 Jun 1\n"
    "                4:00 - +04\n"
    "Zone Test/UTC 0 - UTC\n";

class PhasesListCommand : public testing::Test {
protected:
    static void SetUpTestSuite() {
        zones_ = std::make_unique<clocktest::ZoneFiles>();
        ASSERT_TRUE(zones_->Compile(kRules));
    }
    static void TearDownTestSuite() { zones_.reset(); }

    // The run in a zone of the test's own.
    static Outcome Run(const QStringList& arguments, const char* zone = "Test/Europe") {
        return RunPhases(arguments + QStringList{"--zone", zone}, "UTC", Variables());
    }
    static QJsonArray Rows(const QStringList& arguments, const char* zone = "Test/Europe") {
        return RunJson(arguments + QStringList{"--zone", zone}, Variables())["rows"].toArray();
    }
    static QStringList Variables() { return {"TZDIR=" + QString::fromStdString(zones_->Folder())}; }

    static std::unique_ptr<clocktest::ZoneFiles> zones_;
};
std::unique_ptr<clocktest::ZoneFiles> PhasesListCommand::zones_;

QDateTime Utc(const QString& text) {
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

// "+05:30", "-03:00", "+00:00".
QString OffsetText(int minutes) {
    return QString("%1%2:%3")
        .arg(minutes < 0 ? '-' : '+')
        .arg(std::abs(minutes) / 60, 2, 10, QChar('0'))
        .arg(std::abs(minutes) % 60, 2, 10, QChar('0'));
}

// A row's fields agree with each other: the local fields and "local" are "utc" plus "offset".
void ExpectRowAgrees(const QJsonObject& row) {
    const QDateTime utc = Utc(row["utc"].toString());
    ASSERT_TRUE(utc.isValid()) << row["utc"].toString().toStdString();
    const int offset = row["offset"].toInt();
    const QDateTime local = utc.toOffsetFromUtc(offset * 60);
    EXPECT_EQ(row["local"].toString(), local.toString("yyyy-MM-ddTHH:mm") + OffsetText(offset));
    EXPECT_EQ(row["year"].toInt(), local.date().year());
    EXPECT_EQ(row["month"].toInt(), local.date().month());
    EXPECT_EQ(row["day"].toInt(), local.date().day());
    EXPECT_EQ(row["hour"].toInt(), local.time().hour());
    EXPECT_EQ(row["minute"].toInt(), local.time().minute());
}

// Each phase in turn, once per quarter of a lunation, in order.
void ExpectConsecutive(const QJsonArray& rows) {
    static const QStringList kNames{"New Moon", "First Quarter", "Full Moon", "Last Quarter"};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QJsonObject row = rows[i].toObject();
        ExpectRowAgrees(row);
        EXPECT_EQ(row["fraction"].toDouble() * 4, kNames.indexOf(row["phase"].toString()));
        if (i == 0) {
            continue;
        }
        const QJsonObject before = rows[i - 1].toObject();
        EXPECT_EQ(kNames.indexOf(row["phase"].toString()),
                  (kNames.indexOf(before["phase"].toString()) + 1) % 4);
        const qint64 gap = Utc(before["utc"].toString()).secsTo(Utc(row["utc"].toString()));
        EXPECT_GT(gap, 5 * 86400) << i;  // quarters lie 6 to 9 days apart
        EXPECT_LT(gap, 9 * 86400) << i;
    }
}

// The offsets of a zone over a span: the first, and each change's instant and new offset.
struct Change {
    const char* at;
    int offset;
};
struct ZoneCase {
    const char* zone;
    const char* from;
    const char* to;
    int first;
    std::vector<Change> changes;
};

TEST_F(PhasesListCommand, GivesTheTrueLocalTimeOfEachPhaseAcrossChangesOfOffset) {
    const ZoneCase cases[] = {
        {"Test/Europe",
         "2027-03-01",
         "2027-11-15",
         60,
         {{"2027-03-28T01:00:00Z", 120}, {"2027-10-31T01:00:00Z", 60}}},
        {"Test/Sydney",
         "2027-03-01",
         "2027-11-15",
         660,
         {{"2027-04-03T16:00:00Z", 600}, {"2027-10-02T16:00:00Z", 660}}},
        {"Test/Lord_Howe",
         "2027-03-01",
         "2027-11-15",
         660,
         {{"2027-04-03T15:00:00Z", 630}, {"2027-10-02T15:30:00Z", 660}}},
        {"Test/Kolkata", "2027-01-01", "2027-12-31", 330, {}},
        {"Test/Shift", "1995-01-01", "1995-12-31", 180, {{"1995-05-31T21:00:00Z", 240}}},
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(c.zone);
        const QJsonArray rows = Rows({"--from", c.from, "--to", c.to}, c.zone);
        ASSERT_GT(rows.size(), 30);
        ExpectConsecutive(rows);
        std::vector<int> seen;
        for (const QJsonValue& value : rows) {
            const QJsonObject row = value.toObject();
            const QDateTime utc = Utc(row["utc"].toString());
            int expected = c.first;
            for (const Change& change : c.changes) {
                if (utc >= Utc(change.at)) {
                    expected = change.offset;
                }
            }
            EXPECT_EQ(row["offset"].toInt(), expected) << row["utc"].toString().toStdString();
            if (seen.empty() || seen.back() != expected) {
                seen.push_back(expected);
            }
        }
        EXPECT_EQ(seen.size(), c.changes.size() + 1) << "rows on every side of every change";
        // The range's days are local: its first and last rows lie on them, the phases around
        // it outside.
        EXPECT_GE(rows.first()["local"].toString(), c.from);
        EXPECT_LE(rows.last()["local"].toString().left(10), c.to);
    }
}

// --count and --next from an instant, and a range from it, list the same phases; and where
// they meet the window's table, it has the same instants in the same order.
TEST_F(PhasesListCommand, CountNextRangeAndTableAgreeOnTheInstants) {
    for (const char* at :
         {"2027-03-20T12:00:00Z", "1995-05-20T00:00:00Z", "2027-12-31T23:59:00Z"}) {
        SCOPED_TRACE(at);
        const QJsonArray counted = Rows({"--count", "40", "--at", at}, "Test/Shift");
        ASSERT_EQ(counted.size(), 40);
        ExpectConsecutive(counted);
        EXPECT_GT(Utc(counted[0]["utc"].toString()), Utc(at));

        const QJsonArray next = Rows({"--next", "--at", at}, "Test/Shift");
        ASSERT_EQ(next.size(), 1);
        EXPECT_EQ(next[0], counted[0]);

        const QJsonArray ranged =
            Rows({"--from", at, "--to", counted[39]["utc"].toString()}, "Test/Shift");
        EXPECT_EQ(ranged, counted);

        const QJsonArray table = Rows({"--at", at}, "Test/Shift");
        ASSERT_EQ(table.size(), 9);
        qsizetype matched = 0;
        for (const QJsonValue& row : table) {
            const QString utc = row["utc"].toString();
            if (Utc(utc) <= Utc(at)) {
                continue;
            }
            EXPECT_EQ(utc, counted[matched]["utc"].toString());
            EXPECT_EQ(row["phase"], counted[matched]["phase"]);
            ++matched;
        }
        EXPECT_GE(matched, 4);
    }
}

TEST_F(PhasesListCommand, ReachesFrom1600To9999WithNothingLostAtTheEnds) {
    for (const char* year : {"1600", "9999"}) {
        SCOPED_TRACE(year);
        const QString first = QString("%1-01-01").arg(year), last = QString("%1-12-31").arg(year);
        const QJsonArray rows = Rows({"--from", first, "--to", last}, "Test/UTC");
        ASSERT_GE(rows.size(), 48);
        ASSERT_LE(rows.size(), 51);
        ExpectConsecutive(rows);
        EXPECT_TRUE(rows.first()["utc"].toString().startsWith(year));
        EXPECT_TRUE(rows.last()["utc"].toString().startsWith(year));
        // The phase after the start is the range's first; the one after its last, next year's.
        EXPECT_EQ(Rows({"--next", "--at", first}, "Test/UTC")[0], rows.first());
        const QJsonArray after =
            Rows({"--next", "--at", rows.last()["utc"].toString()}, "Test/UTC");
        EXPECT_EQ(after[0]["year"].toInt(), QString(year).toInt() + 1);
    }
    const QJsonArray beyond = Rows({"--count", "8", "--at", "9999-12-31T23:59:59Z"}, "Test/UTC");
    ASSERT_EQ(beyond.size(), 8);
    EXPECT_EQ(beyond[0]["year"].toInt(), 10000);
}

TEST_F(PhasesListCommand, TakesDatesAndLocalTimesInTheZone) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--at", "2027-01-01"}, "2026-12-31T18:30:00Z"},
        {{"--at", "2027-01-01T18:00"}, "2027-01-01T12:30:00Z"},
        {{"--at", "2027-01-01T18:00:30"}, "2027-01-01T12:30:30Z"},
        {{"--at", "2027-01-01T18:00+01:00"}, "2027-01-01T17:00:00Z"},
    };
    for (const auto& [arguments, now] : cases) {
        const QJsonDocument json =
            RunJson(arguments + QStringList{"--next", "--zone", "Test/Kolkata"}, Variables());
        EXPECT_EQ(json["now"].toString(), now) << arguments.join(' ').toStdString();
    }
    // 2:30 comes twice as the clocks go back: the first is meant.
    const QJsonDocument fold =
        RunJson({"--at", "2027-10-31T02:30", "--next", "--zone", "Test/Europe"}, Variables());
    EXPECT_EQ(fold["now"].toString(), "2027-10-31T00:30:00Z");
}

// The next phase and how long until it, rounded up to the minute: the full moon of 24 December
// 2026 at 1:29 UT, 2:29 in central Europe, after the first quarter of the 17th at 5:43 UT.
TEST_F(PhasesListCommand, NextSaysHowLongUntilThePhase) {
    const std::pair<const char*, const char*> cases[] = {
        {"2026-12-18T21:29:00Z", "in 5 d 4 h"},     {"2026-12-18T21:28:30Z", "in 5 d 4 h"},
        {"2026-12-18T21:30:00Z", "in 5 d 3 h"},     {"2026-12-23T01:29:30Z", "in 1 d 0 h"},
        {"2026-12-23T01:30:00Z", "in 23 h 59 min"}, {"2026-12-24T00:29:00Z", "in 1 h 0 min"},
        {"2026-12-24T00:30:00Z", "in 59 min"},      {"2026-12-24T01:28:59Z", "in 1 min"},
    };
    for (const auto& [at, until] : cases) {
        const Outcome run = Run({"--next", "--at", at});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(),
                  std::string("Full Moon  2026-12-24  2:29  ") + until + "\n")
            << at;
    }
    // Strictly after: at the phase's own minute, the next one.
    EXPECT_TRUE(Run({"--next", "--at", "2026-12-24T01:29:00Z"}).out.startsWith("Last Quarter  "));
    const QJsonDocument json =
        RunJson({"--next", "--at", "2026-12-18T21:28:30Z", "--zone", "Test/Europe"}, Variables());
    EXPECT_EQ(json["until"]["minutes"].toInt(), 5 * 1440 + 4 * 60 + 1);
    EXPECT_EQ(json["until"]["text"].toString().toStdString(), "5 d 4 h");
    EXPECT_EQ(json["rows"][0]["local"].toString().toStdString(), "2026-12-24T02:29+01:00");
}

TEST_F(PhasesListCommand, RefusesWhatCannotBeDoneWithOneLineAndNothingElse) {
    const std::pair<QStringList, QString> cases[] = {
        {{"--at", "2027-03-28T02:30"},
         "invalid instant '2027-03-28T02:30': no such local time in Test/Europe: a change of "
         "offset skips it"},
        {{"--from", "2027-03-28T02:00", "--to", "2027-04-01"},
         "invalid date '2027-03-28T02:00' for --from: no such local time"},
        {{"--from", "2027-03-01", "--to", "2027-03-28T02:59:59"},
         "invalid date '2027-03-28T02:59:59' for --to: no such local time"},
        {{"--from", "2027-02-01", "--to", "2027-01-31"},
         "the range is empty: --from 2027-02-01 lies after --to 2027-01-31"},
        {{"--from", "2027-02-01T12:00:00Z", "--to", "2027-02-01T11:59:59Z"}, "the range is empty"},
        {{"--next", "--ics", "--at", "9999-12-31T23:59:59Z"},
         "a phase falls after the year 9999, which an iCalendar file cannot hold"},
        {{"--at", "10000-01-01"}, "invalid instant '10000-01-01': expected"},
        // Whatever an argument holds, the error stays one line and steers no terminal.
        {{"x\ny"}, "unexpected argument 'x\\ny'"},
        {{"--at", "\x1b[2J\r\a\b"}, "invalid instant '\\x1B[2J\\r\\x07\\x08': expected"},
        {{"--\xc2\x9b"
          "31m"},
         "unknown option --\\xC2\\x9B31m"},
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome run = Run(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.startsWith("tidewell-phases: " + message)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1);
        EXPECT_TRUE(run.err.endsWith('\n'));
    }
    // A range may hold no phase at all.
    const Outcome empty = Run({"--from", "2027-01-02", "--to", "2027-01-02"});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_TRUE(empty.out.isEmpty());
}

}  // namespace
