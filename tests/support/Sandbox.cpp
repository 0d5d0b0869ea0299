#include "tests/support/Sandbox.h"

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace testsupport {

namespace {

namespace fs = std::filesystem;

void Set(const char* name, const fs::path& value) {
    setenv(name, value.c_str(), 1);
}

[[noreturn]] void Refuse(const std::string& what) {
    std::fprintf(stderr, "cannot make the test sandbox: %s\n", what.c_str());
    std::exit(EXIT_FAILURE);
}

}  // namespace

Sandbox::Sandbox(const char* const* environment) : owner_(getpid()) {
    std::error_code error;
    std::string name = (fs::temp_directory_path(error) / "tidewell-test.XXXXXX").string();
    if (error || mkdtemp(name.data()) == nullptr) {
        Refuse(name + ": " + (error ? error.message() : std::strerror(errno)));
    }
    folder_ = name;
    const fs::path home = folder_ / "home";
    const fs::path config = folder_ / "config";
    const fs::path runtime = folder_ / "runtime";
    for (const fs::path& made : {home, config, runtime}) {
        if (!fs::create_directory(made, error)) {
            Refuse(made.string() + ": " + error.message());
        }
    }
    fs::permissions(runtime, fs::perms::owner_all, error);
    if (error) {
        Refuse(runtime.string() + ": " + error.message());
    }

    Set("TW_SANDBOX", folder_);
    Set("HOME", home);
    Set("XDG_CONFIG_HOME", config);
    Set("XDG_CACHE_HOME", home / ".cache");
    Set("XDG_DATA_HOME", home / ".local/share");
    Set("XDG_STATE_HOME", home / ".local/state");
    Set("XDG_RUNTIME_DIR", runtime);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const char* const* entry = environment; *entry != nullptr; ++entry) {
        const std::string assignment = *entry;
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0) {
            Refuse("the test's ENV entry '" + assignment + "' is not NAME=value");
        }
        setenv(assignment.substr(0, equals).c_str(), assignment.c_str() + equals + 1, 1);
    }
}

Sandbox::~Sandbox() {
    if (getpid() == owner_) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
}

}  // namespace testsupport
