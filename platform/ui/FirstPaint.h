// Work a window does not need in order to appear (an icon for the task bar, a session-bus port,
// its view for assistive technology) waits until the window's first pixels are out, so that it
// does not hold them back.
#pragma once

#include <functional>

#include "platform/ui/UiTypes.h"

class QObject;

namespace platform {

// Runs action once on context's thread: when the event loop is next about to wait after the
// window's first paint (the painted pixels leave for the window system then), or fallbackMs
// after this call if the window has not painted by then (one started minimised may never
// paint). Nothing runs once context is gone.
void AfterFirstPaint(HWND window, QObject* context, std::function<void()> action,
                     int fallbackMs = 1000);

}  // namespace platform
