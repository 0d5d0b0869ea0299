// A second process for the registry tests: writes the values PREFIX0 .. PREFIX<count-1>
// (value i being i) under Software\Velmora\Tidewell\TWP000, one write after the other.
// Exits with 1 at the first failing call.
#include <string>

#include "platform/registry/Registry.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
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
        if (status != ERROR_SUCCESS) return 1;
    }
    return 0;
}
