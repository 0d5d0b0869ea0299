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

// Whether the two pictures have the same size and the same pixels in rect.
bool SamePixels(const QImage& a, const QImage& b, const QRect& rect);

inline constexpr int IDABORT = 3;
