// The program icon: a yellow crescent whose lit limb bulges to the right, on a transparent
// ground; drawn smoothly at any size, and reduced to 16 colours with a transparency mask.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/artwork/Raster.h"

namespace artwork {

// A square picture of `size` pixels; alpha carries the crescent's coverage.
Raster CrescentIcon(int size);

// A 16-colour picture: a palette index per pixel and an opacity mask.
struct IndexedImage {
    int size = 0;
    std::array<Color, 16> palette{};
    std::vector<std::uint8_t> indices;  // top row first
    std::vector<bool> opaque;           // top row first
};

// CrescentIcon(size) reduced to the icon palette: pixels at least half covered become opaque
// and take the nearest palette colour; the rest become transparent (index 0, black).
IndexedImage IndexedCrescentIcon(int size);

}  // namespace artwork
