// The program's one application object, run by main() of the dialog framework.
#include "phase/app/PhaseApp.h"

CPhaseApp theApp;
