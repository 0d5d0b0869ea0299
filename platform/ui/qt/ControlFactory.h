// Creation of a dialog's controls from their templates: each control class of the templates
// ("button", "static", "listbox") has a creator, defined with the class's own widget.
#pragma once

#include "platform/ui/UiTypes.h"
#include "platform/ui/qt/DialogTemplate.h"

namespace platform::qt {

// Creates the control, registers it as a window, gives it its identifier, position, size,
// state and visibility; null when its class is unknown.
HWND CreateControl(const ControlTemplate& control, HWND dialog);

// Whether the control is a push button with the default style.
bool IsDefaultPushButton(HWND control);

}  // namespace platform::qt
