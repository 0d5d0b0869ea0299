// The named kernel objects behind the instance slots: semaphores held by every open handle,
// mutex ownership across processes, refused handles and names, and where the objects live and
// which folders they refuse.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/kernel/KernelObjects.h"

namespace fs = std::filesystem;

namespace {

constexpr wchar_t kSlot[] = L"TidewellPhaseSem000";
constexpr wchar_t kLock[] = L"TidewellPhaseMTX";
constexpr DWORD kLongWait = 60000;  // far longer than any of these waits takes

// Another process that holds kernel objects on command (see KernelProbe.cpp).
class Probe {
public:
    Probe() {
        process_.start(QStringLiteral(KERNEL_PROBE), {});
        process_.waitForStarted();
    }
    ~Probe() {
        process_.closeWriteChannel();
        process_.waitForFinished();
    }
    std::string Ask(const std::string& command) {
        process_.write((command + "\n").c_str());
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        return process_.readLine().trimmed().toStdString();
    }
    void Kill() {
        process_.kill();  // SIGKILL: no chance to clean up
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

// Each test has a private runtime folder of its own.
class KernelObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }

    // Creates the slot semaphore here and reports the error code, closing the handle.
    static DWORD ProbeSlot() {
        HANDLE handle = CreateSemaphoreW(0, 1, kSlot);
        const DWORD error = GetLastError();
        EXPECT_NE(handle, nullptr);
        CloseHandle(handle);
        return error;
    }

    QTemporaryDir temp_;  // made 0700
    const fs::path runtime_ = temp_.path().toStdString();
};

const std::string kCreated = "1 0";
const std::string kExists = "1 183";

// Across processes the slot semaphores are held to account by the window's own slot tests.
TEST_F(KernelObjectsTest, EveryOpenHandleKeepsTheSemaphore) {
    HANDLE first = CreateSemaphoreW(0, 1, kSlot);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
    HANDLE second = CreateSemaphoreW(0, 1, kSlot);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    ASSERT_TRUE(first && second && first != second);
    EXPECT_TRUE(CloseHandle(first));
    EXPECT_EQ(ProbeSlot(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_EQ(ProbeSlot(), DWORD(ERROR_SUCCESS));
}

TEST_F(KernelObjectsTest, MutexExcludesOtherProcessesUntilReleased) {
    HANDLE mutex = CreateMutexW(FALSE, kLock);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, kLongWait), WAIT_OBJECT_0);
    Probe other;
    ASSERT_EQ(other.Ask("mutex TidewellPhaseMTX"), kExists);
    EXPECT_EQ(other.Ask("wait 50"), std::to_string(WAIT_TIMEOUT));
    EXPECT_EQ(other.Ask("release"), "0");  // not the owner
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_FALSE(ReleaseMutex(mutex));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_OWNER));
    EXPECT_EQ(other.Ask("wait 0"), std::to_string(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_TIMEOUT);
    // A waiter gets the mutex as soon as the other side releases it.
    std::thread waiter(
        [mutex] { EXPECT_EQ(WaitForSingleObject(mutex, kLongWait), WAIT_OBJECT_0); });
    EXPECT_EQ(other.Ask("release"), "1");
    waiter.join();
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST_F(KernelObjectsTest, MutexOfAnEndedOwnerIsTakenOver) {
    Probe owner;
    ASSERT_EQ(owner.Ask("mutex TidewellPhaseMTX"), kCreated);
    ASSERT_EQ(owner.Ask("wait 0"), std::to_string(WAIT_OBJECT_0));
    HANDLE mutex = CreateMutexW(FALSE, kLock);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_TIMEOUT);
    owner.Kill();
    EXPECT_EQ(WaitForSingleObject(mutex, kLongWait), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST_F(KernelObjectsTest, BadHandlesAndArgumentsAreRefused) {
    HANDLE closed = CreateMutexW(FALSE, kLock);
    ASSERT_TRUE(CloseHandle(closed));
    int local = 0;
    for (HANDLE bad : {static_cast<HANDLE>(nullptr), closed, static_cast<HANDLE>(&local)}) {
        EXPECT_FALSE(CloseHandle(bad));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        EXPECT_EQ(WaitForSingleObject(bad, 0), WAIT_FAILED);
        EXPECT_FALSE(ReleaseMutex(bad));
    }

    EXPECT_EQ(CreateMutexW(TRUE, kLock), nullptr);  // no initial owner
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));

    const struct {
        LONG initial;
        const wchar_t* name;
        LONG error;
    } refused[] = {
        {0, nullptr, ERROR_INVALID_PARAMETER}, {2, kSlot, ERROR_INVALID_PARAMETER},
        {0, L"", ERROR_INVALID_NAME},          {0, L"..", ERROR_INVALID_NAME},
        {0, L"../escape", ERROR_INVALID_NAME},
    };
    for (const auto& call : refused) {
        EXPECT_EQ(CreateSemaphoreW(call.initial, 1, call.name), nullptr);
        EXPECT_EQ(GetLastError(), DWORD(call.error));
    }
    EXPECT_FALSE(fs::exists(runtime_ / "escape"));
}

// Objects live in $XDG_RUNTIME_DIR/tidewell, or in tidewell-<uid> of the temporary folder when
// the former cannot be used safely; each case arranges the runtime folder in one such way.
TEST_F(KernelObjectsTest, ObjectsLiveInTheFirstSafeFolder) {
    const fs::path temp = runtime_ / "tmp";
    fs::create_directory(temp);
    setenv("TMPDIR", temp.c_str(), 1);
    const fs::path fallback = temp / ("tidewell-" + std::to_string(geteuid()));
    const fs::path folder = runtime_ / "tidewell";
    const fs::path elsewhere = runtime_ / "elsewhere";
    const char* f = folder.c_str();
    const char* e = elsewhere.c_str();
    const std::string tooLong = runtime_.string() + "/" + std::string(5000, 'x');
    const struct {
        const char* what;
        const char* runtime;         // XDG_RUNTIME_DIR; null: unset
        std::function<bool()> make;  // false when it cannot be arranged here
        fs::path used;
    } cases[] = {
        {"the runtime folder", runtime_.c_str(), [] { return true; }, folder},
        {"unset", nullptr, [] { return true; }, fallback},
        {"relative", "relative/runtime", [] { return true; }, fallback},
        {"missing", "/nonexistent/runtime", [] { return true; }, fallback},
        {"a file", e, [&] { return bool(std::ofstream(elsewhere)); }, fallback},
        {"too long", tooLong.c_str(), [] { return true; }, fallback},
        {"tidewell a link to a private folder", runtime_.c_str(),
         [&] { return mkdir(e, 0700) == 0 && symlink(e, f) == 0; }, fallback},
        {"tidewell open to others", runtime_.c_str(),
         [&] { return mkdir(f, 0700) == 0 && chmod(f, 0755) == 0; }, fallback},
        {"tidewell a file", runtime_.c_str(), [&] { return bool(std::ofstream(folder)); },
         fallback},
        {"tidewell owned by another user", runtime_.c_str(),
         [&] { return mkdir(f, 0700) == 0 && chown(f, 12345, 12345) == 0; }, fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const fs::path& made : {folder, elsewhere, fallback}) {
            fs::remove_all(made);
        }
        c.runtime ? setenv("XDG_RUNTIME_DIR", c.runtime, 1) : unsetenv("XDG_RUNTIME_DIR");
        if (!c.make()) {
            EXPECT_NE(geteuid(), 0u) << "only a non-root user may fail to arrange this";
            continue;
        }
        HANDLE handle = CreateSemaphoreW(0, 1, kSlot);
        EXPECT_NE(handle, nullptr);
        EXPECT_TRUE(fs::is_regular_file(c.used / "TidewellPhaseSem000"));
        EXPECT_EQ(fs::status(c.used).permissions(), fs::perms::owner_all);
        CloseHandle(handle);
    }
}

TEST_F(KernelObjectsTest, WithoutASafeFolderOrFileObjectsAreRefused) {
    const fs::path temp = runtime_ / "tmp";
    fs::create_directory(temp);
    setenv("TMPDIR", temp.c_str(), 1);
    const fs::path folder = runtime_ / "tidewell";
    const fs::path fallback = temp / ("tidewell-" + std::to_string(geteuid()));
    ASSERT_TRUE(fs::create_directory(folder) && fs::create_directory(fallback));
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read);
    fs::permissions(fallback, fs::perms::owner_all | fs::perms::others_read);
    EXPECT_EQ(CreateSemaphoreW(0, 1, kSlot), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));

    // A link in place of the object, in a safe folder, is not followed.
    fs::permissions(folder, fs::perms::owner_all);
    std::ofstream(runtime_ / "elsewhere");
    fs::create_symlink(runtime_ / "elsewhere", folder / "TidewellPhaseSem000");
    EXPECT_EQ(CreateSemaphoreW(0, 1, kSlot), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

}  // namespace
