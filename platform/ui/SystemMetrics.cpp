#include "platform/ui/SystemMetrics.h"

#include <QApplication>
#include <QPalette>
#include <QRect>
#include <QScreen>
#include <QStyle>

namespace {

// The large icon size of the other platform at 96 dots per inch.
constexpr int kIconSize = 32;

COLORREF ToColorRef(const QColor& color) {
    return RGB(static_cast<BYTE>(color.red()), static_cast<BYTE>(color.green()),
               static_cast<BYTE>(color.blue()));
}

}  // namespace

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
        case SM_CXICON:
        case SM_CYICON:
            return kIconSize;
        case SM_CXVSCROLL:
            return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        default:
            return 0;
    }
}

COLORREF GetSysColor(int nIndex) {
    const QPalette palette = QApplication::palette();
    switch (nIndex) {
        case COLOR_WINDOW:
            return ToColorRef(palette.color(QPalette::Active, QPalette::Base));
        case COLOR_WINDOWTEXT:
            return ToColorRef(palette.color(QPalette::Active, QPalette::Text));
        case COLOR_HIGHLIGHT:
            return ToColorRef(palette.color(QPalette::Active, QPalette::Highlight));
        case COLOR_HIGHLIGHTTEXT:
            return ToColorRef(palette.color(QPalette::Active, QPalette::HighlightedText));
        default:
            return RGB(0, 0, 0);
    }
}

HMONITOR MonitorFromRect(const RECT* lprc, DWORD /*dwFlags*/) {
    HMONITOR best = nullptr;
    if (lprc != nullptr) {
        const QRect rect(QPoint(lprc->left, lprc->top), QPoint(lprc->right - 1, lprc->bottom - 1));
        qint64 bestArea = 0;
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect common = screen->geometry().intersected(rect);
            const qint64 area = static_cast<qint64>(common.width()) * common.height();
            if (!common.isEmpty() && area > bestArea) {
                best = screen;
                bestArea = area;
            }
        }
    }
    return best;
}
