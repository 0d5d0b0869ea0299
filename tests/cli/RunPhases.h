// Running tidewell-phases as a user does, for the tests of the program as a whole.
#pragma once

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace clitest {

struct Outcome {
    int exitCode = -1;  // -1 when the program did not end normally
    QString out;
    QString err;
    QByteArray outBytes;  // as written, for the line ends of the calendar
};

// Runs the program (or a command that starts it) with TZ set as given, or unset for nullptr,
// and the other variables given, and returns what it said.
inline Outcome RunProgram(const QString& program, const QStringList& arguments, const char* tz,
                          const QStringList& variables = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (tz != nullptr) {
        environment.insert("TZ", tz);
    } else {
        environment.remove("TZ");
    }
    for (const QString& variable : variables) {
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    }
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << "tidewell-phases did not end";
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(out), QString::fromUtf8(process.readAllStandardError()), out};
}

inline Outcome RunPhases(const QStringList& arguments, const char* tz = "Europe/London",
                         const QStringList& variables = {}) {
    return RunProgram(TIDEWELL_PHASES, arguments, tz, variables);
}

// The JSON output of a run that must succeed.
inline QJsonDocument RunJson(const QStringList& arguments, const QStringList& variables = {}) {
    const Outcome run = RunPhases(arguments + QStringList{"--json"}, "UTC", variables);
    EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << ": "
                               << run.err.toStdString();
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return json;
}

}  // namespace clitest
