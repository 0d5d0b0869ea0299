#include "platform/ui/Wnd.h"

#include <QApplication>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <unordered_map>
#include <utility>

#include "platform/ui/Dc.h"
#include "platform/ui/qt/ApplicationStart.h"
#include "platform/ui/qt/WindowPlumbing.h"

using platform::qt::kControlIdProperty;

struct CWnd::Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Message* outer;
};

namespace {

std::unordered_map<HWND, CWnd*>& BoundObjects() {
    static std::unordered_map<HWND, CWnd*> bound;
    return bound;
}

QString TimerName(UINT_PTR nIDEvent) {
    return QStringLiteral("twTimer%1").arg(nIDEvent);
}

// The default handling of a window: the procedure of its widget's class (step 6 in Wnd.h).
LRESULT DefaultProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hWnd)) {
        return 0;
    }
    auto* procedure = dynamic_cast<platform::qt::ControlProcedure*>(hWnd);
    return procedure != nullptr ? procedure->ControlProc(message, wParam, lParam) : 0;
}

}  // namespace

BOOL IsWindow(HWND hWnd) {
    return platform::qt::IsRegisteredWindow(hWnd) ? TRUE : FALSE;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (CWnd* object = CWnd::FromHandlePermanent(hWnd)) {
        return object->Deliver(message, wParam, lParam);
    }
    return DefaultProcedure(hWnd, message, wParam, lParam);
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (FromHandlePermanent(m_hWnd) == this) {
        Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    const auto& bound = BoundObjects();
    const auto found = bound.find(hWnd);
    return found == bound.end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!IsWindow(hWnd) || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr) {
        return FALSE;
    }
    m_hWnd = hWnd;
    BoundObjects()[hWnd] = this;
    // A window that goes away takes its binding with it.
    const QMetaObject::Connection connection =
        QObject::connect(hWnd, &QObject::destroyed, [this] { Unbind(); });
    m_disconnect = [connection] { QObject::disconnect(connection); };
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    return Attach(hWnd);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (pParent == nullptr) {
        return FALSE;
    }
    CWnd* item = pParent->GetDlgItem(static_cast<int>(nID));
    return item != nullptr && SubclassWindow(item->m_hWnd);
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (m_disconnect) {
        std::exchange(m_disconnect, nullptr)();
    }
    Unbind();
    return hWnd;
}

void CWnd::Unbind() {
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        BoundObjects().erase(m_hWnd);
    }
    m_hWnd = nullptr;
    m_disconnect = nullptr;
    m_items.clear();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
    Message current{message, wParam, lParam, m_pMessage};
    m_pMessage = &current;
    const LRESULT result = WindowProc(message, wParam, lParam);
    m_pMessage = current.outer;
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_MOVE:
            OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(OnQueryDragIcon());
        case WM_CLOSE:
            OnClose();
            return 0;
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProcedure(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (m_pMessage == nullptr) {
        return 0;
    }
    return DefWindowProc(m_pMessage->message, m_pMessage->wParam, m_pMessage->lParam);
}

BOOL CWnd::OnCommand(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return FALSE;
}
void CWnd::OnPaint() {
    Default();
}
void CWnd::OnTimer(UINT_PTR /*nIDEvent*/) {
    Default();
}
void CWnd::OnMove(int /*x*/, int /*y*/) {
    Default();
}
void CWnd::OnSysCommand(UINT /*nID*/, LPARAM /*lParam*/) {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnClose() {
    Default();
}

CWnd* CWnd::GetDlgItem(int nID) const {
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    const auto children = m_hWnd->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        const QVariant id = child->property(kControlIdProperty);
        if (!id.isValid() || id.toInt() != nID) {
            continue;
        }
        if (CWnd* bound = FromHandlePermanent(child)) {
            return bound;
        }
        std::unique_ptr<CWnd>& item = m_items[nID];
        if (item == nullptr || item->m_hWnd != child) {
            item = std::make_unique<CWnd>();
            item->m_hWnd = child;  // a view of the control, not bound: messages keep their way
        }
        return item.get();
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const {
    return m_hWnd == nullptr ? 0 : m_hWnd->property(kControlIdProperty).toInt();
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    if (lpRect == nullptr || m_hWnd == nullptr) {
        return;
    }
    const QRect r = m_hWnd->isWindow() ? m_hWnd->frameGeometry()
                                       : QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size());
    *lpRect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    if (lpRect == nullptr || m_hWnd == nullptr) {
        return;
    }
    *lpRect = RECT{0, 0, m_hWnd->width(), m_hWnd->height()};
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight) {
    if (m_hWnd == nullptr) {
        return;
    }
    if (!m_hWnd->isWindow()) {
        m_hWnd->setGeometry(x, y, nWidth, nHeight);
        return;
    }
    // Qt places a window by its frame and sizes it by its client area. Where only the
    // compositor places windows (Wayland), the size is all that can be set.
    const QSize frameExtra = m_hWnd->frameGeometry().size() - m_hWnd->size();
    if (platform::qt::CanPlaceWindows()) {
        m_hWnd->move(x, y);
    }
    m_hWnd->resize(nWidth - frameExtra.width(), nHeight - frameExtra.height());
}

void CWnd::InvalidateRect(const RECT* lpRect) {
    if (m_hWnd == nullptr) {
        return;
    }
    if (lpRect == nullptr) {
        m_hWnd->update();
    } else {
        m_hWnd->update(QRect(QPoint(lpRect->left, lpRect->top),
                             QPoint(lpRect->right - 1, lpRect->bottom - 1)));
    }
}

BOOL CWnd::IsIconic() const {
    return m_hWnd != nullptr && m_hWnd->isMinimized();
}

BOOL CWnd::IsWindowEnabled() const {
    if (m_hWnd == nullptr || !m_hWnd->isEnabled()) {
        return FALSE;
    }
    const QWidget* modal = QApplication::activeModalWidget();
    return modal == nullptr || modal == m_hWnd->window() ? TRUE : FALSE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
    if (m_hWnd == nullptr) {
        return 0;
    }
    KillTimer(nIDEvent);
    auto* timer = new QTimer(m_hWnd);  // ends with the window
    timer->setObjectName(TimerName(nIDEvent));
    HWND hWnd = m_hWnd;
    QObject::connect(timer, &QTimer::timeout, timer,
                     [hWnd, nIDEvent] { ::SendMessage(hWnd, WM_TIMER, nIDEvent, 0); });
    timer->start(static_cast<int>(nElapse));
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    auto* timer = m_hWnd->findChild<QTimer*>(TimerName(nIDEvent), Qt::FindDirectChildrenOnly);
    if (timer == nullptr) {
        return FALSE;
    }
    // It may be the timer whose expiry is being handled: let it go once that is done.
    timer->stop();
    timer->setObjectName(QString());
    timer->deleteLater();
    return TRUE;
}

CDC* CWnd::GetDC() {
    return m_hWnd == nullptr ? nullptr : new CDC();
}

int CWnd::ReleaseDC(CDC* pDC) {
    if (pDC == nullptr) {
        return 0;
    }
    delete pDC;
    return 1;
}
