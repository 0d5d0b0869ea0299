// Sizes, colours and screens of the desktop that windows ask about, answered from Qt's
// style, palette and screen list.
#pragma once

#include "platform/ui/UiTypes.h"

inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;

// The icon size (32 by 32 pixels) and the width of a vertical scroll bar; 0 for other indexes.
int GetSystemMetrics(int nIndex);

// The window and selection colours of the application's palette; black for other indexes.
COLORREF GetSysColor(int nIndex);

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0;
// The screen that the rectangle (screen coordinates) overlaps most; null when it overlaps
// none (dwFlags MONITOR_DEFAULTTONULL, the one way asked for here).
HMONITOR MonitorFromRect(const RECT* lprc, DWORD dwFlags);
