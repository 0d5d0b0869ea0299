// The credits program's sixteen colours: the palette that colour indices 0 to 15 name, and the
// same colours with their names for the colour combo box (which no dialog creates, so the
// program never reads the names).
#pragma once

#include <array>

#include "platform/Win32Types.h"

inline constexpr int kPaletteSize = 16;

// Colour index 0 is black, 1 white, 12 yellow.
extern const std::array<COLORREF, kPaletteSize> PaletteColors;

struct NamedColor {
    COLORREF color;
    char name[16];  // at most 15 characters and the terminator
};

// Built once, before the application object, in the order of PaletteColors.
extern const std::array<NamedColor, kPaletteSize> NamedColors;

// The colour indices the credit lines are drawn with: yellow on black.
inline constexpr int kColorBlack = 0;
inline constexpr int kColorYellow = 12;
