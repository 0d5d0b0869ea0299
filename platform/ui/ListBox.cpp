#include "platform/ui/ListBox.h"

#include <vector>

int CListBox::GetText(int nIndex, std::string& rString) const {
    if (!::IsWindow(m_hWnd)) {
        return LB_ERR;
    }
    const LRESULT length = ::SendMessage(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex));
    if (length < 0) {
        return LB_ERR;
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = ::SendMessage(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                                         reinterpret_cast<LPARAM>(buffer.data()));
    if (copied < 0) {
        return LB_ERR;
    }
    rString.assign(buffer.data(), static_cast<std::size_t>(copied));
    return static_cast<int>(copied);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT /*lpDrawItemStruct*/) {}

LRESULT CListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == OCM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
