// The surface of a window while it handles its paint message: it draws on the window's client
// area, and is made and ended within the paint handler.
#pragma once

#include "platform/ui/Dc.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
};
