// The face the Moon turns to the Earth: brightness of the ground (dark seas, bright highlands,
// rayed craters) and the slope of its relief, as a function of the position on the disc.
#pragma once

namespace artwork {

struct SurfacePoint {
    double albedo = 0.0;  // 0..1, about 0.9 on bright highland
    double slopeU = 0.0;  // rise of the relief to the right, per disc radius
    double slopeV = 0.0;  // rise of the relief upwards, per disc radius
};

// (u, v) is the position on the disc as seen from the northern hemisphere, u to the right and
// v up, in disc radii (u * u + v * v <= 1). `detail` is the size of one pixel in disc radii;
// craters much smaller than that are left out so that they do not turn into noise.
SurfacePoint LunarSurface(double u, double v, double detail);

}  // namespace artwork
