// What tells a user about tidewell-phases: --help, the manual page and the completion of bash.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <memory>

#include "tests/cli/RunPhases.h"
#include "tests/platform/clock/ZoneFiles.h"

namespace {

using clitest::Outcome;
using clitest::RunPhases;
using clitest::RunProgram;

const QString kManual = QString(TIDEWELL_PHASES_SOURCES) + "/tidewell-phases.1";
const QString kCompletion = QString(TIDEWELL_PHASES_SOURCES) + "/tidewell-phases.bash";

QString ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The long options that a text names, written as it writes them ("--at" or "\-\-at").
QSet<QString> OptionsIn(const QString& text, const QString& dashes) {
    QSet<QString> options;
    const QRegularExpression option(QRegularExpression::escape(dashes) + "([a-z]+)");
    for (const QRegularExpressionMatch& match : option.globalMatch(text)) {
        options.insert("--" + match.captured(1));
    }
    return options;
}

TEST(PhasesDocs, TheManualPageRendersWithoutWarnings) {
    const Outcome groff = RunProgram("groff", {"-man", "-Tutf8", "-ww", "-z", kManual}, "UTC");
    EXPECT_EQ(groff.exitCode, 0);
    EXPECT_TRUE(groff.err.isEmpty()) << groff.err.toStdString();
}

// Each option that --help lists is one the program takes, and the manual page documents it;
// and the manual page documents no option that --help does not list.
TEST(PhasesDocs, HelpAndTheManualPageNameEveryOption) {
    const Outcome help = RunPhases({"--help"});
    const QSet<QString> listed = OptionsIn(help.out, "--");
    const QSet<QString> documented = OptionsIn(ReadFile(kManual), "\\-\\-");
    EXPECT_GE(listed.size(), 11);
    EXPECT_EQ(listed, documented);
    for (const QString& option : listed) {
        const Outcome run = RunPhases({option});
        EXPECT_FALSE(run.err.contains("unknown option")) << option.toStdString();
    }
    // Each option's lines show it at work (--from and --to share theirs).
    for (const QString& block : help.out.split(QRegularExpression("\n(?=  --)"))) {
        if (!block.startsWith("  --") || block.startsWith("  --help") ||
            block.startsWith("  --version") || block.startsWith("  --from")) {
            continue;
        }
        EXPECT_TRUE(block.contains("e.g.")) << block.toStdString();
    }
}

class PhasesCompletion : public testing::Test {
protected:
    static void SetUpTestSuite() {
        zones_ = std::make_unique<clocktest::ZoneFiles>();
        ASSERT_TRUE(zones_->Compile(
            "Zone Test/Lord_Howe 10:30 - +1030\nZone Test/London 0 - GMT\nZone Other/One 1 - +01\n"
            "Link Test/London Test/Londinium\n"));
        listed_ = std::make_unique<clocktest::ZoneFiles>();
        listed_->Write("tzdata.zi",
                       "# version test\nR X 2000 o - Ja 1 0 0 -\nZ Listed/Zone 1 - +01\n"
                       "L Listed/Zone Listed/Link\n");
    }
    static void TearDownTestSuite() {
        zones_.reset();
        listed_.reset();
    }

    // What the completion offers for the command line, the word being completed last; bash
    // splits "--zone=x" into "--zone", "=" and "x" as COMP_WORDBREAKS says.
    static QStringList Complete(const QStringList& words, const std::string& folder) {
        const char* script = R"sh(
            source "$1" || exit 3
            shift
            COMP_WORDS=("$@")
            COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
            _tidewell_phases
            printf '%s\n' "${COMPREPLY[@]}")sh";
        const Outcome run =
            RunProgram("bash", QStringList{"-c", script, "bash", kCompletion} + words, "UTC",
                       {"TZDIR=" + QString::fromStdString(folder)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QStringList offered = run.out.split('\n', Qt::SkipEmptyParts);
        offered.sort();
        return offered;
    }

    static std::unique_ptr<clocktest::ZoneFiles> zones_;
    static std::unique_ptr<clocktest::ZoneFiles> listed_;
};
std::unique_ptr<clocktest::ZoneFiles> PhasesCompletion::zones_;
std::unique_ptr<clocktest::ZoneFiles> PhasesCompletion::listed_;

TEST_F(PhasesCompletion, OffersTheOptionsAndTheZoneNames) {
    const std::string zones = zones_->Folder(), listed = listed_->Folder();
    const struct {
        QStringList words;
        std::string folder;
        QStringList offered;
    } cases[] = {
        {{"tidewell-phases", "--n"}, zones, {"--next"}},
        {{"tidewell-phases", "--j"}, zones, {"--json"}},
        {{"tidewell-phases", "--next", "--i"}, zones, {"--ics"}},
        {{"tidewell-phases", "--zone", "Test/Lo"},
         zones,
         {"Test/Londinium", "Test/London", "Test/Lord_Howe"}},
        {{"tidewell-phases", "--zone", ""},
         zones,
         {"Other/One", "Test/Londinium", "Test/London", "Test/Lord_Howe"}},
        {{"tidewell-phases", "--zone", "=", "Test/Lor"}, zones, {"Test/Lord_Howe"}},
        {{"tidewell-phases", "--zone=Test/Lor"}, zones, {"--zone=Test/Lord_Howe"}},
        {{"tidewell-phases", "--zone", "Nowhere"}, zones, {}},
        {{"tidewell-phases", "--zone", ""}, listed, {"Listed/Link", "Listed/Zone"}},
        {{"tidewell-phases", "--count", ""}, zones, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Complete(c.words, c.folder), c.offered) << c.words.join(' ').toStdString();
    }
    const QStringList all = Complete({"tidewell-phases", "--"}, zones);
    const QSet<QString> help = OptionsIn(RunPhases({"--help"}).out, "--");
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()), help);
}

}  // namespace
