// The build's artwork command: each kind of file written whole, wrong command lines refused
// before anything is written, and write failures reported.
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

// Runs the command with every argument "OUT" replaced by the file out in dir.
Outcome RunCommand(std::vector<std::string> args, const QTemporaryDir& dir) {
    for (std::string& arg : args) {
        if (arg == "OUT") {
            arg = dir.filePath("out").toStdString();
        }
    }
    std::ostringstream errors;
    const int status = RunArtworkCommand(args, errors);
    return {status, errors.str()};
}

TEST(ArtworkCommand, WritesEachKindReadableWithNothingLeftBeside) {
    const struct {
        std::vector<std::string> args;
        const char* format;
        QSize size;
        int pixelsPerMeter;  // 0: not checked
    } cases[] = {
        {{"moon", "3", "south", "OUT"}, "BMP", {120, 120}, 2835},
        {{"icon", "32", "OUT"}, "BMP", {32, 32}, 0},
        {{"icon", "64", "OUT"}, "BMP", {64, 64}, 0},
        {{"icon-png", "crescent", "64", "OUT"}, "PNG", {64, 64}, 0},
        {{"icon-png", "credits", "22", "OUT"}, "PNG", {22, 22}, 0},
        {{"icon-svg", "credits", "OUT"}, "SVG", {256, 256}, 0},
        {{"night", "OUT"}, "BMP", {400, 420}, 7874},
        // The drawings for denser screens: the same physical size, more pixels.
        {{"moon", "0", "north", "2", "OUT"}, "BMP", {240, 240}, 2 * 2835},
        {{"moon", "2", "south", "3", "OUT"}, "BMP", {360, 360}, 3 * 2835},
        {{"night", "1", "OUT"}, "BMP", {400, 420}, 7874},
        {{"night", "2", "OUT"}, "BMP", {800, 840}, 2 * 7874},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        QTemporaryDir dir;
        const Outcome outcome = RunCommand(c.args, dir);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.errors, "");
        const QImage image(dir.filePath("out"), c.format);
        EXPECT_EQ(image.size(), c.size);
        if (c.pixelsPerMeter != 0) {
            EXPECT_NEAR(image.dotsPerMeterX(), c.pixelsPerMeter, 1);
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"out"}));
    }
}

TEST(ArtworkCommand, RefusesAWrongCommandLineWith2AndUsage) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no command"},
        {{"sun", "OUT"}, "unknown command 'sun'"},
        {{"moon", "4", "north", "OUT"}, "phase kind"},
        {{"moon", "1x", "north", "OUT"}, "phase kind"},
        {{"moon", "1", "east", "OUT"}, "hemisphere"},
        {{"moon", "1", "north"}, "moon takes"},
        {{"icon", "OUT"}, "icon takes"},
        {{"icon", "24", "OUT"}, "icon size must be 16, 32, 48 or 64, not '24'"},
        {{"icon", "128", "OUT"}, "icon size must be"},
        {{"icon-png", "64", "OUT"}, "icon-png takes"},
        {{"icon-png", "sun", "64", "OUT"}, "icon must be crescent or credits, not 'sun'"},
        {{"icon-png", "crescent", "15", "OUT"}, "icon size"},
        {{"icon-png", "credits", "99999999999", "OUT"}, "icon size"},
        {{"icon-svg", "crescent"}, "icon-svg takes"},
        {{"moon", "1", "north", "4", "OUT"}, "scale must be"},
        {{"moon", "1", "north", "2x", "OUT"}, "scale must be"},
        {{"moon", "1", "north", "2", "OUT", "OUT"}, "moon takes"},
        {{"night", "0", "OUT"}, "scale must be"},
        {{"night", "OUT", "OUT"}, "scale must be"},
        {{"night", "2", "OUT", "OUT"}, "night takes"},
    };
    for (const auto& [args, says] : cases) {
        SCOPED_TRACE(says);
        QTemporaryDir dir;
        const Outcome outcome = RunCommand(args, dir);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_NE(outcome.errors.find(says), std::string::npos) << outcome.errors;
        EXPECT_NE(outcome.errors.find("usage:"), std::string::npos) << outcome.errors;
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "nothing is written after a wrong command line";
    }
}

TEST(ArtworkCommand, ReportsAnUnwritableOutputAndLeavesNoPartialFile) {
    QTemporaryDir dir;
    Outcome outcome =
        RunCommand({"night", dir.filePath("no/such/folder/out.bmp").toStdString()}, dir);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("cannot create"), std::string::npos) << outcome.errors;

    // A folder where the file should go: the partial file is written, the rename fails.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken"));
    outcome = RunCommand({"icon", "16", dir.filePath("taken").toStdString()}, dir);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("cannot rename"), std::string::npos) << outcome.errors;
    EXPECT_FALSE(QFile::exists(dir.filePath("taken.part")));
}

}  // namespace
}  // namespace artwork
