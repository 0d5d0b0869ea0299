#include "platform/ui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <vector>

#include "platform/ui/UiTestAccess.h"

namespace {

struct Block {
    std::vector<char> bytes;
    int locks = 0;
};

struct ClipboardState {
    bool open = false;
    bool owned = false;           // emptied since it was opened
    std::unique_ptr<Block> data;  // the block handed over last
};

ClipboardState& State() {
    static ClipboardState state;
    return state;
}

std::size_t& AllocLimit() {
    static std::size_t limit = std::numeric_limits<std::size_t>::max();
    return limit;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT /*uFlags*/, std::size_t dwBytes) {
    // Blocks always start zeroed, which GMEM_ZEROINIT asks for and nothing else minds.
    if (dwBytes > AllocLimit()) {
        return nullptr;
    }
    try {
        auto block = std::make_unique<Block>();
        block->bytes.assign(dwBytes, '\0');
        return block.release();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* GlobalLock(HGLOBAL hMem) {
    auto* block = static_cast<Block*>(hMem);
    if (block == nullptr) {
        return nullptr;
    }
    ++block->locks;
    return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL hMem) {
    auto* block = static_cast<Block*>(hMem);
    if (block == nullptr || block->locks == 0) {
        return FALSE;
    }
    return --block->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
    if (hMem != nullptr && hMem == State().data.get()) {
        return hMem;
    }
    delete static_cast<Block*>(hMem);
    return nullptr;
}

BOOL OpenClipboard(HWND /*hWndNewOwner*/) {
    ClipboardState& state = State();
    if (state.open || QGuiApplication::clipboard() == nullptr) {
        return FALSE;
    }
    state.open = true;
    state.owned = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    ClipboardState& state = State();
    if (!state.open) {
        return FALSE;
    }
    QGuiApplication::clipboard()->clear();
    state.data.reset();
    state.owned = true;
    return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) {
    ClipboardState& state = State();
    auto* block = static_cast<Block*>(hMem);
    if (!state.open || !state.owned || uFormat != CF_TEXT || block == nullptr) {
        return nullptr;
    }
    // The text ends at its terminator, or at the end of a block that has none.
    const char* bytes = block->bytes.data();
    const std::size_t length = strnlen(bytes, block->bytes.size());
    QGuiApplication::clipboard()->setText(QString::fromUtf8(bytes, static_cast<qsizetype>(length)));
    state.data.reset(block);
    return hMem;
}

BOOL CloseClipboard() {
    ClipboardState& state = State();
    if (!state.open) {
        return FALSE;
    }
    state.open = false;
    state.owned = false;
    return TRUE;
}

void platform::testing::UiTestAccess::SetGlobalAllocLimit(std::size_t bytes) {
    AllocLimit() = bytes;
}
