// The 120 by 120 pictures of the four principal phases of the Moon, as seen from either
// hemisphere, on black.
#pragma once

#include "tools/artwork/Raster.h"

namespace artwork {

enum class Hemisphere { kNorth, kSouth };

constexpr int kPhasePictureSize = 120;

// kind, 0 to 3: 0 new moon, 1 first quarter, 2 full moon, 3 last quarter. The southern picture
// is exactly the northern one turned through 180 degrees.
Raster PhasePicture(int kind, Hemisphere hemisphere);

}  // namespace artwork
