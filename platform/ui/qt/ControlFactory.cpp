#include "platform/ui/qt/ControlFactory.h"

#include <QWidget>

#include "platform/ui/Messages.h"
#include "platform/ui/qt/ListBoxControl.h"
#include "platform/ui/qt/StandardControls.h"
#include "platform/ui/qt/WindowPlumbing.h"

namespace platform::qt {

namespace {

// Makes the widget of one control of a template as a child of the dialog window.
using ControlCreator = QWidget* (*)(const ControlTemplate& control, QWidget* dialog);

struct ControlClass {
    const char* name;
    ControlCreator create;
};

constexpr ControlClass kControlClasses[] = {
    {"button", &CreateButtonControl},
    {"static", &CreateStaticControl},
    {"listbox", &CreateListBoxControl},
};

constexpr char kStyleProperty[] = "twStyle";

}  // namespace

HWND CreateControl(const ControlTemplate& control, HWND dialog) {
    for (const ControlClass& controlClass : kControlClasses) {
        if (control.className != QLatin1String(controlClass.name)) {
            continue;
        }
        QWidget* widget = controlClass.create(control, dialog);
        if (widget == nullptr) {
            return nullptr;
        }
        RegisterWindow(widget);
        widget->setProperty(kControlIdProperty, control.id);
        widget->setProperty(kStyleProperty, static_cast<uint>(control.style));
        // A control that fixed its own size (a picture) keeps it.
        widget->setGeometry(DialogUnitsToPixels(control.rect));
        widget->setEnabled((control.style & WS_DISABLED) == 0);
        widget->setFocusPolicy((control.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::NoFocus);
        widget->setHidden((control.style & WS_VISIBLE) == 0);
        if (!control.accessibleName.isEmpty()) {
            widget->setAccessibleName(control.accessibleName);
        }
        return widget;
    }
    return nullptr;
}

bool IsDefaultPushButton(HWND control) {
    // Button styles are the low four bits; only the button class carries BS_DEFPUSHBUTTON.
    return control != nullptr && control->inherits("QPushButton") &&
           (control->property(kStyleProperty).toUInt() & 0xF) == BS_DEFPUSHBUTTON;
}

}  // namespace platform::qt
