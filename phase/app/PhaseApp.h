// TidewellPhase's application object: start-up reads the command line and runs the phase
// window as the program's whole user interface.
#pragma once

#include "platform/ui/WinApp.h"

class CPhaseApp : public CWinApp {
public:
    CPhaseApp();

    // Runs the phase window, southern pictures when the first argument is "south"; always
    // FALSE: the program ends when the window closes.
    BOOL InitInstance() override;
};
