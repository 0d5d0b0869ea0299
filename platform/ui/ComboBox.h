// Combo boxes: CComboBox, the window object of a combo box, which makes its own control window.
// Creation passes WM_CREATE through the object, so that a class of its own can fill the box as
// it is made. The credits program's colour combo box is the one class built on it, and no dialog
// creates one: no template holds a combo box and no program calls Create; only the tests make
// one. The combo box messages and styles are in Messages.h.
#pragma once

#include "platform/ui/UiTypes.h"
#include "platform/ui/Wnd.h"

// What WM_CREATE carries (lParam): the window being made.
struct CREATESTRUCT {
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    DWORD style;
};
using LPCREATESTRUCT = CREATESTRUCT*;

class CComboBox : public CWnd {
public:
    // Makes the combo box window as child nID of pParentWnd and binds it to this object; the
    // object then receives WM_CREATE. FALSE, and no window, when there is no parent window,
    // the object already has one, or the creation is refused (WM_CREATE answers -1).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Passes WM_CREATE on to the control's own handling, which refuses (-1) a style that
    // names no kind of combo box.
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
};
