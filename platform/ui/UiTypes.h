// The handle and geometry types of the dialog framework stand-in: windows, icons, pictures,
// fonts and screens are Qt objects behind the other platform's handle names, and rectangles,
// points and sizes keep that platform's layout so that code written against it reads the same.
#pragma once

#include <cstdint>

#include "platform/Win32Types.h"

class QWidget;
class QIcon;
class QFont;
class QScreen;
namespace platform {
class Picture;
}

using HWND = QWidget*;
using HICON = const QIcon*;
using HCURSOR = HICON;
using HBITMAP = platform::Picture*;
using HFONT = QFont*;
using HMONITOR = QScreen*;
using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;

// A rectangle with the conveniences the windows' code uses.
class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
};

constexpr WORD LOWORD(std::uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>((static_cast<DWORD>(high & 0xFFFF) << 16) |
                               static_cast<DWORD>(low & 0xFFFF));
}
constexpr WPARAM MAKEWPARAM(int low, int high) {
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELPARAM(low, high)));
}
// The signed coordinates packed into a message parameter, as WM_MOVE carries them.
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<int16_t>(LOWORD(value));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<int16_t>(HIWORD(value));
}
