#include "platform/ui/ComboBox.h"

#include <memory>

#include "platform/ui/qt/ComboBoxControl.h"
#include "platform/ui/qt/WindowPlumbing.h"

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (m_hWnd != nullptr || pParentWnd == nullptr || !IsWindow(pParentWnd->GetSafeHwnd())) {
        return FALSE;
    }
    auto control =
        std::make_unique<platform::qt::ComboBoxControl>(dwStyle, pParentWnd->GetSafeHwnd());
    platform::qt::RegisterWindow(control.get());
    control->setProperty(platform::qt::kControlIdProperty, static_cast<int>(nID));
    control->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    control->setEnabled((dwStyle & WS_DISABLED) == 0);
    control->setVisible((dwStyle & WS_VISIBLE) != 0);
    if (!SubclassWindow(control.get())) {
        return FALSE;
    }
    CREATESTRUCT create{pParentWnd->GetSafeHwnd(),
                        rect.bottom - rect.top,
                        rect.right - rect.left,
                        rect.top,
                        rect.left,
                        dwStyle};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        Detach();
        return FALSE;  // the refused window goes with control
    }
    control.release();  // the parent window owns it from now on
    return TRUE;
}

LRESULT CComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

int CComboBox::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/) {
    return static_cast<int>(Default());
}
