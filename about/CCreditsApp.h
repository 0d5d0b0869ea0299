// TidewellAbout's application object: start-up collects the command line and runs the credits
// dialog as the program's whole user interface.
#pragma once

#include "platform/ui/WinApp.h"

class CCreditsApp : public CWinApp {
public:
    CCreditsApp();

    // Shows the first four arguments as credit lines until the dialog is closed; always
    // FALSE: the program ends with the dialog.
    BOOL InitInstance() override;
};
