#include "platform/ui/FirstPaint.h"

#include <QAbstractEventDispatcher>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace platform {

namespace {

// Watches one window for its first paint on behalf of context, whose child it is.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, QObject* context, std::function<void()> action, int fallbackMs)
        : QObject(context), action_(std::move(action)) {
        if (window != nullptr) {
            window->installEventFilter(this);
        }
        QTimer::singleShot(fallbackMs, this, &FirstPaintWatch::Run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
                loop != nullptr) {
                connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &FirstPaintWatch::Run,
                        Qt::SingleShotConnection);
            } else {
                QMetaObject::invokeMethod(this, &FirstPaintWatch::Run, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void Run() {
        if (std::function<void()> action = std::exchange(action_, nullptr)) {
            deleteLater();
            action();
        }
    }

    std::function<void()> action_;
};

}  // namespace

void AfterFirstPaint(HWND window, QObject* context, std::function<void()> action, int fallbackMs) {
    new FirstPaintWatch(window, context, std::move(action), fallbackMs);
}

}  // namespace platform
