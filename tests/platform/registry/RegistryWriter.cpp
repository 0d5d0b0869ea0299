// A second process for the registry tests.
//   registry_writer PREFIX COUNT: writes the values PREFIX0 .. PREFIX<count-1> (value i being
//     i) under Software\Velmora\Tidewell\TWP000, one write after the other, and ends; exits
//     with 1 at the first failing call.
//   registry_writer lock: takes the lock of the settings file, as a process writing it holds
//     it, prints "locked" and keeps it until its standard input ends.
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/registry/KeyLocation.h"
#include "platform/registry/Registry.h"
#include "platform/registry/SettingsFile.h"

namespace {

int HoldLock() {
    const std::string file =
        platform::LocateKey(QStringLiteral("Software\\Velmora\\Tidewell\\TWP000"))
            ->file.toStdString();
    const int lock = open(platform::SettingsLockPath(file).c_str(), O_RDWR | O_CREAT, 0600);
    if (lock < 0 || flock(lock, LOCK_EX) != 0) {
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    char line[64];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "lock") {
        return HoldLock();
    }
    if (argc != 3) {
        return 2;
    }
    const std::string prefix = argv[1];
    const int count = std::stoi(argv[2]);
    for (int i = 0; i < count; ++i) {
        const std::string text = prefix + std::to_string(i);
        const std::wstring name(text.begin(), text.end());
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Velmora\\Tidewell\\TWP000", 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) != ERROR_SUCCESS) {
            return 1;
        }
        const DWORD value = static_cast<DWORD>(i);
        const LSTATUS status = RegSetValueExW(key, name.c_str(), 0, REG_DWORD,
                                              reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS) {
            return 1;
        }
    }
    return 0;
}
