#include "platform/ui/Dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/ui/PaintDc.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/qt/DialogTemplate.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/qt/WindowPlumbing.h"

namespace {

// The dialogs in their modal runs, the innermost last.
std::vector<CDialog*>& RunningDialogs() {
    static std::vector<CDialog*> running;
    return running;
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (pDX == nullptr || rControl.GetSafeHwnd() != nullptr) {
        return;
    }
    rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    const std::optional<platform::qt::DialogTemplate> dialogTemplate =
        platform::qt::DialogTemplate::Load(m_nIDTemplate);
    if (!dialogTemplate || m_hWnd != nullptr) {
        return -1;
    }
    HWND owner =
        m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : QApplication::activeModalWidget();
    auto window = std::make_unique<platform::qt::DialogWindow>(*dialogTemplate, owner);
    platform::qt::RegisterWindow(window.get());
    Attach(window.get());
    window->setWindowModality(Qt::ApplicationModal);
    m_nModalResult = -1;
    m_bEnded = false;

    const bool focusFirst = SendMessage(WM_INITDIALOG) != FALSE;
    // A dialog that set-up did not place is shown in the middle.
    if (!window->testAttribute(Qt::WA_Moved)) {
        window->Center();
    }
    if (focusFirst) {
        window->FocusFirstControl();
    }
    if (!m_bEnded) {
        QEventLoop loop;
        m_pLoop = &loop;
        RunningDialogs().push_back(this);
        window->show();
        loop.exec();
        std::erase(RunningDialogs(), this);
        m_pLoop = nullptr;
    }
    Detach();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    // The dialogs run from within this one's run go with it, innermost first, as owned windows
    // go with their owner: its run cannot end before theirs.
    std::vector<CDialog*>& running = RunningDialogs();
    if (std::find(running.begin(), running.end(), this) != running.end()) {
        while (running.back() != this) {
            CDialog* inner = running.back();
            running.pop_back();
            inner->EndDialog(IDCANCEL);
        }
    }
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_hWnd != nullptr) {
        m_hWnd->hide();
    }
    if (m_pLoop != nullptr) {
        m_pLoop->exit();
    }
}

BOOL CDialog::OnInitDialog() {
    return UpdateData(FALSE);
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange{this, bSaveAndValidate};
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return OnInitDialog();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A dialog closes as if Cancel had been pressed.
    if (message == WM_CLOSE) {
        return SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            return FALSE;
    }
}

void CDialog::PaintIconCentered(HICON hIcon) {
    CPaintDC dc(this);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, hIcon);
}
