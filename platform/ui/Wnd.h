// The window object of the dialog framework: a C++ object bound to one Qt widget (its window).
// The program sends messages to windows and works on them through it, and receives the
// messages of its own window in WindowProc, which hands them to the On... handlers.
//
// How a message travels, so that a call can be followed through the virtual WindowProc:
// 1. Send. ::SendMessage(hWnd, ...), or CWnd::SendMessage, which is the same call, is the one
//    door: the programs send through it, and so does the Qt side when an event of a window
//    becomes a message (qt/DialogWindow.cpp: a paint event becomes WM_PAINT, a move WM_MOVE,
//    the close box WM_SYSCOMMAND SC_CLOSE; a button click sends WM_COMMAND to its dialog).
// 2. Deliver. The object bound to hWnd (FromHandlePermanent) records the message as the one in
//    progress, for Default(), and calls its WindowProc. A window that no object is bound to
//    goes straight to step 6.
// 3. Window procedure. The most derived WindowProc runs: a program's class takes the messages
//    it handles itself (CColorListBox: WM_CONTEXTMENU, WM_LBUTTONDBLCLK) and passes the rest
//    to its base; CDialog, CListBox and CComboBox take theirs (WM_INITDIALOG, OCM_DRAWITEM,
//    WM_CREATE); CWnd::WindowProc maps the rest to the On... handlers below, and a message
//    without a handler to DefWindowProc.
// 4. Handler. The On... handler (most derived override) does its work. The base's handler, or
//    a call of Default(), passes the message in progress on.
// 5. Default. DefWindowProc (CDialog: WM_CLOSE becomes Cancel) hands the message to the
//    window's control procedure.
// 6. Control. The procedure of the widget's class answers (qt/WindowPlumbing.h): a list box or
//    combo box its own messages, a dialog window Qt's own handling of the event in progress (a
//    plain paint, say), WM_SETICON and the system commands. Other widgets answer 0.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/ui/Messages.h"
#include "platform/ui/UiTypes.h"

class CDC;
class CWnd;

// Sends the message to the window hWnd: to its bound object, or to its default handling.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Whether hWnd is a live window of the stand-in.
BOOL IsWindow(HWND hWnd);

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
    // area) with the given outer size; what changes is repainted. Where windows cannot be
    // placed by the program (Wayland), only the size is set.
    void MoveWindow(int x, int y, int nWidth, int nHeight);
    // Asks for a paint of the rectangle (null: the whole client area), background first.
    void InvalidateRect(const RECT* lpRect);
    BOOL IsIconic() const;
    // FALSE without a window, while the window is disabled, and while a modal dialog run over
    // it (an About box from its own handler, say) takes the input in its place.
    BOOL IsWindowEnabled() const;

    // Starts (or restarts) timer nIDEvent: every nElapse milliseconds a WM_TIMER with
    // nIDEvent arrives. Returns nIDEvent, or 0 without a window.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // A surface for measuring text in this window (it draws nothing); give it back with
    // ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);

protected:
    // Hands the message to its handler; messages without one go to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of a message: the procedure of the window's class (step 6 above).
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
    friend LRESULT(::SendMessage)(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    struct Message;
    // Step 2 above: the message in progress is recorded around WindowProc.
    LRESULT Deliver(UINT message, WPARAM wParam, LPARAM lParam);
    void Unbind();

    Message* m_pMessage = nullptr;  // the message in progress, innermost first
    mutable std::map<int, std::unique_ptr<CWnd>> m_items;  // objects of unbound controls
    std::function<void()> m_disconnect;
};
