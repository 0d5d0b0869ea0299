// The About box of TidewellPhase: icon, program name and version, copyright and OK.
#pragma once

#include "platform/ui/Dialog.h"

class CPhaseAboutDlg : public CDialog {
public:
    static constexpr UINT IDD = 100;

    CPhaseAboutDlg();
};
