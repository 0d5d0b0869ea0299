// List boxes: CListBox, the window object of a list box, through which an owner-drawn list box
// draws its lines, and the owner-draw record it is handed for each line (OCM_DRAWITEM). The
// list box messages and styles are in Messages.h.
#pragma once

#include <string>

#include "platform/ui/Messages.h"
#include "platform/ui/UiTypes.h"
#include "platform/ui/Wnd.h"

class CDC;

// Owner drawing: what to draw and the state of the line.
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODA_SELECT = 0x0002;
inline constexpr UINT ODA_FOCUS = 0x0004;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_FOCUS = 0x0010;

inline constexpr UINT ODT_LISTBOX = 2;

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
