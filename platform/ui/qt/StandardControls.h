// The built-in control classes of dialog templates: push buttons ("button"), which send their
// command to the dialog when clicked, and static controls ("static"): text, an icon or a
// picture. Each creator makes the widget as a child of the dialog window, styled by the
// template; CreateControl (ControlFactory.h) places and registers it.
#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>

#include "platform/ui/qt/DialogTemplate.h"

namespace platform {
class Picture;
}

namespace platform::qt {

// A picture control: it keeps the picture's logical size and draws it at the pixel density of
// each paint, so that it stays sharp when the window moves to a denser screen.
class PictureControl : public QLabel {
public:
    PictureControl(std::unique_ptr<platform::Picture> picture, QWidget* parent);
    ~PictureControl() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<platform::Picture> picture_;
};

QWidget* CreateButtonControl(const ControlTemplate& control, QWidget* dialog);
QWidget* CreateStaticControl(const ControlTemplate& control, QWidget* dialog);

}  // namespace platform::qt
