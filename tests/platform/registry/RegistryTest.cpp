// The per-user store behind the window's position: values in the INI file as decimal text,
// missing and malformed values, concurrent and stopped writers, what stands in the file's
// place, broken files, and refused handles, rights and names.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/registry/Registry.h"
#include "platform/registry/SettingsFile.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr wchar_t kSlotKey[] = L"Software\\Velmora\\Tidewell\\TWP000";
constexpr wchar_t kOtherSlotKey[] = L"Software\\Velmora\\Tidewell\\TWP001";
constexpr DWORD kUntouched = 0xA5A5A5A5;
constexpr auto kLongWait = 60000ms;  // far longer than any write here takes

// The window's own sequence: create the key, open it again for writing, write the value.
LSTATUS Write(const wchar_t* path, const wchar_t* name, DWORD value) {
    HKEY created = nullptr;
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_ALL_ACCESS, nullptr, &created, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0,
                               KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY, &key);
    }
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof value);
    }
    RegCloseKey(created);
    RegCloseKey(key);
    return status;
}

// Reads into a 4-byte buffer, as the window does; *value keeps its content on failure.
LSTATUS Read(const wchar_t* path, const wchar_t* name, DWORD* value) {
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    DWORD size = sizeof *value;
    status = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    return status;
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config_.isValid());
        setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override { EXPECT_TRUE(platform::FlushSettings(kLongWait)); }

    // The file once every change of this process has reached it.
    QByteArray FileText() const {
        EXPECT_TRUE(platform::FlushSettings(kLongWait));
        return FileTextNow();
    }
    QByteArray FileTextNow() const {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString File() const { return config_.path() + QStringLiteral("/Velmora/Tidewell.conf"); }
    fs::path FilePath() const { return File().toStdString(); }

    QTemporaryDir config_;
};

TEST_F(RegistryTest, ValuesComeBackAsTheyWereWritten) {
    const std::pair<DWORD, const char*> cases[] = {
        {0, "Xpos=0"},
        {static_cast<DWORD>(-30), "Xpos=-30"},
        {0x80000000, "Xpos=-2147483648"},
        {0xFFFFFFFF, "Xpos=-1"},
    };
    for (const auto& [value, line] : cases) {
        ASSERT_EQ(Write(kSlotKey, L"Xpos", value), ERROR_SUCCESS);
        DWORD read = kUntouched;
        EXPECT_EQ(Read(kSlotKey, L"Xpos", &read), ERROR_SUCCESS);
        EXPECT_EQ(read, value);
        EXPECT_TRUE(FileText().contains(QByteArray("[TWP000]\n"))) << FileText().constData();
        EXPECT_TRUE(FileText().contains(QByteArray(line) + '\n')) << FileText().constData();
    }
}

TEST_F(RegistryTest, MissingKeysAndValuesAreReportedAndCreatedKeysExist) {
    DWORD read = kUntouched;
    EXPECT_EQ(Read(kSlotKey, L"Xpos", &read), ERROR_FILE_NOT_FOUND);  // no key
    HKEY key = nullptr;
    DWORD disposition = 0;
    for (const DWORD expected : {REG_CREATED_NEW_KEY, REG_OPENED_EXISTING_KEY}) {
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSlotKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, &disposition),
                  ERROR_SUCCESS);
        EXPECT_EQ(disposition, expected);
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    }
    // The created key exists though empty; its values are missing, its mark is no value.
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSlotKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(Read(kSlotKey, L"Xpos", &read), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Read(kSlotKey, L".", &read), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(read, kUntouched);
}

// A value that is no 32-bit integer fails to read, and the window is not moved.
TEST_F(RegistryTest, StoredTextThatIsNoDwordFailsToRead) {
    const struct {
        const char* text;
        LSTATUS status;
        DWORD value;
    } cases[] = {
        {"4294967295", ERROR_SUCCESS, 0xFFFFFFFF},
        {"8589934592", ERROR_MORE_DATA, kUntouched},
        {"-2147483649", ERROR_MORE_DATA, kUntouched},
        {"99999999999999999999999", ERROR_INVALID_DATA, kUntouched},
        {"12x", ERROR_INVALID_DATA, kUntouched},
        {"", ERROR_INVALID_DATA, kUntouched},
        {"1, 2", ERROR_INVALID_DATA, kUntouched},  // a list to the INI reader
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QSettings(config_.path() + QStringLiteral("/Velmora/Tidewell.conf"), QSettings::IniFormat)
            .setValue(QStringLiteral("TWP000/Xpos"), QString::fromLatin1(c.text));
        DWORD read = kUntouched;
        EXPECT_EQ(Read(kSlotKey, L"Xpos", &read), c.status);
        EXPECT_EQ(read, c.value);
    }
}

TEST_F(RegistryTest, ConcurrentWritersLoseNothing) {
    constexpr int kCount = 150;
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w].start(QStringLiteral(REGISTRY_WRITER),
                         {QString("AB"[w]), QString::number(kCount)});
    }
    for (QProcess& writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(120000));
        EXPECT_EQ(writer.exitCode(), 0);
    }
    for (int i = 0; i < kCount; ++i) {
        for (const wchar_t* prefix : {L"A", L"B"}) {
            DWORD read = kUntouched;
            EXPECT_EQ(Read(kSlotKey, (prefix + std::to_wstring(i)).c_str(), &read), ERROR_SUCCESS);
            EXPECT_EQ(read, DWORD(i));
        }
    }
}

TEST_F(RegistryTest, BadHandlesRightsAndNamesAreRefused) {
    int local = 0;
    HKEY closed = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSlotKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &closed, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
    DWORD value = 1;
    DWORD size = sizeof value;
    for (HKEY bad : {static_cast<HKEY>(nullptr), closed, reinterpret_cast<HKEY>(&local)}) {
        EXPECT_EQ(RegCloseKey(bad), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegQueryValueExW(bad, L"Xpos", nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                                   &size),
                  ERROR_INVALID_HANDLE);
    }
    HKEY reading = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSlotKey, 0, KEY_READ, &reading), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(reading, L"Xpos", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value),
                             sizeof value),
              ERROR_ACCESS_DENIED);
    RegCloseKey(reading);
    for (const wchar_t* name : {L"", L".", L"a/b", L"a\\b", L"a=b", L"a b", L"[a]"}) {
        EXPECT_EQ(Write(kSlotKey, name, 1), ERROR_INVALID_PARAMETER);
    }

    // Paths that no file of the store can hold, or that would step outside its folder.
    const QByteArray before = FileText();
    for (const wchar_t* path :
         {L"Software\\Velmora", L"Hardware\\Velmora\\Tidewell", L"Software\\..\\Tidewell\\TWP000",
          L"Software\\Velmora\\Tidewell\\\\TWP000", L"Software\\Velmora\\Tidewell\\a/b",
          L"Software\\Velmora\\Tidewell\\TWP000\\deeper",
          L"Software\\Velmora\\Tidewell\\[TWP000]"}) {
        EXPECT_EQ(Write(path, L"Xpos", 1), ERROR_ACCESS_DENIED);
    }
    EXPECT_EQ(FileText(), before);
    EXPECT_FALSE(QFile::exists(config_.path() + QStringLiteral("/Tidewell.conf")));
}

// A writer stopped (SIGSTOP, a debugger) while it holds the file's lock holds up the file,
// never a caller: changes are taken at once and reach the file once the lock is free again.
TEST_F(RegistryTest, AStoppedWriterDelaysTheFileButNoCaller) {
    ASSERT_EQ(Write(kSlotKey, L"Xpos", 1), ERROR_SUCCESS);
    ASSERT_TRUE(FileText().contains("Xpos=1\n"));
    QProcess writer;
    writer.start(QStringLiteral(REGISTRY_WRITER), {QStringLiteral("lock")});
    ASSERT_TRUE(writer.waitForStarted() && writer.waitForReadyRead());
    ASSERT_EQ(writer.readLine().trimmed(), "locked");
    ASSERT_EQ(kill(static_cast<pid_t>(writer.processId()), SIGSTOP), 0);

    EXPECT_EQ(Write(kSlotKey, L"Xpos", 2), ERROR_SUCCESS);
    EXPECT_EQ(Write(kSlotKey, L"Ypos", 3), ERROR_SUCCESS);
    DWORD read = kUntouched;
    EXPECT_EQ(Read(kSlotKey, L"Xpos", &read), ERROR_SUCCESS);
    EXPECT_EQ(read, 2u);  // this process sees its own latest change
    EXPECT_FALSE(platform::FlushSettings(100ms));
    EXPECT_FALSE(FileTextNow().contains("Xpos=2\n")) << FileTextNow().constData();

    kill(static_cast<pid_t>(writer.processId()), SIGCONT);
    writer.closeWriteChannel();
    ASSERT_TRUE(writer.waitForFinished());
    EXPECT_EQ(FileText(), "[TWP000]\nXpos=2\nYpos=3\n\n");
}

// The file's place holds something that is no regular file: nothing is opened, read or written
// there. A link to a regular file is the file.
TEST_F(RegistryTest, OnlyARegularFileIsReadOrWritten) {
    const fs::path file = FilePath();
    const fs::path target = file.parent_path() / "target";
    const struct {
        const char* what;
        std::function<void()> make;
        bool usable;
    } cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); }, false},
        {"a folder", [&] { fs::create_directory(file); }, false},
        {"a link to a FIFO",
         [&] {
             ASSERT_EQ(mkfifo(target.c_str(), 0600), 0);
             fs::create_symlink(target, file);
         },
         false},
        {"a link to a device", [&] { fs::create_symlink("/dev/null", file); }, false},
        {"a socket",
         [&] {
             const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             file.string().copy(address.sun_path, sizeof address.sun_path - 1);
             ASSERT_EQ(bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
             close(socket);
         },
         false},
        {"a link to a regular file",
         [&] {
             QSettings(QString::fromStdString(target.string()), QSettings::IniFormat)
                 .setValue(QStringLiteral("TWP000/Xpos"), 8);
             fs::create_symlink(target, file);
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(file.parent_path());
        fs::create_directories(file.parent_path());
        c.make();
        const fs::file_type type = fs::symlink_status(file).type();
        DWORD read = kUntouched;
        HKEY key = nullptr;
        EXPECT_EQ(Read(kSlotKey, L"Xpos", &read), c.usable ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(read, c.usable ? 8u : kUntouched);
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kOtherSlotKey, 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  c.usable ? ERROR_SUCCESS : ERROR_ACCESS_DENIED);
        RegCloseKey(key);
        EXPECT_EQ(Write(kSlotKey, L"Ypos", 9), c.usable ? ERROR_SUCCESS : ERROR_ACCESS_DENIED);
        EXPECT_TRUE(platform::FlushSettings(kLongWait));
        EXPECT_EQ(fs::symlink_status(file).type(), type);
        if (c.usable) {
            EXPECT_EQ(FileText(), "[TWP000]\nXpos=8\nYpos=9\n\n[TWP001]\n\n");
        }
    }
}

// Of a damaged file, or one in another encoding, what can be read counts; what cannot is
// dropped when the file is next written, so that it never grows.
TEST_F(RegistryTest, BrokenFilesKeepWhatCanBeReadAndNeverGrow) {
    const std::string sound = "[TWP001]\nXpos=11\nYpos=12\n";
    std::string everyByte;
    for (int i = 0; i < 4096; ++i) {
        everyByte += static_cast<char>(i % 256 == '[' ? 0 : i % 256);
    }
    const std::u16string wide = u"\uFEFF[TWP001]\nXpos=11\nYpos=12\n";
    const std::string utf16(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    const struct {
        const char* what;
        std::string text;
        bool kept;  // whether TWP001 survives
    } cases[] = {
        {"binary garbage around the values", everyByte + "\n" + sound + everyByte, true},
        {"a 10 MB line among them",
         "[TWP001]\nXpos=11\nYpos=" + std::string(10 << 20, '7') + "\nYpos=12\n", true},
        {"UTF-16", utf16, false},
        {"Latin-1 and control characters",
         sound + "Zpos=\xE9t\xE9\nWpos=\x1B[2J\nVpos=\xC2\x9B" + "1\n", true},
        {"CRLF, blanks, comments, a byte order mark",
         "\xEF\xBB\xBF; comment\r\n[TWP001]\r\n  Xpos = 11 \r\n# other\r\nYpos\t=\t12\r\n", true},
        {"lines that are neither groups nor values",
         "[]\n[TWP001]\n=5\nnothing\nXpos=11\nYpos=12\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(FilePath().parent_path());
        fs::create_directories(FilePath().parent_path());
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.text.data(), static_cast<qint64>(c.text.size()));
        file.close();

        DWORD read = kUntouched;
        EXPECT_EQ(Read(kOtherSlotKey, L"Ypos", &read),
                  c.kept ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
        ASSERT_EQ(Write(kSlotKey, L"Xpos", 5), ERROR_SUCCESS);
        EXPECT_EQ(FileText(), c.kept ? "[TWP000]\nXpos=5\n\n[TWP001]\nXpos=11\nYpos=12\n\n"
                                     : "[TWP000]\nXpos=5\n\n");
    }
}

// Killed at any moment, a writer leaves the file as it was before or after one of its writes:
// every line sound, the values a run from the first.
TEST_F(RegistryTest, AWriterKilledAtAnyMomentLeavesASoundFile) {
    for (int round = 1; round <= 4; ++round) {
        SCOPED_TRACE(round);
        QProcess writer;
        writer.start(QStringLiteral(REGISTRY_WRITER),
                     {QStringLiteral("K"), QStringLiteral("1000000")});
        ASSERT_TRUE(writer.waitForStarted());
        while (FileTextNow().count('\n') < 50 * round && writer.state() == QProcess::Running) {
            usleep(1000);
        }
        writer.kill();
        writer.waitForFinished();
        const QByteArray text = FileTextNow();
        const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
        EXPECT_EQ(platform::FormatSettings(platform::ParseSettings(view)), view);
        const auto groups = platform::ParseSettings(view);
        ASSERT_TRUE(groups.contains("TWP000"));
        const auto& values = groups.at("TWP000");
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_TRUE(values.contains("K" + std::to_string(i))) << i;
        }
    }
}

}  // namespace
