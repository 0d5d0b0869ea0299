#include "phase/app/PhaseAboutDlg.h"

CPhaseAboutDlg::CPhaseAboutDlg() : CDialog(IDD) {}
