// The tidewell-phases program as a user runs it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <filesystem>
#include <string>

#include "tests/cli/RunPhases.h"
#include "tidewell/Version.h"

namespace {

using clitest::Outcome;
using clitest::RunPhases;
using clitest::RunProgram;

TEST(PhasesCommand, RefusesBadArgumentsWithOneLineNamingTheProblemAndStatusTwo) {
    const std::pair<QStringList, QString> cases[] = {
        {{"--at"}, "option --at needs a value"},
        {{"--at", "--json"}, "option --at needs a value"},
        {{"--zone"}, "option --zone needs a value"},
        {{"--at", "garbage"}, "invalid instant 'garbage': expected"},
        {{"--zone", "Nowhere/Bogus"}, "unknown time zone 'Nowhere/Bogus'"},
        {{"--zone", "../../../etc/passwd"}, "unknown time zone"},
        // Read east of UT by the eye and west by TZ: not a name, whichever way it is meant.
        {{"--zone", "UTC+05:00"},
         "unknown time zone 'UTC+05:00': --zone takes a name of the time-zone database"},
        {{"--zone", "/usr/share/zoneinfo/Europe/Berlin"}, "unknown time zone"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"-x"}, "unknown option -x"},
        {{"--json=yes"}, "option --json takes no value"},
        {{"stray"}, "unexpected argument 'stray'"},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome run = RunPhases(arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.startsWith("tidewell-phases: " + message)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith('\n'));
    }
}

TEST(PhasesCommand, PrintsTheWholeTableInLocalTime) {
    const Outcome run = RunPhases({"--at", "2009-10-20T12:00:00Z", "--zone", "Europe/Berlin"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(),
              "New Moon       2009-10-18   7:32\n"
              "First Quarter  2009-10-26   1:41\n"
              "Full Moon      2009-11-02  20:15\n"
              "Last Quarter   2009-11-09  16:57\n"
              "New Moon       2009-11-16  20:14\n"
              "First Quarter  2009-11-24  22:38\n"
              "Full Moon      2009-12-02   8:32\n"
              "Last Quarter   2009-12-09   1:15\n"
              "New Moon       2009-12-16  13:03\n");
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(PhasesCommand, JsonIsOneObjectOnOneLine) {
    const Outcome run =
        RunPhases({"--json", "--at", "2009-10-20T14:00:00+02:00", "--zone", "Europe/Berlin"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.count('\n'), 1);
    EXPECT_TRUE(run.out.startsWith(R"({"now":"2009-10-20T12:00:00Z","zone":"Europe/Berlin",)"
                                   R"("status":"daylight","rows":[{"year":2009,"month":10,)"
                                   R"("day":18,"hour":7,"minute":32,"fraction":0,)"
                                   R"("phase":"New Moon","utc":"2009-10-18T05:32:00Z",)"
                                   R"("local":"2009-10-18T07:32+02:00","offset":120},)"))
        << run.out.toStdString();
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonArray rows = object["rows"].toArray();
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[7]["fraction"].toDouble(), 0.75);
    EXPECT_EQ(rows[8]["fraction"].toDouble(), 1.0);  // the lunation's end
    EXPECT_EQ(rows[8]["phase"].toString(), "New Moon");
}

TEST(PhasesCommand, StatusAndZoneFollowTzUnlessZoneIsGiven) {
    struct Case {
        QStringList arguments;
        const char *tz, *zone, *status;
    };
    const char* winter = "2009-12-20T12:00:00Z";
    const Case cases[] = {
        {{"--at=2009-10-20T12:00:00Z"}, "Asia/Tokyo", "Asia/Tokyo", "unknown"},
        {{"--at", winter}, "Europe/Berlin", "Europe/Berlin", "standard"},
        {{"--at", winter}, "Nowhere/Bogus", "Nowhere/Bogus", "invalid"},
        {{"--at", winter, "--zone=Australia/Sydney"},
         "Europe/Berlin",
         "Australia/Sydney",
         "daylight"},
    };
    for (const Case& c : cases) {
        const Outcome run = RunPhases(c.arguments + QStringList{"--json"}, c.tz);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonDocument json = QJsonDocument::fromJson(run.out.toUtf8());
        EXPECT_EQ(json["zone"].toString().toStdString(), c.zone);
        EXPECT_EQ(json["status"].toString().toStdString(), c.status);
    }
}

// TZ in the forms the C library reads gives the rows of the zone it stands for: a zone file's
// path with or without the colon, a POSIX rule (offsets west of UT), the machine's own zone
// file by its path.
TEST(PhasesCommand, EveryFormOfTzGivesTheRowsOfItsZone) {
    const struct {
        const char* tz;
        QStringList same;  // the arguments that give the same rows
        const char* sameTz;
    } cases[] = {
        {"/usr/share/zoneinfo/Europe/Berlin", {"--zone", "Europe/Berlin"}, "UTC"},
        {":/usr/share/zoneinfo/America/New_York", {"--zone", "America/New_York"}, "UTC"},
        {"UTC+05:00", {"--zone", "Etc/GMT+5"}, "UTC"},
        {"UTC-3", {"--zone", "Etc/GMT-3"}, "UTC"},
        {"<+0530>-5:30", {"--zone", "Asia/Kolkata"}, "UTC"},
        {"/etc/localtime", {}, nullptr},
        {":/etc/localtime", {}, nullptr},
    };
    for (const char* at : {"2009-01-20T12:00:00Z", "2009-07-20T12:00:00Z"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string("TZ=") + c.tz + " at " + at);
            const Outcome form = RunPhases({"--at", at}, c.tz);
            const Outcome same = RunPhases(QStringList{"--at", at} + c.same, c.sameTz);
            ASSERT_EQ(form.exitCode, 0) << form.err.toStdString();
            EXPECT_EQ(form.out.toStdString(), same.out.toStdString());
            EXPECT_FALSE(form.out.isEmpty());
        }
    }
}

// A machine whose /etc/localtime is a copy of a zone (not a link) and whose /etc/timezone is
// stale, named another zone: with TZ unset, or naming /etc/localtime, the rows are those of
// the zone the copy holds, as the C library reads it. The machine is made in a private mount
// namespace, where /etc is a copy of the real one; the real /etc stays as it is.
TEST(PhasesCommand, AMachineZoneFileThatIsACopyGivesTheRowsOfItsZone) {
    // Root needs no user namespace of its own. (Inside a chroot neither is allowed.)
    const QString namespaces = geteuid() == 0 ? "-m" : "-rm";
    if (RunProgram("unshare", {namespaces, "true"}, nullptr).exitCode != 0) {
        GTEST_SKIP() << "no private mount namespace here (unshare " << namespaces.toStdString()
                     << ")";
    }
    const char* script = R"sh(
        etc=${TW_SANDBOX:?}/etc && mkdir -p "$etc" || exit 3
        mount --bind /etc "$etc" && mount -t tmpfs tmpfs /etc || exit 3
        cp -a "$etc"/. /etc/ 2>/dev/null
        rm -f /etc/localtime && cp /usr/share/zoneinfo/Europe/Berlin /etc/localtime || exit 3
        echo America/New_York >/etc/timezone
        if [ "$1" = unset ]; then unset TZ; else export TZ="$1"; fi
        shift
        exec "$0" "$@")sh";
    const QStringList at{"--at", "2009-07-20T12:00:00Z"};
    const Outcome berlin = RunPhases(at + QStringList{"--zone", "Europe/Berlin"}, "UTC");
    for (const char* tz : {"unset", "/etc/localtime", ":/etc/localtime"}) {
        SCOPED_TRACE(tz);
        const QStringList command{namespaces, "sh", "-c", script, TIDEWELL_PHASES, tz};
        const Outcome text = RunProgram("unshare", command + at, "UTC");
        ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
        EXPECT_EQ(text.out.toStdString(), berlin.out.toStdString());
        const Outcome json = RunProgram("unshare", command + at + QStringList{"--json"}, "UTC");
        EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8())["zone"].toString(), "/etc/localtime");
    }
}

// TZ may hold any bytes; the JSON output names the zone in valid UTF-8 all the same.
TEST(PhasesCommand, JsonStaysValidForATzThatIsNotUtf8) {
    const Outcome run = RunProgram(
        "/bin/sh", {"-c", R"sh(TZ="$(printf 'Z\377\376one')" exec "$0" --json)sh", TIDEWELL_PHASES},
        nullptr);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    EXPECT_EQ(json["zone"].toString(), QString::fromUtf8("Z\uFFFD\uFFFDone"));
}

// The system clock set outside the years that a count of nanoseconds since 1970 holds (a
// wrong real-time clock): the table is that of the clock's date, not of a date wrapped round.
TEST(PhasesCommand, FollowsASystemClockOfAnyYear) {
    std::string library;
    for (const char* folder :
         {"/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib"}) {
        const std::string path = std::string(folder) + "/faketime/libfaketime.so.1";
        if (std::filesystem::exists(path)) {
            library = path;
        }
    }
    ASSERT_FALSE(library.empty()) << "libfaketime is not installed";
    for (const char* year : {"1600", "2300", "9999"}) {
        const Outcome run = RunProgram(TIDEWELL_PHASES, {"--json"}, "UTC",
                                       {"LD_PRELOAD=" + QString::fromStdString(library),
                                        QString("FAKETIME=@%1-06-15 12:00:00").arg(year)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonDocument json = QJsonDocument::fromJson(run.out.toUtf8());
        EXPECT_EQ(json["now"].toString(), QString("%1-06-15T12:00:00Z").arg(year));
        EXPECT_EQ(json["rows"][4]["year"].toInt(), QString(year).toInt()) << run.out.toStdString();
    }
}

// Which row leads is the phase strip's own rule, tested with it; here, that the program
// applies it on the local date of --at: the full moon of 2 November falls at 20:15 in Berlin,
// so it leads until that day ends.
TEST(PhasesCommand, ShownGivesTheWindowsFourRowsFromTheLocalDate) {
    const std::pair<const char*, const char*> cases[] = {
        {"2009-11-02T22:59:59Z", "Full Moon      2009-11-02"},
        {"2009-11-02T23:00:00Z", "Last Quarter   2009-11-09"},
    };
    for (const auto& [at, first] : cases) {
        const Outcome run = RunPhases({"--shown", "--at", at, "--zone", "Europe/Berlin"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 4) << at;
        EXPECT_TRUE(lines[0].startsWith(first)) << lines[0].toStdString();
    }
}

TEST(PhasesCommand, HelpAndVersionGoToStandardOutput) {
    const Outcome version = RunPhases({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.toStdString(),
              std::string("tidewell-phases ") + tidewell::kVersion + "\n");
    const Outcome help = RunPhases({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: tidewell-phases")) << help.out.toStdString();
    EXPECT_TRUE(help.err.isEmpty());
}

}  // namespace
