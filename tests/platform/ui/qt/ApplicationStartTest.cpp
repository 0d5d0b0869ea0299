// How the programs start: the questions answered without a display, the choice of window
// system, and the one-line end of a program that cannot reach any display. The programs run
// as child processes, in an environment without a display unless a case gives one.
#include "platform/ui/qt/ApplicationStart.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "tidewell/Version.h"

namespace {

struct Program {
    const char* name;
    const char* path;
    const char* argumentsText;  // what its usage says of its arguments
};

const Program kPrograms[] = {
    {"TidewellPhase", TIDEWELL_PHASE, "\"south\""},
    {"TidewellAbout", TIDEWELL_ABOUT, "up to four credit lines"},
};

// A display that no test machine runs.
constexpr char kNoSuchDisplay[] = ":64999";

struct Outcome {
    bool crashed = false;
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Environment: this test's own (the sandbox) without any display or platform choice, plus
// the given NAME=VALUE entries.
QProcessEnvironment Environment(const QStringList& entries) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(u'=');
        environment.insert(entry.left(equals), entry.mid(equals + 1));
    }
    return environment;
}

Outcome RunProgram(const Program& program, const QStringList& arguments,
                   const QStringList& environment, const QString& stdoutFile = QString()) {
    QProcess process;
    process.setProcessEnvironment(Environment(environment));
    if (!stdoutFile.isEmpty()) {
        process.setStandardOutputFile(stdoutFile);
    }
    process.start(QString::fromLatin1(program.path), arguments);
    Outcome outcome;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        outcome.crashed = true;
        return outcome;
    }
    outcome.crashed = process.exitStatus() != QProcess::NormalExit;
    outcome.status = process.exitCode();
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

bool OneLine(const QByteArray& text) {
    return text.endsWith('\n') && text.count('\n') == 1;
}

TEST(ProgramStart, UsageAndVersionNeedNoDisplay) {
    // Any attempt at a window would fail here.
    const QStringList noDisplay = {QStringLiteral("QT_QPA_PLATFORM=xcb"),
                                   QStringLiteral("DISPLAY=") + kNoSuchDisplay};
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        const Outcome version = RunProgram(program, {QStringLiteral("--version")}, noDisplay);
        EXPECT_FALSE(version.crashed);
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out.toStdString(), std::string(tidewell::kVersion) + "\n");
        EXPECT_EQ(version.err.toStdString(), "");

        const Outcome help = RunProgram(program, {QStringLiteral("--help")}, noDisplay);
        EXPECT_FALSE(help.crashed);
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith(QByteArray("Usage: ") + program.name + ' '))
            << help.out.toStdString();
        EXPECT_TRUE(help.out.contains(program.argumentsText)) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains("Velmora/Tidewell.conf")) << help.out.toStdString();
        EXPECT_EQ(help.err.toStdString(), "");

        // Output that cannot be written is an error, told in one line.
        const Outcome full =
            RunProgram(program, {QStringLiteral("--help")}, noDisplay, QStringLiteral("/dev/full"));
        EXPECT_FALSE(full.crashed);
        EXPECT_EQ(full.status, 1);
        EXPECT_TRUE(OneLine(full.err)) << full.err.toStdString();
    }
}

TEST(ProgramStart, WithoutAnyDisplayTheProgramEndsWithOneLine) {
    const QString none = QStringLiteral("DISPLAY=") + kNoSuchDisplay;
    const struct {
        QStringList arguments;
        QStringList environment;
    } cases[] = {
        {{QStringLiteral("-platform"), QStringLiteral("nonexistent")}, {}},
        {{QStringLiteral("--platform"), QStringLiteral("nonexistent")}, {}},
        {{QStringLiteral("-display"), QString::fromLatin1(kNoSuchDisplay)}, {}},
        {{}, {QStringLiteral("QT_QPA_PLATFORM=nonexistent")}},
        {{}, {QStringLiteral("QT_QPA_PLATFORM=xcb"), none}},
        {{}, {}},  // no display of any kind
        {{QStringLiteral("-platform"), QStringLiteral("wayland")},
         {QStringLiteral("WAYLAND_DISPLAY=tidewell-no-such-compositor")}},
        // Not the only argument, or not the option: the arguments keep their meaning, and
        // so the program tries to show its window.
        {{QStringLiteral("--help"), QStringLiteral("x")}, {none}},
        {{QStringLiteral("--version"), QStringLiteral("--help")}, {none}},
        {{QStringLiteral("-help")}, {none}},
        {{QStringLiteral("/version")}, {none}},
    };
    for (const Program& program : kPrograms) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(program.name) + " " + c.arguments.join(u' ').toStdString() +
                         " with " + c.environment.join(u' ').toStdString());
            const Outcome outcome = RunProgram(program, c.arguments, c.environment);
            EXPECT_FALSE(outcome.crashed);
            EXPECT_EQ(outcome.status, 1);
            EXPECT_EQ(outcome.out.toStdString(), "");
            EXPECT_TRUE(OneLine(outcome.err)) << outcome.err.toStdString();
            EXPECT_TRUE(
                outcome.err.startsWith(QByteArray(program.name) + ": cannot reach any display"))
                << outcome.err.toStdString();
        }
    }
}

TEST(ProgramStart, WhatQtSaysWhileStartingIsKeptWhenItStarts) {
    // The first platform is missing, the second is there: the program runs and the warning
    // about the first is not lost.
    QProcess process;
    process.setProcessEnvironment(
        Environment({QStringLiteral("QT_QPA_PLATFORM=nonexistent;offscreen")}));
    process.setReadChannel(QProcess::StandardError);
    process.start(QString::fromLatin1(kPrograms[1].path), {});
    QByteArray err;
    while (!err.contains('\n') && process.waitForReadyRead(30000)) {
        err += process.readAllStandardError();
    }
    EXPECT_EQ(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
    EXPECT_TRUE(err.contains("\"nonexistent\"")) << err.toStdString();
}

TEST(ProgramStart, OnlyALoneHelpOrVersionIsAnswered) {
    const std::vector<std::vector<const char*>> commandLines = {
        {"p"},           {"p", "south"},         {"p", "-help"}, {"p", "/help"},
        {"p", "--HELP"}, {"p", "--help", "x"},   {"p", "help"},  {"p", "--version="},
        {"p", "-v"},     {"p", "x", "--version"}};
    for (const auto& line : commandLines) {
        std::vector<char*> argv;
        for (const char* arg : line) {
            argv.push_back(const_cast<char*>(arg));
        }
        argv.push_back(nullptr);
        EXPECT_EQ(platform::qt::AnswerQuery(static_cast<int>(line.size()), argv.data()),
                  std::nullopt)
            << line.back();
    }
}

TEST(ProgramStart, X11IsChosenWhereBothAreOfferedAndNothingWasChosen) {
    const struct {
        const char* platform;  // QT_QPA_PLATFORM; null: unset
        const char* display;
        const char* wayland;
        std::vector<const char*> arguments;
        const char* chosen;  // null: left to Qt
    } cases[] = {
        {nullptr, ":1", "wayland-1", {}, "xcb;wayland"},
        {nullptr, ":1", "wayland-1", {"south"}, "xcb;wayland"},
        {"", ":1", "wayland-1", {}, "xcb;wayland"},
        {nullptr, ":1", nullptr, {}, nullptr},
        {nullptr, nullptr, "wayland-1", {}, nullptr},
        {"wayland", ":1", "wayland-1", {}, "wayland"},
        {nullptr, ":1", "wayland-1", {"-platform", "wayland"}, nullptr},
        {nullptr, ":1", "wayland-1", {"--platform", "wayland"}, nullptr},
        {nullptr, ":1", "wayland-1", {"-platform"}, "xcb;wayland"},  // no value: no choice
        {nullptr, nullptr, "wayland-1", {"-display", ":2"}, "xcb"},
    };
    const char* const names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    std::vector<std::optional<QByteArray>> saved;
    for (const char* name : names) {
        saved.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                        : std::nullopt);
    }
    const auto set = [](const char* name, const char* value) {
        if (value == nullptr) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    };
    for (const auto& c : cases) {
        set("QT_QPA_PLATFORM", c.platform);
        set("DISPLAY", c.display);
        set("WAYLAND_DISPLAY", c.wayland);
        std::vector<char*> argv = {const_cast<char*>("p")};
        for (const char* arg : c.arguments) {
            argv.push_back(const_cast<char*>(arg));
        }
        argv.push_back(nullptr);
        platform::qt::ChooseWindowSystem(static_cast<int>(argv.size()) - 1, argv.data());
        const std::optional<QByteArray> chosen =
            qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                ? std::optional<QByteArray>(qgetenv("QT_QPA_PLATFORM"))
                : std::nullopt;
        const QByteArray before = c.platform == nullptr ? QByteArray() : QByteArray(c.platform);
        const QByteArray want = c.chosen == nullptr ? before : QByteArray(c.chosen);
        EXPECT_EQ(chosen.value_or(QByteArray()).toStdString(), want.toStdString())
            << (c.display ? c.display : "-") << " " << (c.wayland ? c.wayland : "-") << " "
            << c.arguments.size();
    }
    for (std::size_t i = 0; i < saved.size(); ++i) {
        set(names[i], saved[i] ? saved[i]->constData() : nullptr);
    }
}

}  // namespace
