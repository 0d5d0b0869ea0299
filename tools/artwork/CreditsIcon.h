// The credits program's launcher icon: the crescent over the sea at night, on a rounded
// square of night sky with a few stars and the Moon's glitter on the water; drawn smoothly at
// any size and as a scalable picture.
#pragma once

#include <string>

#include "tools/artwork/Raster.h"

namespace artwork {

// A square picture of `size` pixels; alpha carries the rounded square's coverage.
Raster CreditsIcon(int size);

// The same picture as an SVG document of 256 x 256 units.
std::string CreditsIconSvg();

}  // namespace artwork
