// The 120 by 120 pictures of the four principal phases of the Moon, as seen from either
// hemisphere, on black; drawn anew, not enlarged, at two and three times the size for screens
// of higher pixel density.
#pragma once

#include "tools/artwork/Raster.h"

namespace artwork {

enum class Hemisphere { kNorth, kSouth };

constexpr int kPhasePictureSize = 120;

// The pixel densities a picture is drawn at: 1 for the programs' own resources, 2 and 3 for
// the larger drawings beside them.
constexpr int kMaxScale = 3;

// kind, 0 to 3: 0 new moon, 1 first quarter, 2 full moon, 3 last quarter; scale 1 to kMaxScale,
// the picture kPhasePictureSize * scale pixels square. The southern picture is exactly the
// northern one turned through 180 degrees.
Raster PhasePicture(int kind, Hemisphere hemisphere, int scale = 1);

}  // namespace artwork
