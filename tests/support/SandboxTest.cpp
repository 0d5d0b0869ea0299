// The sandbox of the test processes: where it points the user's folders, the runtime folder's
// mode, the test's ENV on top (values with "=", quotes and backslashes intact), and a sandbox
// of each process's own that is gone when the process ends.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "(unset)";
}

TEST(Sandbox, PointsTheUsersFoldersIntoAFreshFolder) {
    const fs::path sandbox = Env("TW_SANDBOX");
    ASSERT_TRUE(fs::is_directory(sandbox)) << sandbox;
    EXPECT_TRUE(fs::equivalent(sandbox.parent_path(), fs::temp_directory_path())) << sandbox;
    const struct {
        const char* variable;
        const char* folder;
    } kCases[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "config"},
        {"XDG_RUNTIME_DIR", "runtime"},
        {"XDG_CACHE_HOME", "home/.cache"},
        {"XDG_DATA_HOME", "home/.local/share"},
        {"XDG_STATE_HOME", "home/.local/state"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Env(c.variable), (sandbox / c.folder).string()) << c.variable;
    }
    for (const char* made : {"home", "config", "runtime"}) {
        EXPECT_TRUE(fs::is_directory(sandbox / made)) << made;
        EXPECT_TRUE(fs::is_empty(sandbox / made)) << made;
    }
    struct stat runtime {};
    ASSERT_EQ(stat((sandbox / "runtime").c_str(), &runtime), 0);
    EXPECT_EQ(runtime.st_mode & 0777, 0700u);
}

TEST(Sandbox, TheTestsEnvironmentComesOnTop) {
    const struct {
        const char* variable;
        const char* value;
    } kCases[] = {
        {"QT_QPA_PLATFORM", "minimal"},  // instead of the sandbox's offscreen
        {"TW_SANDBOX_EQUALS", "a=b"},
        {"TW_SANDBOX_QUOTED", R"(say "hi" \ there)"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Env(c.variable), c.value) << c.variable;
    }
}

// The second half of the next test, in a process of its own; as a case of its own it does
// nothing.
TEST(Sandbox, ChildReportsItsFolder) {
    const char* report = std::getenv("TW_SANDBOX_REPORT");
    if (report != nullptr) {
        std::ofstream(report) << Env("TW_SANDBOX");
    }
}

TEST(Sandbox, EachProcessHasItsOwnAndItGoesWhenTheProcessEnds) {
    const fs::path sandbox = Env("TW_SANDBOX");
    const fs::path report = sandbox / "child-sandbox.txt";
    setenv("TW_SANDBOX_REPORT", report.c_str(), 1);
    const std::string command = "'" + fs::read_symlink("/proc/self/exe").string() +
                                "' --gtest_filter=Sandbox.ChildReportsItsFolder >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    unsetenv("TW_SANDBOX_REPORT");

    std::string child;
    std::getline(std::ifstream(report), child);
    ASSERT_FALSE(child.empty());
    EXPECT_NE(fs::path(child), sandbox);
    EXPECT_EQ(fs::path(child).parent_path(), sandbox.parent_path());
    EXPECT_FALSE(fs::exists(child)) << child;
}

}  // namespace
