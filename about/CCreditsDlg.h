// The credits dialog: the night picture above a colour list box that shows the first four
// arguments it was given as credit lines, yellow on black in a 12-point font, and an OK button.
#pragma once

#include <memory>

#include "about/ArgumentSlots.h"
#include "about/CColorListBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Gdi.h"

class CCreditsDlg : public CDialog {
public:
    static constexpr UINT IDD = 102;
    static constexpr int IDC_CREDITS = 1004;
    static constexpr int kCreditLines = 4;

    explicit CCreditsDlg(CWnd* pParent = nullptr);

    // Offers the next argument; the first twenty are kept, and the first four become the
    // credit lines.
    void AddArgument(const char* lpszText);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;

    CColorListBox m_list;
    std::unique_ptr<CFont> m_pFont;  // outlives the list box window, which uses it
    ArgumentSlot m_args[kArgumentSlots];
    int m_nArgs;
    HICON m_hIcon;
};
