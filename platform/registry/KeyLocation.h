// Where a registry key path is kept: "Software\<Org>\<App>[\<sub>\...]" is the INI file
// <Org>/<App>.conf in the user's configuration folder, the subkeys forming the group path.
#pragma once

#include <optional>

#include <QString>

namespace platform {

struct KeyLocation {
    QString file;   // absolute path of the INI file
    QString group;  // "sub/path", empty for the application's own key
};

// The location of a key path relative to HKEY_CURRENT_USER, or nothing for a path that no
// file can hold: outside "Software\<Org>\<App>", with an empty part, or with a part that
// would step out of the configuration folder or into another group (".", "..", "/").
std::optional<KeyLocation> LocateKey(const QString& keyPath);

}  // namespace platform
