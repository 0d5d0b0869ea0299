// The per-user store behind the window's position: values in the INI file as decimal text,
// missing and malformed values, concurrent writers, and refused handles, rights and names.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "platform/registry/Registry.h"

namespace {

constexpr wchar_t kSlotKey[] = L"Software\\Velmora\\Tidewell\\TWP000";
constexpr DWORD kUntouched = 0xA5A5A5A5;

// The window's own sequence: create the key, open it again for writing, write the value.
LSTATUS Write(const wchar_t* path, const wchar_t* name, DWORD value) {
    HKEY created = nullptr;
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_ALL_ACCESS, nullptr, &created, nullptr);
    if (status == ERROR_SUCCESS)
        status = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0,
                               KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY, &key);
    if (status == ERROR_SUCCESS)
        status = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof value);
    RegCloseKey(created);
    RegCloseKey(key);
    return status;
}

// Reads into a 4-byte buffer, as the window does; *value keeps its content on failure.
LSTATUS Read(const wchar_t* path, const wchar_t* name, DWORD* value) {
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return status;
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
    QByteArray FileText() const {
        QFile file(config_.path() + QStringLiteral("/Velmora/Tidewell.conf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

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
    for (int w = 0; w < 2; ++w)
        writers[w].start(QStringLiteral(REGISTRY_WRITER),
                         {QString("AB"[w]), QString::number(kCount)});
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
    for (const wchar_t* name : {L"", L".", L"a/b", L"a\\b"})
        EXPECT_EQ(Write(kSlotKey, name, 1), ERROR_INVALID_PARAMETER);

    // Paths that no file of the store can hold, or that would step outside its folder.
    const QByteArray before = FileText();
    for (const wchar_t* path :
         {L"Software\\Velmora", L"Hardware\\Velmora\\Tidewell", L"Software\\..\\Tidewell\\TWP000",
          L"Software\\Velmora\\Tidewell\\\\TWP000", L"Software\\Velmora\\Tidewell\\a/b"})
        EXPECT_EQ(Write(path, L"Xpos", 1), ERROR_ACCESS_DENIED);
    EXPECT_EQ(FileText(), before);
    EXPECT_FALSE(QFile::exists(config_.path() + QStringLiteral("/Tidewell.conf")));
}

}  // namespace
