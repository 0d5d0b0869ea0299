// Which font faces this system can honour when a program asks for one by name.
#pragma once

#include <QString>

namespace platform::qt {

// True when an installed font family has this name (letter case aside), or when the font
// configuration names a stand-in family for it, as it does for the common faces of the other
// platform; such a request is then served by the stand-in. False for a face nothing answers
// to, which would silently fall back to the default family.
bool IsFontFaceAvailable(const QString& face);

}  // namespace platform::qt
