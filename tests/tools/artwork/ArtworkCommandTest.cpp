#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "tools/artwork/ArtworkCommand.h"

namespace artwork {
namespace {

struct Outcome {
    int status;
    std::string errors;
};

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream errors;
    const int status = runArtworkCommand(args, errors);
    return {status, errors.str()};
}

struct WriteCase {
    const char* name;
    std::vector<std::string> args;  // the output file is appended
    const char* format;
    QSize size;
};

class WritesItsFile : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WritesItsFile, ReadableAndNothingLeftBeside) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("out");
    std::vector<std::string> args = GetParam().args;
    args.push_back(path.toStdString());
    const Outcome outcome = run(args);
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(outcome.errors, "");
    const QImage image(path, GetParam().format);
    EXPECT_EQ(image.size(), GetParam().size);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"out"}));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, WritesItsFile,
    ::testing::Values(WriteCase{"MoonNorth", {"moon", "0", "north"}, "BMP", {120, 120}},
                      WriteCase{"MoonSouth", {"moon", "3", "south"}, "BMP", {120, 120}},
                      WriteCase{"Icon", {"icon"}, "ICO", {32, 32}},
                      WriteCase{"IconPng", {"icon-png", "64"}, "PNG", {64, 64}},
                      WriteCase{"Night", {"night"}, "BMP", {400, 420}}),
    caseName<WriteCase>);

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    std::string says;
};

class RefusesWithUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(RefusesWithUsage, ExitsWith2AndExplains) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "OUT") {
            arg = dir.filePath("out").toStdString();
        }
    }
    const Outcome outcome = run(args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.errors.find(GetParam().says), std::string::npos) << outcome.errors;
    EXPECT_NE(outcome.errors.find("usage:"), std::string::npos) << outcome.errors;
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "nothing is written after a wrong command line";
}

INSTANTIATE_TEST_SUITE_P(
    WrongCommandLines, RefusesWithUsage,
    ::testing::Values(
        UsageCase{"Nothing", {}, "no command"},
        UsageCase{"UnknownCommand", {"sun", "OUT"}, "unknown command 'sun'"},
        UsageCase{"KindTooLarge", {"moon", "4", "north", "OUT"}, "phase kind"},
        UsageCase{"KindNegative", {"moon", "-1", "north", "OUT"}, "phase kind"},
        UsageCase{"KindTrailingText", {"moon", "1x", "north", "OUT"}, "phase kind"},
        UsageCase{"KindEmpty", {"moon", "", "north", "OUT"}, "phase kind"},
        UsageCase{"UnknownHemisphere", {"moon", "1", "east", "OUT"}, "hemisphere"},
        UsageCase{"MoonWithoutOutput", {"moon", "1", "north"}, "moon takes"},
        UsageCase{"MoonTwoOutputs", {"moon", "1", "north", "OUT", "OUT"}, "moon takes"},
        UsageCase{"IconWithoutOutput", {"icon"}, "icon takes"},
        UsageCase{"PngTooSmall", {"icon-png", "15", "OUT"}, "icon size"},
        UsageCase{"PngTooLarge", {"icon-png", "513", "OUT"}, "icon size"},
        UsageCase{"PngSizeOverflows", {"icon-png", "99999999999", "OUT"}, "icon size"},
        UsageCase{"NightTwoOutputs", {"night", "OUT", "OUT"}, "night takes"}),
    caseName<UsageCase>);

TEST(ArtworkCommand, ReportsAnUnwritableOutputAndLeavesNoPartialFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string missingFolder = dir.filePath("no/such/folder/out.bmp").toStdString();
    Outcome outcome = run({"night", missingFolder});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("cannot create"), std::string::npos) << outcome.errors;

    // A folder where the file should go: the partial file is written, the rename fails.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken"));
    outcome = run({"icon", dir.filePath("taken").toStdString()});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("cannot rename"), std::string::npos) << outcome.errors;
    EXPECT_FALSE(QFile::exists(dir.filePath("taken.part")));
}

}  // namespace
}  // namespace artwork
