#include "phase/app/SysCommandPort.h"

#include <QDBusConnection>
#include <utility>

#include "phase/app/PhaseDlg.h"
#include "platform/ui/FirstPaint.h"
#include "platform/ui/Wnd.h"

namespace {

const QString kObjectPath = QStringLiteral("/TidewellPhase");

}  // namespace

SysCommandPort::SysCommandPort(CWnd* pWnd) : m_pWnd(pWnd) {}

SysCommandPort::~SysCommandPort() {
    if (m_service.isEmpty()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(kObjectPath);
    bus.unregisterService(m_service);
}

void SysCommandPort::Open(int32_t nSlot) {
    m_wanted =
        QStringLiteral("org.velmora.TidewellPhase.TWP%1").arg(nSlot, 3, 10, QLatin1Char('0'));
    // The bus's round trips would hold back the window's first pixels.
    platform::AfterFirstPaint(m_pWnd->GetSafeHwnd(), this, [this] { Offer(); });
}

void SysCommandPort::Offer() {
    if (m_wanted.isEmpty()) {
        return;
    }
    const QString service = std::exchange(m_wanted, QString());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerService(service)) {
        return;
    }
    if (!bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots)) {
        bus.unregisterService(service);
        return;
    }
    m_service = service;
}

void SysCommandPort::SysCommand(uint id) {
    // The About box runs a modal loop of its own: answer the caller first.
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            // One About box at a time: while one is open over the window, the window is
            // disabled and a second command to open one does nothing.
            if ((id & 0xFFF0) == IDM_ABOUTBOX && !m_pWnd->IsWindowEnabled()) {
                return;
            }
            m_pWnd->SendMessage(WM_SYSCOMMAND, id, 0);
        },
        Qt::QueuedConnection);
}
