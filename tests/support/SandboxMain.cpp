// main() of every test executable (tw_add_test): first the sandbox, then GoogleTest. Whatever
// else a test needs before its first case (the window tests' Qt application) is a GoogleTest
// environment, set up once the sandbox is in place.
#include <gtest/gtest.h>

#include "tests/support/Sandbox.h"

int main(int argc, char** argv) {
    // Static, so that it is removed on exit() as well as on return.
    static const testsupport::Sandbox sandbox(testsupport::kTestEnvironment);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
