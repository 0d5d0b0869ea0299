// The window object of the dialog framework: a C++ object bound to one Qt widget (its window).
// The program sends messages to windows and works on them through it, and receives the
// messages of its own window in WindowProc, which hands them to the On... handlers; what a
// handler passes on with Default() reaches Qt's own handling of the event in progress, or
// the built-in default handling of the message.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/ui/Messages.h"
#include "platform/ui/UiTypes.h"

class CDC;

// The message handling of a control class itself: a control widget that implements it gets
// the messages that its CWnd (if it has one) passes on to default handling, and the messages
// sent to it while no CWnd is bound to it.
class ControlProcedure {
public:
    virtual ~ControlProcedure() = default;
    virtual LRESULT ControlProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

class CWnd {
public:
    CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // The bound window, null while there is none.
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Binds this object to an existing window that has no object yet, so that the window's
    // messages come to this object; FALSE when either is already bound.
    BOOL SubclassWindow(HWND hWnd);
    // Binds this object to the control nID of pParent.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Unbinds the window; it stays as it is.
    HWND Detach();

    // Delivers the message to the window now and returns its answer; 0 without a window.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The control nID of this window, as an object that lives while the window does (the
    // bound object when it has one); null when there is no such control.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;

    // The outer (frame) rectangle in screen coordinates.
    void GetWindowRect(LPRECT lpRect) const;
    // The client area: (0, 0) to its width and height.
    void GetClientRect(LPRECT lpRect) const;
    // Places the outer rectangle at (x, y) of the screen (a child: of its parent's client
    // area) with the given outer size; what changes is repainted.
    void MoveWindow(int x, int y, int nWidth, int nHeight);
    // Asks for a paint of the rectangle (null: the whole client area), background first.
    void InvalidateRect(const RECT* lpRect);
    BOOL IsIconic() const;

    // Starts (or restarts) timer nIDEvent: every nElapse milliseconds a WM_TIMER with
    // nIDEvent arrives. Returns nIDEvent, or 0 without a window.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // A surface for measuring text in this window (it draws nothing); give it back with
    // ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);

    // How the stand-in delivers a message that comes from Qt (an event of the window):
    // platformDefault, when given, is Qt's own handling of that event, run by Default().
    LRESULT DeliverMessage(UINT message, WPARAM wParam, LPARAM lParam,
                           const std::function<void()>* platformDefault);

protected:
    // Hands the message to its handler; messages without one go to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of a message: the control's own procedure for a control, the
    // built-in handling otherwise (system commands close, minimise and restore; WM_SETICON
    // sets the window's icon).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes the message in progress on to its default handling.
    LRESULT Default();

    // Binds the window (the dialog's own); FALSE when either is already bound.
    BOOL Attach(HWND hWnd);

    // Handlers; each passes the message on to Default() unless overridden.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnPaint();
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnMove(int x, int y);
    virtual void OnSysCommand(UINT nID, LPARAM lParam);
    virtual HCURSOR OnQueryDragIcon();
    virtual void OnClose();

private:
    struct Message;
    void Unbind();

    Message* m_pMessage = nullptr;  // the message in progress, innermost first
    mutable std::map<int, std::unique_ptr<CWnd>> m_items;  // objects of unbound controls
    std::function<void()> m_disconnect;
};

// The property of a control widget that holds its control identifier.
inline constexpr char kControlIdProperty[] = "twControlId";

// Records hWnd as a window of the stand-in until it is destroyed: windows and controls are
// registered by whoever creates them.
void RegisterWindow(HWND hWnd);
// Whether hWnd is a live registered window.
BOOL IsWindow(HWND hWnd);

// Sends the message to the window hWnd: to its bound object, or to its default handling.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
