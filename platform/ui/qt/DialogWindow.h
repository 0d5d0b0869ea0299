// The Qt window of a dialog made from a template: it turns the window's Qt events (paint,
// move, close box, Enter and Esc) into messages for the dialog object bound to it and
// carries the template's caption, frame, size and controls.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/ui/UiTypes.h"
#include "platform/ui/qt/DialogTemplate.h"

class DialogWindow : public QWidget {
public:
    // owner (may be null) keeps a dialog without its own task-bar entry above it.
    DialogWindow(const DialogTemplate& dialogTemplate, HWND owner);

    // Puts the focus on the first control that takes it, or on the window itself.
    void FocusFirstControl();
    // Places the window in the middle of its owner, or of the primary screen.
    void Centre();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Sends the message to the bound object; without one, Qt's handling runs as it is.
    void Deliver(UINT message, WPARAM wParam, LPARAM lParam,
                 const std::function<void()>& platformDefault);
    // The command that Enter gives: the focused push button's, else the default button's,
    // else IDOK.
    int EnterCommand() const;

    std::vector<HWND> m_controls;  // in template (tab) order
    QPoint m_reportedAt;           // where the frame stood when shown or last reported moved
};
