// The sandbox every test process runs in, made by the tests' main() before anything else: a
// fresh temporary folder of the process's own with empty configuration, runtime and home
// folders. No test reads or writes the real user's settings (~/.config/Velmora), runtime
// files ($XDG_RUNTIME_DIR/tidewell) or caches, whether CTest runs it or someone runs the test
// program by hand, and test cases running in parallel never see each other's files.
#pragma once

#include <sys/types.h>
#include <filesystem>

namespace testsupport {

// The ENV of the test executable (tw_add_test), "NAME=value" each, ending with a null
// pointer; tw_add_test writes it into every test executable.
extern const char* const kTestEnvironment[];

class Sandbox {
public:
    // Makes the folder and sets, in this order: TW_SANDBOX (the folder, for the test's own
    // scratch files), HOME, XDG_CONFIG_HOME, XDG_CACHE_HOME, XDG_DATA_HOME, XDG_STATE_HOME,
    // XDG_RUNTIME_DIR (mode 0700: a runtime folder open to others is refused, as it must be)
    // and QT_QPA_PLATFORM=offscreen; then each of environment, which may override any of
    // them. Ends the process when the folder cannot be made.
    explicit Sandbox(const char* const* environment);
    // Removes the folder with everything in it, in the process that made it only.
    ~Sandbox();

    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

private:
    std::filesystem::path folder_;
    pid_t owner_;
};

}  // namespace testsupport
