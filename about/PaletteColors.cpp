#include "about/PaletteColors.h"

#include <cstring>

const std::array<COLORREF, kPaletteSize> PaletteColors = {
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(128, 0, 0),   RGB(0, 128, 0),
    RGB(128, 128, 0),   RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128),
    RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),
    RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255),
};

namespace {

constexpr std::array<const char*, kPaletteSize> kColorNames = {
    "Black",  "White", "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal",
    "Silver", "Gray",  "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua",
};

std::array<NamedColor, kPaletteSize> BuildNamedColors() {
    std::array<NamedColor, kPaletteSize> table{};
    for (int i = 0; i < kPaletteSize; ++i) {
        table[i].color = PaletteColors[i];
        // Bounded copy; the terminator stays from the zeroed record.
        std::strncpy(table[i].name, kColorNames[i], sizeof table[i].name - 1);
    }
    return table;
}

}  // namespace

const std::array<NamedColor, kPaletteSize> NamedColors = BuildNamedColors();
