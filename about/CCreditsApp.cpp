#include "about/CCreditsApp.h"

#include "about/CCreditsCommandLineInfo.h"
#include "about/CCreditsDlg.h"

CCreditsApp::CCreditsApp() : CWinApp(platform::CommandLineChars::Narrow) {}

BOOL CCreditsApp::InitInstance() {
    CCreditsCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);

    // Declared after the collector, so the dialog object goes first.
    CCreditsDlg dlg;
    m_pMainWnd = &dlg;
    // Slots without an argument offer the empty text.
    for (int i = 0; i < CCreditsDlg::kCreditLines; ++i) {
        dlg.AddArgument(cmdInfo.m_args[i]);
    }
    dlg.DoModal();  // closed or never shown, the program ends the same way
    m_pMainWnd = nullptr;
    return FALSE;
}
