// Paints the lit and unlit parts of the lunar disc, lit by the Sun from a given direction, with
// soft edges, into a picture.
#pragma once

#include "tools/artwork/Raster.h"

namespace artwork {

// A direction in the viewer's frame: x to the right, y up, z towards the viewer.
struct Direction {
    double x = 0.0;
    double y = 0.0;
    double z = 1.0;
};

struct MoonLight {
    Direction sun;            // where the Sun shines from
    double earthshine = 0.0;  // brightness of the ground the Sun does not reach, 1 = full sun
};

// Paints a disc of `radius` pixels centred on (centreX, centreY) (pixel centres lie at
// integer + 0.5) over what the picture holds; pixels the disc does not touch are left alone.
// Each pixel is the mean of samples x samples points across it.
void PaintMoon(Raster& target, double centerX, double centerY, double radius,
               const MoonLight& light, int samples = 4);

}  // namespace artwork
