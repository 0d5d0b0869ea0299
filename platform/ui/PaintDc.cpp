#include "platform/ui/PaintDc.h"

#include <QPainter>
#include <QWidget>
#include <memory>

#include "platform/ui/Wnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) {
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
        SetPainter(std::make_unique<QPainter>(pWnd->GetSafeHwnd()));
    }
}
