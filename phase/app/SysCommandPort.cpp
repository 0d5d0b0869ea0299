#include "phase/app/SysCommandPort.h"

#include <QAbstractEventDispatcher>
#include <QDBusConnection>
#include <QEvent>
#include <QWidget>
#include <utility>

#include "phase/app/PhaseDlg.h"
#include "platform/ui/Wnd.h"

namespace {

const QString kObjectPath = QStringLiteral("/TidewellPhase");
constexpr int kFallbackMilliseconds = 1000;

}  // namespace

SysCommandPort::SysCommandPort(CWnd* pWnd) : m_pWnd(pWnd) {
    m_fallback.setSingleShot(true);
    m_fallback.callOnTimeout(this, &SysCommandPort::Offer);
}

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
    if (QWidget* window = m_pWnd->GetSafeHwnd(); window != nullptr) {
        window->installEventFilter(this);
    }
    m_fallback.start(kFallbackMilliseconds);
}

bool SysCommandPort::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Once the event loop is about to wait: by then the window system has been handed the
        // painted pixels (they leave when the loop waits), which the bus's round trips would
        // otherwise hold back.
        if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
            loop != nullptr) {
            connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &SysCommandPort::Offer,
                    Qt::SingleShotConnection);
        } else {
            QMetaObject::invokeMethod(this, &SysCommandPort::Offer, Qt::QueuedConnection);
        }
    }
    return false;
}

void SysCommandPort::Offer() {
    m_fallback.stop();
    if (m_wanted.isEmpty()) {
        return;
    }
    const QString service = std::exchange(m_wanted, QString());
    if (QWidget* window = m_pWnd->GetSafeHwnd(); window != nullptr) {
        window->removeEventFilter(this);
    }
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
