#include "phase/app/PhaseDlg.h"

#include <cwchar>

#include "phase/app/InstanceSlot.h"
#include "phase/app/PhaseAboutDlg.h"
#include "phase/app/StripAccessible.h"
#include "phase/app/SysCommandPort.h"
#include "phase/strip/PhaseStrip.h"
#include "platform/clock/SystemTime.h"
#include "platform/ui/Dc.h"
#include "platform/ui/PaintDc.h"
#include "platform/ui/Resources.h"

namespace {

constexpr UINT kIconId = 128;
// Northern pictures of phase kinds 0 to 3, then the southern ones.
constexpr UINT kBitmapIds[CPhaseDlg::kPictures] = {129, 131, 132, 133, 135, 136, 137, 138};

constexpr UINT_PTR kDateTimer = 1;
constexpr UINT kDateCheckMilliseconds = 400;

// The strip: a 120 by 120 picture per cell, 130 pixels apart, with three lines of text under
// it in a column 25 pixels in from the picture's left edge.
constexpr int kPictureSize = 120;
constexpr int kCellPitch = 130;
constexpr int kTextIndent = 25;
constexpr int kLabelY = 117;
constexpr int kDateY = 133;
constexpr int kTimeY = 149;
constexpr COLORREF kTextColor = RGB(204, 204, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

CPhaseDlg::CPhaseDlg(CWnd* pParent)
    : CDialog(IDD, pParent),
      m_bInitialized(false),
      m_bSouth(false),
      m_nYear(0),
      m_nMonth(0),
      m_nDay(0),
      m_nSlot(0),
      m_szRegKey{},
      m_nXPos(0),
      m_nYPos(0),
      m_phases{},
      m_hIcon(LoadIcon(kIconId)) {}

// The pictures go with their CBitmap members.
CPhaseDlg::~CPhaseDlg() = default;

void CPhaseDlg::SetSouth() {
    m_bSouth = true;
}

BOOL CPhaseDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // A picture that cannot be loaded stays empty; its cells then show black.
    for (int32_t i = 0; i < kPictures; ++i) {
        m_bitmaps[i].Attach(LoadBitmap(kBitmapIds[i]));
    }

    BuildPhaseTable(m_phases, kPhaseRows);

    std::wcsncpy(m_szRegKey, L"Software\\Velmora\\Tidewell",
                 sizeof m_szRegKey / sizeof m_szRegKey[0] - 1);

    SYSTEMTIME now;
    GetLocalTime(&now);
    m_nYear = now.wYear;
    m_nMonth = now.wMonth;
    m_nDay = now.wDay;

    m_nSlot = ClaimInstanceSlot();
    RestoreWindowPosition();

    m_pSysCommands = std::make_unique<SysCommandPort>(this);
    m_pSysCommands->Open(m_nSlot);

    m_pStripView = new phase::StripView(GetSafeHwnd());

    SetTimer(kDateTimer, kDateCheckMilliseconds);
    m_bInitialized = true;
    return TRUE;
}

void CPhaseDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CPhaseAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CPhaseDlg::OnPaint() {
    if (IsIconic()) {
        PaintIconCentered(m_hIcon);
        return;
    }

    CPaintDC dc(this);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    dc.BitBlt(0, 0, 1000, 1000, nullptr, 0, 0, BLACKNESS);

    SYSTEMTIME now;
    GetLocalTime(&now);
    // The first row not before today, and what each cell from it shows.
    const strip::Strip shown = strip::StripOn(m_phases, now.wYear, now.wMonth, now.wDay);
    if (m_pStripView != nullptr) {
        m_pStripView->Show(shown, m_bSouth);
    }
    // Too few rows left for a whole strip (or none at all): the window stays black.
    if (shown.count == 0) {
        return;
    }

    dc.SetBkColor(kBlack);
    dc.SetTextColor(kTextColor);
    for (int32_t c = 0; c < strip::kCells; ++c) {
        const strip::Cell& cell = shown.cells[c];
        const int x = kTextIndent + kCellPitch * c;

        memDC.SelectObject(&m_bitmaps[cell.Picture(m_bSouth)]);
        dc.BitBlt(x - kTextIndent, 0, kPictureSize, kPictureSize, &memDC, 0, 0, SRCCOPY);

        dc.TextOut(x, kLabelY, cell.label.chars, cell.label.length);
        dc.TextOut(x, kDateY, cell.date.chars, cell.date.length);
        dc.TextOut(x, kTimeY, cell.time.chars, cell.time.length);
    }
    Default();
}

HCURSOR CPhaseDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CPhaseDlg::OnTimer(UINT_PTR nIDEvent) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wYear != m_nYear || now.wMonth != m_nMonth || now.wDay != m_nDay) {
        m_nYear = now.wYear;
        m_nMonth = now.wMonth;
        m_nDay = now.wDay;
        BuildPhaseTable(m_phases, kPhaseRows);
        InvalidateRect(nullptr);
    }
    CDialog::OnTimer(nIDEvent);
}
