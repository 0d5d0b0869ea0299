#include "tools/artwork/PhasePicture.h"

#include <algorithm>
#include <array>

#include "tools/artwork/MoonDisc.h"

namespace artwork {

namespace {

constexpr double kDiscRadius = 57.0;

// Where the Sun shines from at each phase, seen from the north: behind the Moon at new moon,
// from the right at first quarter, from behind the viewer at full moon, from the left at last
// quarter. The unlit ground keeps a faint glow of light from the Earth, strongest at new moon.
constexpr std::array<MoonLight, 4> kLights{
    MoonLight{{0.0, 0.0, -1.0}, 0.15},
    MoonLight{{1.0, 0.0, 0.0}, 0.07},
    MoonLight{{0.0, 0.0, 1.0}, 0.0},
    MoonLight{{-1.0, 0.0, 0.0}, 0.07},
};

}  // namespace

Raster PhasePicture(int kind, Hemisphere hemisphere, int scale) {
    const int size = kPhasePictureSize * scale;
    Raster north(size, size);
    const double center = size / 2.0;
    // Smaller pixels need fewer samples each for edges just as smooth.
    PaintMoon(north, center, center, kDiscRadius * scale,
              kLights.at(static_cast<std::size_t>(kind)), std::max(2, 4 / scale));
    return hemisphere == Hemisphere::kNorth ? north : north.Rotated180();
}

}  // namespace artwork
