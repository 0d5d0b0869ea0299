// The files behind the named kernel objects: one regular file per object name in a private
// per-user folder ($XDG_RUNTIME_DIR/tidewell, or tidewell-<uid> in the temporary folder).
#pragma once

#include "platform/Win32Types.h"

namespace platform {

// Opens (creating if needed) the file of the named object, read-write and close-on-exec.
// Returns the descriptor, or -1 with *error set to the reason: an unsafe folder (a link, not
// the user's own, or open to others) or a link in place of the file is refused.
int OpenObjectFile(const wchar_t* name, LONG* error);

}  // namespace platform
