#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
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

// Another process that holds kernel objects on command (see KernelProbe.cpp).
class Probe {
public:
    Probe() {
        process_.start(QStringLiteral(KERNEL_PROBE), {});
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~Probe() { End(); }

    std::string Ask(const std::string& command) {
        process_.write((command + "\n").c_str());
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        return process_.readLine().trimmed().toStdString();
    }
    void End() {
        process_.closeWriteChannel();
        process_.waitForFinished();
    }
    void Kill() {
        process_.kill();  // SIGKILL: no chance to clean up
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

void SetEnv(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

std::optional<std::string> Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

class KernelObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        runtime_ = fs::path(temp_.path().toStdString()) / "runtime";
        fs::create_directory(runtime_);
        fs::permissions(runtime_, fs::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    void TearDown() override {
        SetEnv("XDG_RUNTIME_DIR", savedRuntime_);
        SetEnv("TMPDIR", savedTemp_);
    }

    // Creates the slot semaphore here and reports the error code, closing the handle.
    static DWORD ProbeSlot() {
        HANDLE handle = CreateSemaphoreW(0, 1, kSlot);
        const DWORD error = GetLastError();
        EXPECT_NE(handle, nullptr);
        CloseHandle(handle);
        return error;
    }

    const std::optional<std::string> savedRuntime_ = Env("XDG_RUNTIME_DIR");
    const std::optional<std::string> savedTemp_ = Env("TMPDIR");
    QTemporaryDir temp_;
    fs::path runtime_;
};

const std::string kCreated = "1 0";
const std::string kExists = "1 183";

TEST_F(KernelObjectsTest, SemaphoreClaimLastsAsLongAsItsProcess) {
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "killed" : "ended");
        Probe holder;
        ASSERT_EQ(holder.Ask("semaphore TidewellPhaseSem000"), kCreated);
        EXPECT_EQ(ProbeSlot(), DWORD(ERROR_ALREADY_EXISTS));
        Probe other;
        EXPECT_EQ(other.Ask("semaphore TidewellPhaseSem000"), kExists);
        EXPECT_EQ(other.Ask("semaphore TidewellPhaseSem001"), kCreated);
        other.End();
        killed ? holder.Kill() : holder.End();
        EXPECT_EQ(ProbeSlot(), DWORD(ERROR_SUCCESS));
    }
}

TEST_F(KernelObjectsTest, EveryOpenHandleKeepsTheSemaphore) {
    HANDLE first = CreateSemaphoreW(0, 1, kSlot);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
    HANDLE second = CreateSemaphoreW(0, 1, kSlot);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    ASSERT_TRUE(first && second && first != second);
    EXPECT_TRUE(CloseHandle(first));
    EXPECT_EQ(ProbeSlot(), DWORD(ERROR_ALREADY_EXISTS));
    Probe other;
    EXPECT_EQ(other.Ask("semaphore TidewellPhaseSem000"), kExists);
    other.End();
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_EQ(ProbeSlot(), DWORD(ERROR_SUCCESS));
}

TEST_F(KernelObjectsTest, MutexExcludesOtherProcessesUntilReleased) {
    HANDLE mutex = CreateMutexW(FALSE, kLock);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);  // taken once more
    Probe other;
    ASSERT_EQ(other.Ask("mutex TidewellPhaseMTX"), kExists);
    EXPECT_EQ(other.Ask("wait 50"), std::to_string(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(other.Ask("wait 0"), std::to_string(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_FALSE(ReleaseMutex(mutex));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_OWNER));
    EXPECT_EQ(other.Ask("wait 0"), std::to_string(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_TIMEOUT);
    // A waiter without time limit gets the mutex as soon as the other side releases it.
    std::thread waiter([mutex] { EXPECT_EQ(WaitForSingleObject(mutex, INFINITE), WAIT_OBJECT_0); });
    EXPECT_EQ(other.Ask("release"), "1");
    waiter.join();
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST_F(KernelObjectsTest, MutexOfAnEndedOwnerIsTakenOverAsAbandoned) {
    Probe owner;
    ASSERT_EQ(owner.Ask("owned-mutex TidewellPhaseMTX"), kCreated);
    HANDLE mutex = CreateMutexW(TRUE, kLock);  // exists: no initial ownership
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_TIMEOUT);
    owner.Kill();
    EXPECT_EQ(WaitForSingleObject(mutex, INFINITE), WAIT_ABANDONED);
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST_F(KernelObjectsTest, BadHandlesAndArgumentsAreRefused) {
    HANDLE semaphore = CreateSemaphoreW(0, 1, kSlot);
    HANDLE closed = CreateMutexW(FALSE, kLock);
    ASSERT_TRUE(CloseHandle(closed));
    int local = 0;
    for (HANDLE bad : {static_cast<HANDLE>(nullptr), closed, static_cast<HANDLE>(&local)}) {
        EXPECT_FALSE(CloseHandle(bad));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        EXPECT_EQ(WaitForSingleObject(bad, 0), WAIT_FAILED);
        EXPECT_FALSE(ReleaseMutex(bad));
    }
    EXPECT_FALSE(ReleaseMutex(semaphore));
    EXPECT_EQ(WaitForSingleObject(semaphore, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));
    EXPECT_TRUE(CloseHandle(semaphore));

    const struct {
        LONG initial, maximum;
        const wchar_t* name;
        LONG error;
    } refused[] = {
        {0, 1, nullptr, ERROR_INVALID_PARAMETER}, {0, 0, kSlot, ERROR_INVALID_PARAMETER},
        {2, 1, kSlot, ERROR_INVALID_PARAMETER},   {-1, 1, kSlot, ERROR_INVALID_PARAMETER},
        {0, 1, L"", ERROR_INVALID_NAME},          {0, 1, L"..", ERROR_INVALID_NAME},
        {0, 1, L"../escape", ERROR_INVALID_NAME},
    };
    for (const auto& call : refused) {
        EXPECT_EQ(CreateSemaphoreW(call.initial, call.maximum, call.name), nullptr);
        EXPECT_EQ(GetLastError(), DWORD(call.error));
    }
    EXPECT_FALSE(fs::exists(runtime_ / "escape"));
}

TEST_F(KernelObjectsTest, UnsafeRuntimeFoldersAreRefused) {
    const fs::path folder = runtime_ / "tidewell";
    const fs::path elsewhere = runtime_ / "elsewhere";
    // Each arranges an unsafe folder; false when it cannot be arranged here.
    const struct {
        const char* what;
        bool (*make)(const fs::path& folder, const fs::path& elsewhere);
    } cases[] = {
        {"link to a private folder",
         [](const fs::path& f, const fs::path& e) {
             return mkdir(e.c_str(), 0700) == 0 && symlink(e.c_str(), f.c_str()) == 0;
         }},
        {"mode 0755",
         [](const fs::path& f, const fs::path&) { return mkdir(f.c_str(), 0755) == 0; }},
        {"mode 0777",
         [](const fs::path& f, const fs::path&) {
             return mkdir(f.c_str(), 0700) == 0 && chmod(f.c_str(), 0777) == 0;
         }},
        {"a file", [](const fs::path& f, const fs::path&) { return bool(std::ofstream(f)); }},
        {"link in place of the object",
         [](const fs::path& f, const fs::path& e) {
             return mkdir(f.c_str(), 0700) == 0 && std::ofstream(e) &&
                    symlink(e.c_str(), (f / "TidewellPhaseSem000").c_str()) == 0;
         }},
        {"owned by another user",
         [](const fs::path& f, const fs::path&) {
             return mkdir(f.c_str(), 0700) == 0 && chown(f.c_str(), 12345, 12345) == 0;
         }},
    };
    for (const auto& unsafe : cases) {
        SCOPED_TRACE(unsafe.what);
        fs::remove_all(folder);
        fs::remove_all(elsewhere);
        if (!unsafe.make(folder, elsewhere)) {
            EXPECT_NE(geteuid(), 0u) << "only a non-root user may fail to arrange this";
            continue;
        }
        EXPECT_EQ(CreateSemaphoreW(0, 1, kSlot), nullptr);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    }
}

TEST_F(KernelObjectsTest, PrivateFolderIsMadeWhereTheEnvironmentSays) {
    const fs::path temp = runtime_ / "tmp";
    fs::create_directory(temp);
    setenv("TMPDIR", temp.c_str(), 1);
    const fs::path fallback = temp / ("tidewell-" + std::to_string(geteuid()));
    const struct {
        std::optional<std::string> runtime;
        fs::path folder;
    } cases[] = {
        {runtime_.string(), runtime_ / "tidewell"},
        {std::nullopt, fallback},
        {"relative/runtime", fallback},  // only an absolute runtime folder counts
    };
    for (const auto& where : cases) {
        SCOPED_TRACE(where.folder);
        SetEnv("XDG_RUNTIME_DIR", where.runtime);
        HANDLE handle = CreateSemaphoreW(0, 1, kSlot);
        EXPECT_NE(handle, nullptr);
        EXPECT_TRUE(fs::is_regular_file(where.folder / "TidewellPhaseSem000"));
        EXPECT_EQ(fs::status(where.folder).permissions(), fs::perms::owner_all);
        CloseHandle(handle);
    }
    setenv("XDG_RUNTIME_DIR", "/nonexistent/runtime", 1);
    EXPECT_EQ(CreateMutexW(FALSE, kLock), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
}

}  // namespace
