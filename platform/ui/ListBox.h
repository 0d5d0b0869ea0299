// List boxes: the messages, styles and owner-draw record of the list box control, and CListBox,
// the window object of a list box, through which an owner-drawn list box draws its lines.
#pragma once

#include <string>

#include "platform/ui/Messages.h"
#include "platform/ui/UiTypes.h"
#include "platform/ui/Wnd.h"

class CDC;

// List box messages.
inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_DELETESTRING = 0x0182;
inline constexpr UINT LB_SELITEMRANGEEX = 0x0183;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETSEL = 0x0185;
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT LB_GETSEL = 0x0187;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_GETTOPINDEX = 0x018E;
inline constexpr UINT LB_GETHORIZONTALEXTENT = 0x0193;
inline constexpr UINT LB_SETHORIZONTALEXTENT = 0x0194;
inline constexpr UINT LB_SETTOPINDEX = 0x0197;
inline constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;

inline constexpr LRESULT LB_ERR = -1;
inline constexpr LRESULT LB_ERRSPACE = -2;

// Notifications to the owner (WM_COMMAND, high word), sent with LBS_NOTIFY.
inline constexpr WORD LBN_SELCHANGE = 1;
inline constexpr WORD LBN_DBLCLK = 2;

// List box styles.
inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD LBS_MULTIPLESEL = 0x0008;
inline constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
inline constexpr DWORD LBS_HASSTRINGS = 0x0040;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
inline constexpr DWORD LBS_EXTENDEDSEL = 0x0800;

// Owner drawing: what to draw and the state of the line.
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODA_SELECT = 0x0002;
inline constexpr UINT ODA_FOCUS = 0x0004;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_FOCUS = 0x0010;

inline constexpr UINT ODT_LISTBOX = 2;

// The request to draw one line, reflected by the list box to its own window object.
inline constexpr UINT OCM_DRAWITEM = 0x2000 + WM_DRAWITEM;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    int itemID;  // -1: an empty list box draws its focus
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    CDC* hDC;  // the surface to draw on, with the list box's font selected
    RECT rcItem;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

class CListBox : public CWnd {
public:
    // The text of line nIndex into rString; the length, or LB_ERR (rString then unchanged).
    int GetText(int nIndex, std::string& rString) const;

    // Draws one line of an owner-drawn list box. Without an override nothing is drawn.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
