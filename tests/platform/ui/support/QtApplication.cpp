// The Qt application of the window tests: made before their first test case, once main() has
// made the sandbox (tests/support/SandboxMain.cpp), and on the sandbox's offscreen platform
// unless the test's ENV names another.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace testsupport {

namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        application_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { application_.reset(); }

private:
    char name_[5] = "test";
    int argc_ = 1;
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace

}  // namespace testsupport
