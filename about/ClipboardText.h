// Putting 8-bit text on the desktop clipboard.
#pragma once

#include "platform/Win32Types.h"

// Puts lpszText on the clipboard as plain text; FALSE when that cannot be done, in which case
// whatever the clipboard held before is still there.
BOOL CopyTextToClipboard(const char* lpszText);
