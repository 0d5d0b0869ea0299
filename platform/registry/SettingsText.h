// The text of a settings file: groups of named values, one "name=value" line each, under a
// "[group]" line, as the INI files of the user's configuration folder are written.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace platform {

// Group name -> (value name -> value text). The group "" holds the lines before the first
// group line. A group without values still counts: it is written as its group line alone.
using SettingsGroups = std::map<std::string, std::map<std::string, std::string>>;

// No line of a sound file comes near this; longer ones are dropped unread.
inline constexpr std::size_t kMaxSettingsLine = 4096;

// The groups and values of the text. Only lines of printable UTF-8 text of at most
// kMaxSettingsLine bytes that are a group line or a "name=value" line count (names and
// values without the blanks around them); everything else is dropped, so a damaged file or
// one in another encoding yields what can still be read of it. Of a name given twice in a
// group the last counts.
SettingsGroups ParseSettings(std::string_view text);

// The text of the groups: the group "" first without a group line, then the others in order
// of their names, each followed by its values in order of their names and an empty line.
std::string FormatSettings(const SettingsGroups& groups);

}  // namespace platform
