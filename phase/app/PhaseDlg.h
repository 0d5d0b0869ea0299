// The phase window of TidewellPhase: the strip of the next four principal phases of the
// Moon (picture, name, date and local time of each), rebuilt when the local date changes;
// it claims the instance slot, keeps its position per slot and opens the About box on
// system command 0x0010.
#pragma once

#include <QPointer>
#include <cstdint>
#include <memory>

#include "phase/astro/PhaseTable.h"
#include "phase/strip/PhaseStrip.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Gdi.h"

class SysCommandPort;
namespace phase {
class StripView;
}

// The system command that opens the About box; its low four bits are ignored.
inline constexpr UINT IDM_ABOUTBOX = 0x0010;

class CPhaseDlg : public CDialog {
public:
    static constexpr UINT IDD = 102;
    static constexpr int32_t kPictures = strip::kPictures;

    explicit CPhaseDlg(CWnd* pParent = nullptr);
    ~CPhaseDlg() override;

    // Shows the southern-hemisphere pictures; call before DoModal.
    void SetSouth();

protected:
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnMove(int x, int y) override;

private:
    // The stored window position (PhaseDlgPosition.cpp).
    void RestoreWindowPosition();
    HRESULT ReadRegistryDword(const wchar_t* lpszValueName, DWORD* pdwValue);
    HRESULT WriteRegistryDword(const wchar_t* lpszValueName, DWORD dwValue);

    bool m_bInitialized;
    bool m_bSouth;
    CBitmap m_bitmaps[kPictures];
    int32_t m_nYear;
    int32_t m_nMonth;
    int32_t m_nDay;
    int32_t m_nSlot;
    wchar_t m_szRegKey[260];
    int32_t m_nXPos;
    int32_t m_nYPos;
    PhaseEntry m_phases[kPhaseRows];
    HICON m_hIcon;
    std::unique_ptr<SysCommandPort> m_pSysCommands;
    QPointer<phase::StripView> m_pStripView;  // the strip for assistive technology
};
