#include "platform/ui/qt/ControlFactory.h"

#include <QWidget>

#include "platform/ui/Messages.h"
#include "platform/ui/qt/WindowPlumbing.h"

#define TW_CONTROL_CLASS(name, creator) QWidget* creator(const ControlTemplate&, QWidget*);
#include "platform/ui/qt/ControlClasses.inc"
#undef TW_CONTROL_CLASS

namespace {

struct ControlClass {
    const char* name;
    ControlCreator create;
};

constexpr ControlClass kControlClasses[] = {
#define TW_CONTROL_CLASS(name, creator) {name, &creator},
#include "platform/ui/qt/ControlClasses.inc"
#undef TW_CONTROL_CLASS
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
        platform::qt::RegisterWindow(widget);
        widget->setProperty(platform::qt::kControlIdProperty, control.id);
        widget->setProperty(kStyleProperty, static_cast<uint>(control.style));
        // A control that fixed its own size (a picture) keeps it.
        widget->setGeometry(DialogUnitsToPixels(control.rect));
        widget->setEnabled((control.style & WS_DISABLED) == 0);
        widget->setFocusPolicy((control.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::NoFocus);
        widget->setHidden((control.style & WS_VISIBLE) == 0);
        return widget;
    }
    return nullptr;
}

bool IsDefaultPushButton(HWND control) {
    // Button styles are the low four bits; only the button class carries BS_DEFPUSHBUTTON.
    return control != nullptr && control->inherits("QPushButton") &&
           (control->property(kStyleProperty).toUInt() & 0xF) == BS_DEFPUSHBUTTON;
}
