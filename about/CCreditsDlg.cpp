#include "about/CCreditsDlg.h"

#include <string>

#include "about/PaletteColors.h"
#include "platform/ui/Resources.h"

namespace {

constexpr UINT IDR_MAINFRAME = 128;
// Credit lines are indented by eleven blanks.
constexpr char kCreditIndent[] = "           ";

}  // namespace

CCreditsDlg::CCreditsDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_args{}, m_nArgs(0), m_hIcon(LoadIcon(IDR_MAINFRAME)) {}

void CCreditsDlg::AddArgument(const char* lpszText) {
    if (m_nArgs < kArgumentSlots) {
        CopyBounded(m_args[m_nArgs], kArgumentSlotSize, lpszText != nullptr ? lpszText : "");
    }
    ++m_nArgs;
}

void CCreditsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CREDITS, m_list);
}

BOOL CCreditsDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_pFont = std::make_unique<CFont>();
    if (!m_pFont->CreatePointFont(120, "Frutiger Linotype")) {
        m_pFont->CreatePointFont(120, "Arial");  // without either, the system font is used
    }
    m_list.SetFont(m_pFont.get(), TRUE);

    for (int i = 0; i < kCreditLines; ++i) {
        const std::string formatted = kCreditIndent + std::string(m_args[i]);
        ArgumentSlot line;
        CopyBounded(line, sizeof line, formatted.c_str());
        m_list.AddLine(kColorYellow, kColorBlack, line);
    }
    m_list.SendMessage(LB_SETTOPINDEX, 0);
    return TRUE;  // the focus goes to the OK button
}

void CCreditsDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    PaintIconCentered(m_hIcon);
}

HCURSOR CCreditsDlg::OnQueryDragIcon() {
    return m_hIcon;
}
