// The files behind the named kernel objects: one regular file per object name in a private
// per-user folder: $XDG_RUNTIME_DIR/tidewell, or, when the variable is not set or that folder
// cannot be used safely, tidewell-<uid> in the temporary folder.
#pragma once

#include "platform/Win32Types.h"

namespace platform {

// Opens (creating if needed) the file of the named object, read-write and close-on-exec.
// Returns the descriptor, or -1 with *error set to the reason: a folder that cannot be made,
// or is unsafe (a link, not a folder, not the user's own, or open to others), is passed over
// for the next; when none is left, or a link stands in place of the file, it is refused.
int OpenObjectFile(const wchar_t* name, LONG* error);

}  // namespace platform
