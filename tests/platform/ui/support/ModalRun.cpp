#include "tests/platform/ui/support/ModalRun.h"

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

bool ShowsAt(const QImage& shot, const QImage& part, QPoint at) {
    const QRect where(at, part.size());
    return shot.rect().contains(where) && shot.copy(where).convertToFormat(QImage::Format_RGB32) ==
                                              part.convertToFormat(QImage::Format_RGB32);
}
