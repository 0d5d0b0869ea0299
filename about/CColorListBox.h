// The colour list box: an owner-drawn list box in which every line carries its own text and
// background colour from the palette. It expands tabs to stops every eight widths of "c",
// keeps the horizontal extent in step with the widest line drawn, makes room when the list is
// full by dropping the oldest lines, and copies, selects and clears lines on command.
//
// Each stored line is coded: text colour index + 1, background colour index + 1, then the
// visible text without carriage returns or line feeds.
#pragma once

#include <string>

#include "platform/ui/Gdi.h"
#include "platform/ui/ListBox.h"

class CColorListBox : public CListBox {
public:
    static constexpr int kTabStops = 100;

    // Reads the selection colours once; the list box window is bound later by the owner.
    CColorListBox();

    // Appends text in the colours nTextColor on nBackColor (palette indices; others mean 0)
    // and scrolls it to the top, with no line left selected.
    void AddLine(UINT nTextColor, int nBackColor, const char* lpszText);
    // The visible text of line nIndex (empty for a line of nothing but its codes); rText is
    // left alone without a window.
    void GetLineText(int nIndex, std::string& rText) const;
    // Copies the stored line into lpszBuffer (room for its length + 1) and returns its
    // length; -1, with nothing written, without a window or on failure.
    int GetRawText(int nIndex, char* lpszBuffer) const;

    // Removes every line and forgets the widest one.
    virtual void ClearLines();
    // Sets the font (null: the system font) and the line height from it.
    virtual void SetFont(CFont* pFont, BOOL bRedraw);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnEditCopy();
    void OnEditSelectAll();
    void OnEditClear();
    // The control carries no popup menu, so a context-menu request ends here.
    void OnContextMenu(CWnd* pWnd, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);

private:
    void DrawLine(const DRAWITEMSTRUCT& item);

    int m_nMaxExtent = 0;
    COLORREF m_crHighlight;
    COLORREF m_crHighlightText;
    COLORREF m_crWindow;
    COLORREF m_crWindowText;
    int m_tabStops[kTabStops] = {};
    int m_nCharWidth = 0;
};
