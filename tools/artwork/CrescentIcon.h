// The program icon: a yellow crescent whose lit limb bulges to the right, on a transparent
// ground; drawn smoothly at any size, as a scalable picture, and reduced to 16 colours with a
// transparency mask.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/artwork/Raster.h"
#include "tools/artwork/SvgFile.h"

namespace artwork {

// The crescent, in icon widths (y down): the part of the outer disc that the inner disc, set
// up and to the left, leaves uncovered; a thin darker edge, at least kCrescentMinEdge wide,
// sets it off from any ground.
inline constexpr Circle kCrescentOuter{0.50, 0.50, 0.46};
inline constexpr Circle kCrescentInner{0.30, 0.43, 0.37};
inline constexpr double kCrescentMinEdge = 0.022;

// The crescent's colour at (x, y), in icon widths, with an edge of `edgeWidth`; nothing
// outside it.
std::optional<Color> CrescentColorAt(double x, double y, double edgeWidth);

// A square picture of `size` pixels; alpha carries the crescent's coverage.
Raster CrescentIcon(int size);

// The crescent as SVG elements in a square of `units` units: its edge and its body, whose
// shading is a gradient named `id`.
std::string CrescentSvgElements(double units, const std::string& id);

// The icon as an SVG document of 256 x 256 units.
std::string CrescentIconSvg();

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

// The 16-colour picture as a raster: each pixel its palette colour, fully covered where the
// mask is opaque and not at all elsewhere.
Raster Expand(const IndexedImage& image);

}  // namespace artwork
