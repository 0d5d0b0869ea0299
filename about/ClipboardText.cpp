#include "about/ClipboardText.h"

#include <cstring>

#include "platform/ui/Clipboard.h"

BOOL CopyTextToClipboard(const char* lpszText) {
    if (lpszText == nullptr) {
        return FALSE;
    }
    // The block is made ready before the clipboard is emptied, so that a failure leaves the
    // user's clipboard as it was instead of empty.
    const std::size_t size = std::strlen(lpszText) + 1;
    HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (hData == nullptr) {
        return FALSE;
    }
    auto* pData = static_cast<char*>(GlobalLock(hData));
    if (pData == nullptr) {
        GlobalFree(hData);
        return FALSE;
    }
    std::memcpy(pData, lpszText, size);
    GlobalUnlock(hData);

    if (!OpenClipboard(nullptr)) {
        GlobalFree(hData);
        return FALSE;
    }
    if (!EmptyClipboard() || SetClipboardData(CF_TEXT, hData) == nullptr) {
        GlobalFree(hData);
        CloseClipboard();
        return FALSE;
    }
    CloseClipboard();  // the clipboard owns the block now
    return TRUE;
}
