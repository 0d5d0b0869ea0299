#include "about/CColorListBox.h"

#include <cstring>
#include <memory>
#include <new>

#include "about/ClipboardText.h"
#include "about/PaletteColors.h"
#include "platform/ui/Dc.h"
#include "platform/ui/SystemMetrics.h"

namespace {

constexpr int kCodeLength = 2;
// A full list gives up this many of its oldest lines at most.
constexpr int kLinesDroppedWhenFull = 20;

int ColorCode(int index) {
    return index + 1;
}

bool IsColorCode(char c) {
    const int value = static_cast<unsigned char>(c);
    return value >= ColorCode(0) && value <= ColorCode(kPaletteSize - 1);
}

// Whether a stored line starts with its two colour codes. Lines put in by other means than
// AddLine do not, and are shown whole in the list box's own colours.
bool IsCodedLine(const char* line) {
    return IsColorCode(line[0]) && IsColorCode(line[1]);
}

const char* VisibleText(const char* line) {
    return IsCodedLine(line) ? line + kCodeLength : line;
}

}  // namespace

CColorListBox::CColorListBox()
    : m_crHighlight(GetSysColor(COLOR_HIGHLIGHT)),
      m_crHighlightText(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crWindow(GetSysColor(COLOR_WINDOW)),
      m_crWindowText(GetSysColor(COLOR_WINDOWTEXT)) {}

void CColorListBox::AddLine(UINT nTextColor, int nBackColor, const char* lpszText) {
    if (!IsWindow(m_hWnd)) {
        return;
    }
    const int text =
        nTextColor < static_cast<UINT>(kPaletteSize) ? static_cast<int>(nTextColor) : kColorBlack;
    const int back = nBackColor >= 0 && nBackColor < kPaletteSize ? nBackColor : kColorBlack;

    std::string line;
    line += static_cast<char>(ColorCode(text));
    line += static_cast<char>(ColorCode(back));
    for (const char* p = lpszText != nullptr ? lpszText : ""; *p != '\0'; ++p) {
        line += *p == '\r' || *p == '\n' ? ' ' : *p;
    }
    const auto coded = reinterpret_cast<LPARAM>(line.c_str());

    LRESULT result = SendMessage(LB_ADDSTRING, 0, coded);
    if (result == LB_ERRSPACE) {
        // Full: the oldest lines make room, and the list is repainted once afterwards.
        const LRESULT count = SendMessage(LB_GETCOUNT);
        if (count == LB_ERR || count < 2) {
            return;
        }
        const LRESULT drop = count >= kLinesDroppedWhenFull ? kLinesDroppedWhenFull : count - 1;
        SendMessage(WM_SETREDRAW, FALSE);
        for (LRESULT i = 0; i < drop; ++i) {
            SendMessage(LB_DELETESTRING, 0);
        }
        result = SendMessage(LB_ADDSTRING, 0, coded);
        SendMessage(WM_SETREDRAW, TRUE);
    }
    if (result >= 0) {
        SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(result));
    }
    SendMessage(LB_SETCURSEL, static_cast<WPARAM>(-1));
}

void CColorListBox::GetLineText(int nIndex, std::string& rText) const {
    if (!IsWindow(m_hWnd)) {
        return;
    }
    std::string line;
    GetText(nIndex, line);
    rText = VisibleText(line.c_str());
}

int CColorListBox::GetRawText(int nIndex, char* lpszBuffer) const {
    if (!IsWindow(m_hWnd) || lpszBuffer == nullptr) {
        return -1;
    }
    lpszBuffer[0] = '\0';
    return static_cast<int>(::SendMessage(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                                          reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CColorListBox::ClearLines() {
    if (!IsWindow(m_hWnd)) {
        return;
    }
    SendMessage(LB_RESETCONTENT);
    m_nMaxExtent = 0;
    SendMessage(LB_SETHORIZONTALEXTENT, 0);
}

void CColorListBox::SetFont(CFont* pFont, BOOL bRedraw) {
    if (!IsWindow(m_hWnd)) {
        return;
    }
    HFONT hFont = pFont != nullptr ? pFont->GetSafeHandle() : nullptr;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
    if (CDC* pDC = GetDC()) {
        CFont* pOldFont = pDC->SelectObject(pFont);
        TEXTMETRICA metrics{};
        if (pDC->GetTextMetricsA(&metrics)) {
            SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(LOWORD(metrics.tmHeight), 0));
        }
        pDC->SelectObject(pOldFont);
        ReleaseDC(pDC);
    }
    // The next line drawn sets the extent anew from its own width.
    m_nMaxExtent = 0;
}

void CColorListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct == nullptr || lpDrawItemStruct->hDC == nullptr) {
        return;
    }
    const DRAWITEMSTRUCT& item = *lpDrawItemStruct;
    CDC* pDC = item.hDC;
    m_nCharWidth = 0;
    pDC->GetCharWidthA('c', 'c', &m_nCharWidth);
    for (int i = 0; i < kTabStops; ++i) {
        m_tabStops[i] = m_nCharWidth * 8 * (i + 1);
    }

    if (item.itemID == -1) {
        // An empty list box with the focus shows only the focus frame.
        if ((item.itemAction & ODA_FOCUS) != 0) {
            pDC->DrawFocusRect(&item.rcItem);
        }
        return;
    }
    if ((item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0) {
        DrawLine(item);
    }
    if ((item.itemAction & ODA_FOCUS) != 0 ||
        ((item.itemAction & ODA_DRAWENTIRE) != 0 && (item.itemState & ODS_FOCUS) != 0)) {
        pDC->DrawFocusRect(&item.rcItem);
    }
}

void CColorListBox::DrawLine(const DRAWITEMSTRUCT& item) {
    const LRESULT length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(item.itemID));
    if (length == LB_ERR) {
        return;
    }
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<std::size_t>(length) + 10]);
    if (buffer == nullptr || GetRawText(item.itemID, buffer.get()) == -1) {
        return;
    }
    const char* line = buffer.get();

    COLORREF crText = m_crWindowText;
    COLORREF crBack = m_crWindow;
    if ((item.itemState & ODS_SELECTED) != 0) {
        crText = m_crHighlightText;
        crBack = m_crHighlight;
    } else if (IsCodedLine(line)) {
        crText = PaletteColors[static_cast<unsigned char>(line[0]) - 1];
        crBack = PaletteColors[static_cast<unsigned char>(line[1]) - 1];
    }
    CDC* pDC = item.hDC;
    pDC->SetTextColor(crText);
    pDC->SetBkColor(crBack);
    pDC->ExtTextOut(0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0);

    const char* text = VisibleText(line);
    const int textLength = static_cast<int>(std::strlen(text));
    pDC->TabbedTextOut(item.rcItem.left, item.rcItem.top, text, textLength, kTabStops, m_tabStops,
                       0);

    SIZE extent{0, 0};
    pDC->GetTextExtentPoint32A(text, textLength, &extent);
    const int width = extent.cx + GetSystemMetrics(SM_CXVSCROLL);
    if (width > m_nMaxExtent) {
        m_nMaxExtent = width;
        SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width + width / 32));
    }
}

LRESULT CColorListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(static_cast<UINT>(wParam),
                            POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CONTEXTMENU:
            OnContextMenu(FromHandlePermanent(reinterpret_cast<HWND>(wParam)),
                          POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        default:
            return CListBox::WindowProc(message, wParam, lParam);
    }
}

BOOL CColorListBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case ID_EDIT_SELECT_ALL:
            OnEditSelectAll();
            return TRUE;
        case ID_EDIT_COPY:
            OnEditCopy();
            return TRUE;
        case ID_EDIT_CLEAR:
            OnEditClear();
            return TRUE;
        default:
            return CListBox::OnCommand(wParam, lParam);
    }
}

void CColorListBox::OnEditCopy() {
    std::string result;
    const LRESULT count = SendMessage(LB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessage(LB_GETSEL, static_cast<WPARAM>(i)) <= 0) {
            continue;
        }
        std::string text;
        GetLineText(static_cast<int>(i), text);
        if (text.empty()) {
            continue;
        }
        const std::size_t first = text.find_first_not_of("\r\n");
        const std::size_t last = text.find_last_not_of("\r\n");
        text = first == std::string::npos ? "" : text.substr(first, last - first + 1);
        if (text.find('\n') == std::string::npos) {
            text += '\n';
        }
        for (char& c : text) {
            if (c == '\t') {
                c = ' ';
            }
        }
        result += text;
    }
    if (!result.empty()) {
        CopyTextToClipboard(result.c_str());
    }
}

void CColorListBox::OnEditSelectAll() {
    if (!IsWindow(m_hWnd)) {
        return;
    }
    // Honoured by list boxes with multiple selection only.
    const LRESULT count = SendMessage(LB_GETCOUNT);
    SendMessage(LB_SELITEMRANGEEX, 0, static_cast<LPARAM>(count - 1));
}

void CColorListBox::OnEditClear() {
    ClearLines();
}

void CColorListBox::OnContextMenu(CWnd* /*pWnd*/, POINT /*point*/) {}

void CColorListBox::OnLButtonDblClk(UINT /*nFlags*/, POINT /*point*/) {
    Default();
}
