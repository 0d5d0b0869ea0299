// Combo boxes: the messages and styles of the combo box control, and CComboBox, the window
// object of a combo box, which can make its own control window. Creation passes WM_CREATE
// through the object, so that a class of its own can fill the box as it is made.
#pragma once

#include "platform/ui/UiTypes.h"
#include "platform/ui/Wnd.h"

// Combo box messages.
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
inline constexpr UINT CB_RESETCONTENT = 0x014B;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;

inline constexpr LRESULT CB_ERR = -1;
inline constexpr LRESULT CB_ERRSPACE = -2;

// Combo box styles: the kind is the low two bits.
inline constexpr DWORD CBS_SIMPLE = 0x0001;
inline constexpr DWORD CBS_DROPDOWN = 0x0002;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;

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
