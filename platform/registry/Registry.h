// The current user's registry as the phase window stores its position in it: keys
// "Software\<Org>\<App>\<Key>" under HKEY_CURRENT_USER with 32-bit values. They are kept in
// the INI file <Org>/<App>.conf of the user's configuration folder, the key being the group
// (KeyLocation.h). Calls never wait for the disk or for other processes: a change is seen at
// once by this process and reaches the file soon after, and at the latest when the program
// ends in order, which includes SIGTERM, SIGINT and SIGHUP (SettingsFile.h). Plain C++.
#pragma once

#include "platform/Win32Errors.h"
#include "platform/Win32Types.h"

namespace platform {
struct RegistryKey;
}  // namespace platform

using HKEY = platform::RegistryKey*;
using LSTATUS = LONG;
using REGSAM = DWORD;

extern const HKEY HKEY_CURRENT_USER;

inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// Opens an existing key; ERROR_FILE_NOT_FOUND when it does not exist.
LSTATUS RegOpenKeyExW(HKEY hKey, const wchar_t* lpSubKey, DWORD ulOptions, REGSAM samDesired,
                      HKEY* phkResult);

// Reads a 32-bit value into a buffer of at least 4 bytes. A stored number outside the 32-bit
// range is longer than that (ERROR_MORE_DATA), a stored text that is not a number gives
// ERROR_INVALID_DATA; lpData is then left alone.
LSTATUS RegQueryValueExW(HKEY hKey, const wchar_t* lpValueName, DWORD* lpReserved, DWORD* lpType,
                         BYTE* lpData, DWORD* lpcbData);

// Opens the key, creating it and any missing parents first; the class and the security
// attributes are not kept. ERROR_ACCESS_DENIED when the file cannot be written (not a
// regular file, say).
LSTATUS RegCreateKeyExW(HKEY hKey, const wchar_t* lpSubKey, DWORD Reserved, wchar_t* lpClass,
                        DWORD dwOptions, REGSAM samDesired, void* lpSecurityAttributes,
                        HKEY* phkResult, DWORD* lpdwDisposition);

// Writes a REG_DWORD value (4 bytes), stored as a signed decimal number. Until the change is
// on the disk (it is tried again while the disk refuses it), the file keeps the value stored
// before.
LSTATUS RegSetValueExW(HKEY hKey, const wchar_t* lpValueName, DWORD Reserved, DWORD dwType,
                       const BYTE* lpData, DWORD cbData);

// Closes a key handle; ERROR_INVALID_HANDLE for anything that is not an open key.
LSTATUS RegCloseKey(HKEY hKey);
