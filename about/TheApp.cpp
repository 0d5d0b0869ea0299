// The program's one application object, run by main() of the dialog framework.
#include "about/CCreditsApp.h"

CCreditsApp theApp;
