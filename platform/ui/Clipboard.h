// The desktop clipboard (through Qt) in the other platform's calls: open it, empty it, hand it
// a memory block of 8-bit (UTF-8) text, close it; and the movable memory blocks that carry
// the text there.
#pragma once

#include <cstddef>

#include "platform/ui/UiTypes.h"

inline constexpr UINT CF_TEXT = 1;

inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;

using HGLOBAL = HANDLE;

// A block of dwBytes bytes (zeroed with GMEM_ZEROINIT); null when it cannot be had.
HGLOBAL GlobalAlloc(UINT uFlags, std::size_t dwBytes);
// The block's bytes while locked; null for no block.
void* GlobalLock(HGLOBAL hMem);
// FALSE once the last lock is gone.
BOOL GlobalUnlock(HGLOBAL hMem);
// Null when freed; a block that the clipboard owns is not freed (hMem is returned).
HGLOBAL GlobalFree(HGLOBAL hMem);

// FALSE while the clipboard is open already or the program has no desktop clipboard.
BOOL OpenClipboard(HWND hWndNewOwner);
// Takes the clipboard over with nothing on it; FALSE unless it is open.
BOOL EmptyClipboard();
// Puts the text of the block on the clipboard and takes the block over; null when the
// clipboard is not open and emptied, the format is not CF_TEXT or there is no block.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
BOOL CloseClipboard();
