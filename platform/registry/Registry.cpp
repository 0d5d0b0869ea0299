#include "platform/registry/Registry.h"

#include <charconv>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "platform/HandleTable.h"
#include "platform/registry/KeyLocation.h"
#include "platform/registry/SettingsFile.h"

namespace platform {

struct RegistryKey {
    QString path;  // relative to HKEY_CURRENT_USER, parts separated by backslashes
    REGSAM access;
};

namespace {

RegistryKey currentUser{QString(), KEY_ALL_ACCESS};

HandleTable<RegistryKey>& Keys() {
    static HandleTable<RegistryKey> keys;
    return keys;
}

RegistryKey* FindKey(HKEY key) {
    return key == HKEY_CURRENT_USER ? key : Keys().Find(key);
}

QString Text(const wchar_t* text) {
    return text == nullptr ? QString() : QString::fromWCharArray(text);
}

QString JoinPath(const QString& base, const QString& subKey) {
    if (base.isEmpty()) {
        return subKey;
    }
    if (subKey.isEmpty()) {
        return base;
    }
    return base + QLatin1Char('\\') + subKey;
}

// The settings file and group that hold a key.
struct Place {
    SettingsFile* file;
    std::string group;
};

std::optional<Place> PlaceOf(const QString& keyPath) {
    const std::optional<KeyLocation> location = LocateKey(keyPath);
    if (!location) {
        return std::nullopt;
    }
    return Place{&SettingsFileAt(location->file.toStdString()), location->group.toStdString()};
}

HKEY AddKey(const QString& path, REGSAM access) {
    return Keys().Add(std::make_unique<RegistryKey>(RegistryKey{path, access}));
}

}  // namespace
}  // namespace platform

using namespace platform;

const HKEY HKEY_CURRENT_USER = &currentUser;

LSTATUS RegOpenKeyExW(HKEY hKey, const wchar_t* lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                      HKEY* phkResult) {
    if (phkResult == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *phkResult = nullptr;
    const RegistryKey* parent = FindKey(hKey);
    if (parent == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const QString path = JoinPath(parent->path, Text(lpSubKey));
    if (!path.isEmpty()) {
        const std::optional<Place> place = PlaceOf(path);
        if (!place || !place->file->HasGroup(place->group)) {
            return ERROR_FILE_NOT_FOUND;
        }
    }
    *phkResult = AddKey(path, samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExW(HKEY hKey, const wchar_t* lpValueName, DWORD* lpReserved, DWORD* lpType,
                         BYTE* lpData, DWORD* lpcbData) {
    const RegistryKey* key = FindKey(hKey);
    if (key == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if (lpReserved != nullptr || lpData == nullptr || lpcbData == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if ((key->access & KEY_QUERY_VALUE) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    const QString name = Text(lpValueName);
    const std::optional<Place> place = PlaceOf(key->path);
    if (!place || !IsPlainName(name)) {
        return ERROR_FILE_NOT_FOUND;
    }
    const std::optional<std::string> stored = place->file->Value(place->group, name.toStdString());
    if (!stored) {
        return ERROR_FILE_NOT_FOUND;
    }
    long long number = 0;
    const char* end = stored->data() + stored->size();
    const auto [stop, error] = std::from_chars(stored->data(), end, number, 10);
    if (error != std::errc() || stop != end) {
        return ERROR_INVALID_DATA;
    }
    // 32-bit values are kept signed; their unsigned spelling is accepted as well. A number
    // beyond 32 bits is longer than any buffer of a 32-bit value.
    if (number < INT32_MIN || number > UINT32_MAX || *lpcbData < sizeof(DWORD)) {
        return ERROR_MORE_DATA;
    }
    const DWORD bits = static_cast<DWORD>(number);
    std::memcpy(lpData, &bits, sizeof bits);
    *lpcbData = sizeof bits;
    if (lpType != nullptr) {
        *lpType = REG_DWORD;
    }
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExW(HKEY hKey, const wchar_t* lpSubKey, DWORD Reserved, wchar_t* /*lpClass*/,
                        DWORD dwOptions, REGSAM samDesired, void* /*lpSecurityAttributes*/,
                        HKEY* phkResult, DWORD* lpdwDisposition) {
    if (phkResult == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *phkResult = nullptr;
    const RegistryKey* parent = FindKey(hKey);
    if (parent == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if (Reserved != 0 || dwOptions != REG_OPTION_NON_VOLATILE) {
        return ERROR_INVALID_PARAMETER;
    }
    if ((parent->access & KEY_CREATE_SUB_KEY) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    const QString path = JoinPath(parent->path, Text(lpSubKey));
    const std::optional<Place> place = PlaceOf(path);
    bool created = false;
    if (!place || !place->file->CreateGroup(place->group, &created)) {
        return ERROR_ACCESS_DENIED;
    }
    if (lpdwDisposition != nullptr) {
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    *phkResult = AddKey(path, samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExW(HKEY hKey, const wchar_t* lpValueName, DWORD /*Reserved*/, DWORD dwType,
                       const BYTE* lpData, DWORD cbData) {
    const RegistryKey* key = FindKey(hKey);
    if (key == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if ((key->access & KEY_SET_VALUE) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    const QString name = Text(lpValueName);
    if (!IsPlainName(name) || dwType != REG_DWORD || cbData != sizeof(DWORD) || lpData == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::optional<Place> place = PlaceOf(key->path);
    DWORD bits = 0;
    std::memcpy(&bits, lpData, sizeof bits);
    if (!place || !place->file->SetValue(place->group, name.toStdString(),
                                         std::to_string(static_cast<int32_t>(bits)))) {
        return ERROR_ACCESS_DENIED;
    }
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY hKey) {
    if (hKey == HKEY_CURRENT_USER) {
        return ERROR_SUCCESS;
    }
    return Keys().Take(hKey) != nullptr ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
