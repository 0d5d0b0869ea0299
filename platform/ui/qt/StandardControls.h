// The built-in control classes of dialog templates: push buttons ("button"), which send their
// command to the dialog when clicked, and static controls ("static"): text, an icon or a
// picture. Each creator makes the widget as a child of the dialog window, styled by the
// template; CreateControl (ControlFactory.h) places and registers it.
#pragma once

#include <QWidget>

#include "platform/ui/qt/DialogTemplate.h"

namespace platform::qt {

QWidget* CreateButtonControl(const ControlTemplate& control, QWidget* dialog);
QWidget* CreateStaticControl(const ControlTemplate& control, QWidget* dialog);

}  // namespace platform::qt
