#include "phase/app/PhaseApp.h"

#include <cwchar>

#include "phase/app/PhaseCommandLineInfo.h"
#include "phase/app/PhaseDlg.h"

CPhaseApp::CPhaseApp() : CWinApp(platform::CommandLineChars::Wide) {}

BOOL CPhaseApp::InitInstance() {
    CPhaseCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    // Only the first argument counts, compared whole and case-sensitively.
    const bool bSouth = cmdInfo.m_nArgs > 0 && std::wcscmp(cmdInfo.m_args[0], L"south") == 0;

    // Declared after the collector, so the window object goes first.
    CPhaseDlg dlg;
    m_pMainWnd = &dlg;
    if (bSouth) {
        dlg.SetSouth();
    }
    dlg.DoModal();  // closed or never shown, the program ends the same way
    m_pMainWnd = nullptr;
    return FALSE;
}
