// The watch that spares the zone source a look at /etc/localtime on every call.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/clock/FolderWatch.h"

namespace {

namespace fs = std::filesystem;

TEST(FolderWatch, ReportsEachKindOfReplacementOnceAndOnlyThen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path folder = dir.path().toStdString();
    std::ofstream(folder / "zone") << "first";
    platform::FolderWatch watch(folder.c_str());
    EXPECT_FALSE(watch.Changed());

    // The ways a machine's zone link is replaced or rewritten.
    const std::function<void()> changes[] = {
        [&] { fs::create_symlink("/usr/share/zoneinfo/Europe/Berlin", folder / "link.new"); },
        [&] { fs::rename(folder / "link.new", folder / "localtime"); },
        [&] { std::ofstream(folder / "zone", std::ios::app) << "more"; },
        [&] { fs::last_write_time(folder / "zone", fs::file_time_type::clock::now()); },
        [&] { fs::remove(folder / "localtime"); },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        changes[i]();
        EXPECT_TRUE(watch.Changed()) << "change " << i;
        EXPECT_FALSE(watch.Changed()) << "change " << i << ", asked again";
    }
}

TEST(FolderWatch, AFolderThatCannotBeWatchedAlwaysCountsAsChanged) {
    platform::FolderWatch watch("/nonexistent/folder");
    EXPECT_TRUE(watch.Changed());
    EXPECT_TRUE(watch.Changed());
}

}  // namespace
