// Creation of a dialog's controls from their templates. Each control class ("button",
// "static", ...) has a creator; ControlClasses.inc lists them, one line per class, so that a
// class written in its own file joins with one line there.
#pragma once

#include "platform/ui/UiTypes.h"
#include "platform/ui/qt/DialogTemplate.h"

// Makes the widget of one control of a template as a child of the dialog window, placed and
// styled by the template; null for a class it does not know.
using ControlCreator = QWidget* (*)(const ControlTemplate& control, QWidget* dialog);

// Creates the control, registers it as a window, gives it its identifier, position, size,
// state and visibility; null when its class is unknown.
HWND CreateControl(const ControlTemplate& control, HWND dialog);

// Whether the control is a push button with the default style.
bool IsDefaultPushButton(HWND control);
