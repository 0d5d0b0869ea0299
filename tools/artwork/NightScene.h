// The credits picture: a full Moon over the sea at night, with stars, a distant headland and
// the Moon's path of light on the water. It carries no text: the credit lines go below it.
// The scene is laid out in the 400 by 420 pixels of the credits dialog; at a larger scale the
// same scene is drawn with that many pixels to each of them, not enlarged.
#pragma once

#include "tools/artwork/Raster.h"

namespace artwork {

constexpr int kNightWidth = 400;
constexpr int kNightHeight = 420;

// scale 1 to 3: a picture of kNightWidth * scale by kNightHeight * scale pixels.
Raster NightScene(int scale = 1);

}  // namespace artwork
