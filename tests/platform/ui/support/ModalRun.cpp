#include "ModalRun.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& inside) {
    // Dies with this call, so the step never runs in a later dialog when this one fails.
    QObject guard;
    QTimer::singleShot(0, &guard, [&dialog, &inside] {
        inside();
        if (dialog.GetSafeHwnd() != nullptr && dialog.GetSafeHwnd()->isVisible()) {
            dialog.EndDialog(IDABORT);
        }
    });
    return dialog.DoModal();
}

bool WaitFor(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QEventLoop pause;
        QTimer::singleShot(10, &pause, &QEventLoop::quit);
        pause.exec();
    }
    return true;
}

QImage Grab(HWND hWnd) {
    return hWnd->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool SamePixels(const QImage& a, const QImage& b, const QRect& rect) {
    if (a.size() != b.size() || !a.rect().contains(rect)) {
        return false;
    }
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}
