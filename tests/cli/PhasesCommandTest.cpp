// The tidewell-phases program as a user runs it.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <string>

#include "tidewell/Version.h"

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program with TZ set as given and returns what it said.
Outcome RunPhases(const QStringList& arguments, const char* tz = "Europe/London") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TZ", tz);
    process.setProcessEnvironment(environment);
    process.start(TIDEWELL_PHASES, arguments);
    EXPECT_TRUE(process.waitForFinished(10000)) << "tidewell-phases did not end";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(PhasesCommand, RefusesBadArgumentsWithOneLineNamingTheProblemAndStatusTwo) {
    const std::pair<QStringList, QString> cases[] = {
        {{"--at"}, "option --at needs a value"},
        {{"--at", "--json"}, "option --at needs a value"},
        {{"--zone"}, "option --zone needs a value"},
        {{"--at", "garbage"}, "invalid instant 'garbage': expected"},
        {{"--zone", "Nowhere/Bogus"}, "unknown time zone 'Nowhere/Bogus'"},
        {{"--zone", "../../../etc/passwd"}, "unknown time zone"},
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
                                   R"("phase":"New Moon"},)"))
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
