// Fonts sized by pixels to the text cell that a layout was made for. The programs' texts are
// placed at fixed pixel positions, and dialog templates in units of a fixed cell, whatever font
// the desktop uses; a font that fits the cell keeps every line clear of the next and every text
// within the room that the layout gives it.
#pragma once

#include <QFont>

namespace platform::qt {

// The line height of a font and the average advance of the printable ASCII characters, in
// pixels: the most a font may take to fit the cell.
struct TextCell {
    int height;
    int averageWidth;
};

// The cell of the other platform's system font, the default font of its drawing surfaces.
inline constexpr TextCell kSystemFontCell{16, 7};
// The cell of the font that dialog templates are laid out for (the base units of
// DialogTemplate.h).
inline constexpr TextCell kDialogFontCell{13, 6};

// Fonts are not made smaller than this to keep their family.
inline constexpr int kSmallestPixelSize = 8;

// font in its own family and pixel size when it fits the cell; otherwise at the largest smaller
// pixel size that fits. A family that fits only below kSmallestPixelSize (or below its own
// size, when that is smaller) gives way to the configuration's sans-serif family, fitted in the
// same way, and at that smallest size when it does not fit either.
QFont FitToCell(const QFont& font, TextCell cell);

// The default font of drawing surfaces: the application's font (the desktop's general font)
// fitted to kSystemFontCell, made anew when the application's font changes.
QFont SurfaceFont();

}  // namespace platform::qt
