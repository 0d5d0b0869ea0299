#include "platform/ui/qt/DialogWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <utility>

#include "platform/ui/FirstPaint.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/qt/Accessibility.h"
#include "platform/ui/qt/ApplicationStart.h"
#include "platform/ui/qt/ControlFactory.h"
#include "platform/ui/qt/FontFit.h"
#include "platform/ui/qt/WindowPlumbing.h"

namespace platform::qt {

namespace {

Qt::WindowFlags FlagsOf(const DialogTemplate& dialogTemplate) {
    // A window of its own in the task bar, or a dialog that stays with its owner.
    Qt::WindowFlags flags =
        (dialogTemplate.exStyle & WS_EX_APPWINDOW) != 0 ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if ((dialogTemplate.style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
        if ((dialogTemplate.style & WS_SYSMENU) != 0) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            if ((dialogTemplate.style & WS_MINIMIZEBOX) != 0) {
                flags |= Qt::WindowMinimizeButtonHint;
            }
            if ((dialogTemplate.style & WS_MAXIMIZEBOX) != 0) {
                flags |= Qt::WindowMaximizeButtonHint;
            }
        }
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    return flags;
}

}  // namespace

DialogWindow::DialogWindow(const DialogTemplate& dialogTemplate, HWND owner)
    : QWidget((dialogTemplate.exStyle & WS_EX_APPWINDOW) != 0 ? nullptr : owner,
              FlagsOf(dialogTemplate)) {
    InstallAccessibility();
    setWindowTitle(dialogTemplate.caption);
    // The template's font is its controls' (a window paints with its drawing surface's own), so
    // a dialog without controls skips choosing it, which takes a font search at start-up. A face
    // the system lacks falls back to the desktop's. The controls were laid out in the cell of
    // the template's font at its size on a 96 dots-per-inch screen: the font takes that size in
    // pixels, and less where its family is taller or wider than the cell.
    if (!dialogTemplate.controls.empty()) {
        QFont font = this->font();
        if (!dialogTemplate.fontFace.isEmpty()) {
            font.setFamilies({dialogTemplate.fontFace, font.family()});
        }
        font.setPixelSize((dialogTemplate.pointSize * 96 + 36) / 72);
        setFont(FitToCell(font, kDialogFontCell));
    }
    const QSize size(DialogUnitsToPixelsX(dialogTemplate.size.width()),
                     DialogUnitsToPixelsY(dialogTemplate.size.height()));
    if ((dialogTemplate.style & WS_THICKFRAME) != 0) {
        resize(size);
    } else {
        setFixedSize(size);
    }
    for (const ControlTemplate& control : dialogTemplate.controls) {
        if (HWND widget = CreateControl(control, this)) {
            controls_.push_back(widget);
        }
    }
}

void DialogWindow::FocusFirstControl() {
    for (HWND control : controls_) {
        if (control->focusPolicy() != Qt::NoFocus && control->isEnabled() && !control->isHidden()) {
            control->setFocus();
            return;
        }
    }
    setFocus();
}

void DialogWindow::Center() {
    const QWidget* owner = parentWidget();
    const QRect area = owner != nullptr ? owner->frameGeometry()
                       : QGuiApplication::primaryScreen() != nullptr
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : QRect();
    const QSize outer = frameGeometry().size();
    move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void DialogWindow::Deliver(UINT message, WPARAM wParam, LPARAM lParam,
                           const std::function<void()>& qtHandling) {
    events_.push_back({message, &qtHandling});
    SendMessage(this, message, wParam, lParam);
    events_.pop_back();
}

LRESULT DialogWindow::ControlProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A message that came from a Qt event goes back to Qt's handling of that event, once.
    if (!events_.empty() && events_.back().message == message &&
        events_.back().qtHandling != nullptr) {
        (*std::exchange(events_.back().qtHandling, nullptr))();
        return 0;
    }
    switch (message) {
        case WM_SETICON:
            // One Qt icon holds both sizes, so the big and the small icon are the same call.
            if (auto icon = reinterpret_cast<HICON>(lParam); icon != nullptr) {
                if (painted_) {
                    pendingIcon_ = nullptr;
                    setWindowIcon(*icon);
                } else if (std::exchange(pendingIcon_, icon) == nullptr) {
                    // Reading the icon's images and handing them over would hold back the
                    // window's first pixels.
                    AfterFirstPaint(this, this, [this] {
                        if (const QIcon* pending = std::exchange(pendingIcon_, nullptr)) {
                            setWindowIcon(*pending);
                        }
                    });
                }
            }
            return 0;
        case WM_SYSCOMMAND:
            switch (static_cast<UINT>(wParam) & 0xFFF0) {
                case SC_CLOSE:
                    SendMessage(this, WM_CLOSE);
                    break;
                case SC_MINIMIZE:
                    showMinimized();
                    break;
                case SC_RESTORE:
                    showNormal();
                    break;
                default:
                    break;  // the other commands of the system menu have no counterpart here
            }
            return 0;
        default:
            return 0;
    }
}

void DialogWindow::paintEvent(QPaintEvent* event) {
    Deliver(WM_PAINT, 0, 0, [this, event] { QWidget::paintEvent(event); });
    painted_ = true;
}

void DialogWindow::showEvent(QShowEvent* event) {
    reportedAt_ = pos();
    QWidget::showEvent(event);
}

void DialogWindow::moveEvent(QMoveEvent* event) {
    // Placing the window before it first appears is part of making it, not a move; nor is
    // the window manager framing it where it was placed. Where the program cannot learn
    // where its window stands (Wayland), Qt's positions are made up: no move is reported.
    if (!isVisible() || pos() == reportedAt_ || !CanPlaceWindows()) {
        QWidget::moveEvent(event);
        return;
    }
    reportedAt_ = pos();
    const QPoint client = geometry().topLeft();
    Deliver(WM_MOVE, 0, MAKELPARAM(client.x(), client.y()),
            [this, event] { QWidget::moveEvent(event); });
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is a system command; the dialog decides whether and how it ends.
    event->ignore();
    SendMessage(this, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            SendMessage(this, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            SendMessage(this, WM_COMMAND, MAKEWPARAM(EnterCommand(), BN_CLICKED), 0);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

int DialogWindow::EnterCommand() const {
    const QWidget* focused = focusWidget();
    for (HWND control : controls_) {
        if (control == focused && control->inherits("QPushButton")) {
            return control->property(kControlIdProperty).toInt();
        }
    }
    for (HWND control : controls_) {
        if (IsDefaultPushButton(control)) {
            return control->property(kControlIdProperty).toInt();
        }
    }
    return IDOK;
}

}  // namespace platform::qt
