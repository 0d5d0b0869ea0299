// The way in for system commands from outside the program: on the session bus, service
// "org.velmora.TidewellPhase.TWP<slot>" (three digits), object "/TidewellPhase", interface
// "org.velmora.TidewellPhase", method SysCommand(uint32). The caller gets its answer at once;
// the command reaches the window as WM_SYSCOMMAND afterwards, on the user-interface thread.
// A command that opens the About box is dropped while one is open: one box at a time.
// Nothing on the bus is needed to show the window, so the port is offered only once the window
// has painted for the first time (or a second after opening, should it never be painted).
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

class CWnd;

class SysCommandPort : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.velmora.TidewellPhase")

public:
    explicit SysCommandPort(CWnd* pWnd);
    ~SysCommandPort() override;

    // Offers the port under the slot's name after the window's first paint. Without a session
    // bus, or when another copy holds the name (two copies sharing slot 0), the program runs
    // without it.
    void Open(int32_t nSlot);

public slots:
    Q_SCRIPTABLE void SysCommand(uint id);

private:
    void Offer();

    QString m_wanted;  // the name to offer once the window has painted
    CWnd* m_pWnd;
    QString m_service;
};
