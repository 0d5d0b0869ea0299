// Where a registry key path is kept: "Software\<Org>\<App>\<Key>" is the group <Key> of the
// INI file <Org>/<App>.conf in the user's configuration folder.
#pragma once

#include <optional>

#include <QString>

namespace platform {

struct KeyLocation {
    QString file;   // absolute path of the INI file
    QString group;  // the key's group in it
};

// The location of a key path relative to HKEY_CURRENT_USER, or nothing for a path that no
// file can hold: not of the form above, or with a part that is not made of letters, digits,
// "_", "-" and "." alone, or that is "." or "..".
std::optional<KeyLocation> LocateKey(const QString& keyPath);

// Whether the name can stand for a part of a key path or a value in the file as it is: made
// of letters, digits, "_", "-" and "." alone, and neither "." nor "..".
bool IsPlainName(const QString& name);

}  // namespace platform
