// The entry point of a program built on the dialog framework: it runs the program's static
// application object. Each program compiles it with its own TW_APPLICATION_ID
// (tw_install_program).
#include "platform/ui/WinApp.h"

#ifndef TW_APPLICATION_ID
#error "TW_APPLICATION_ID: the program's application id, set by tw_install_program"
#endif

int main(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->Run(argc, argv, TW_APPLICATION_ID) : 1;
}
