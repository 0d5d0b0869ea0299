// The Qt window of a dialog made from a template: it carries the template's caption, frame,
// size and controls, turns the window's Qt events (paint, move, close box, Enter and Esc) into
// messages for the dialog, and is the procedure of the dialog class: what the dialog object
// passes on to default handling ends here.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "platform/ui/UiTypes.h"
#include "platform/ui/qt/DialogTemplate.h"
#include "platform/ui/qt/WindowPlumbing.h"

namespace platform::qt {

class DialogWindow : public QWidget, public ControlProcedure {
public:
    // owner (may be null) keeps a dialog without its own task-bar entry above it.
    DialogWindow(const DialogTemplate& dialogTemplate, HWND owner);

    // Puts the focus on the first control that takes it, or on the window itself.
    void FocusFirstControl();
    // Places the window in the middle of its owner, or of the primary screen.
    void Center();

    // Default handling: Qt's own handling of the event that the message came from (once),
    // the window's icon (WM_SETICON; one given before the window's first paint goes to the
    // window system once that paint is out), and the system commands that close, minimise and
    // restore it.
    LRESULT ControlProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A Qt event turned into a message, with Qt's own handling of it, until that has run.
    struct EventInProgress {
        UINT message;
        const std::function<void()>* qtHandling;
    };

    // Sends the message of a Qt event to the window; qtHandling runs if the message reaches
    // default handling.
    void Deliver(UINT message, WPARAM wParam, LPARAM lParam,
                 const std::function<void()>& qtHandling);
    // The command that Enter gives: the focused push button's, else the default button's,
    // else IDOK.
    int EnterCommand() const;

    std::vector<HWND> controls_;           // in template (tab) order
    QPoint reportedAt_;                    // where the frame stood when shown or last moved
    std::vector<EventInProgress> events_;  // innermost last
    // An icon given before the first paint, until it goes to the window system.
    const QIcon* pendingIcon_ = nullptr;
    bool painted_ = false;
};

}  // namespace platform::qt
