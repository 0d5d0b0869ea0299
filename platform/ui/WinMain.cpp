// The entry point of a program built on the dialog framework: it runs the program's static
// application object.
#include "platform/ui/WinApp.h"

int main(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->Run(argc, argv) : 1;
}
