#include "platform/registry/Registry.h"

#include <cstring>
#include <memory>

#include <QSettings>
#include <QString>
#include <QVariant>

#include "platform/HandleTable.h"
#include "platform/registry/KeyLocation.h"

namespace platform {

struct RegistryKey {
    QString path;  // relative to HKEY_CURRENT_USER, parts separated by backslashes
    REGSAM access;
};

namespace {

RegistryKey currentUser{QString(), KEY_ALL_ACCESS};

// Every created key holds an entry of this name, so that a key without values still exists
// for the next open (a group without entries is not kept in the file). No value can take
// this name.
const QLatin1String kKeyMark(".");

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

// Slashes would reach into other groups of the file.
bool IsValueName(const QString& name) {
    return !name.isEmpty() && name != kKeyMark && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\'));
}

QString EntryName(const KeyLocation& location, const QString& name) {
    return location.group.isEmpty() ? name : location.group + QLatin1Char('/') + name;
}

bool KeyExists(QSettings& settings, const KeyLocation& location) {
    settings.beginGroup(location.group);
    const bool exists = !settings.allKeys().isEmpty();
    settings.endGroup();
    return exists;
}

// Writes the changes: the file is replaced as a whole, never left half written, and under a
// lock that merges them with what other processes wrote in the meantime.
LSTATUS Store(QSettings& settings) {
    settings.sync();
    switch (settings.status()) {
        case QSettings::NoError:
            return ERROR_SUCCESS;
        case QSettings::AccessError:
            return ERROR_ACCESS_DENIED;
        case QSettings::FormatError:
            break;
    }
    return ERROR_INVALID_DATA;
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
        const std::optional<KeyLocation> location = LocateKey(path);
        if (!location) {
            return ERROR_FILE_NOT_FOUND;
        }
        QSettings settings(location->file, QSettings::IniFormat);
        if (!KeyExists(settings, *location)) {
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
    const std::optional<KeyLocation> location = LocateKey(key->path);
    if (!location || !IsValueName(name)) {
        return ERROR_FILE_NOT_FOUND;
    }
    QSettings settings(location->file, QSettings::IniFormat);
    const QVariant stored = settings.value(EntryName(*location, name));
    if (!stored.isValid()) {
        return ERROR_FILE_NOT_FOUND;
    }

    bool isNumber = false;
    const qint64 number = stored.toString().toLongLong(&isNumber, 10);
    if (!isNumber) {
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
    const std::optional<KeyLocation> location = LocateKey(path);
    if (!location) {
        return ERROR_ACCESS_DENIED;
    }

    QSettings settings(location->file, QSettings::IniFormat);
    DWORD disposition = REG_OPENED_EXISTING_KEY;
    if (!KeyExists(settings, *location)) {
        settings.setValue(EntryName(*location, kKeyMark), QString());
        if (const LSTATUS status = Store(settings); status != ERROR_SUCCESS) {
            return status;
        }
        disposition = REG_CREATED_NEW_KEY;
    }
    if (lpdwDisposition != nullptr) *lpdwDisposition = disposition;
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
    if (!IsValueName(name) || dwType != REG_DWORD || cbData != sizeof(DWORD) || lpData == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::optional<KeyLocation> location = LocateKey(key->path);
    if (!location) {
        return ERROR_ACCESS_DENIED;
    }
    DWORD bits = 0;
    std::memcpy(&bits, lpData, sizeof bits);
    QSettings settings(location->file, QSettings::IniFormat);
    settings.setValue(EntryName(*location, name), static_cast<qint32>(bits));
    return Store(settings);
}

LSTATUS RegCloseKey(HKEY hKey) {
    if (hKey == HKEY_CURRENT_USER) {
        return ERROR_SUCCESS;
    }
    return Keys().Take(hKey) != nullptr ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
