// What ties the window objects of the dialog framework to Qt widgets: the record of the widgets
// that are windows of the stand-in, the property that holds a control's identifier, and the
// procedure of a window class, which answers the messages that reach a widget's default
// handling (CWnd::DefWindowProc, and every message sent to a widget that no CWnd is bound to).
#pragma once

#include "platform/ui/UiTypes.h"

namespace platform::qt {

// The message handling of a window class itself: a widget that implements it (a dialog window,
// a list box, a combo box) answers the messages that its window object passes on to default
// handling, and the messages sent to it while no window object is bound to it. Messages sent to
// a registered widget without a procedure are answered with 0.
class ControlProcedure {
public:
    virtual ~ControlProcedure() = default;
    virtual LRESULT ControlProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// The line or entry index that a list box or combo box message carries in wParam, where -1
// travels as all bits set.
constexpr int IndexParameter(WPARAM wParam) {
    return static_cast<int>(static_cast<INT_PTR>(wParam));
}

// The property of a control widget that holds its control identifier.
inline constexpr char kControlIdProperty[] = "twControlId";

// Records hWnd as a window of the stand-in until it is destroyed: windows and controls are
// registered by whoever creates them.
void RegisterWindow(HWND hWnd);
// Whether hWnd is a registered window that is not destroyed yet.
bool IsRegisteredWindow(HWND hWnd);

}  // namespace platform::qt
