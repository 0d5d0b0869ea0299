// Helpers of the window tests: run a dialog modally with a test step inside its run, wait for
// a condition while events flow, and take a picture of a window.
#pragma once

#include <QImage>
#include <functional>

#include "platform/ui/Dialog.h"

// Runs the dialog with DoModal; once its window is up, inside() runs, and then the dialog is
// ended with IDABORT unless inside() ended it. Returns what DoModal returned.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& inside);

// Lets events flow until condition() holds or a few seconds have passed; whether it held.
bool WaitFor(const std::function<bool()>& condition);

// The window's client area as painted now, in 32-bit RGB.
QImage Grab(HWND hWnd);

// Whether shot shows the whole of part with its top-left corner at at, pixel for pixel.
bool ShowsAt(const QImage& shot, const QImage& part, QPoint at);

inline constexpr int IDABORT = 3;
