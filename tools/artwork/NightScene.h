// The credits picture: a full Moon over the sea at night, with stars, a distant headland and
// the Moon's path of light on the water. It carries no text: the credit lines go below it.
#pragma once

#include "tools/artwork/Raster.h"

namespace artwork {

constexpr int kNightWidth = 400;
constexpr int kNightHeight = 420;

Raster NightScene();

}  // namespace artwork
