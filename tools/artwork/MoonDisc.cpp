#include "tools/artwork/MoonDisc.h"

#include <algorithm>
#include <cmath>

#include "tools/artwork/LunarSurface.h"

namespace artwork {

namespace {

constexpr Color kSunColor{1.00, 0.97, 0.90};
constexpr Color kEarthColor{0.80, 0.88, 1.00};
constexpr Color kGroundTint{1.00, 0.985, 0.955};  // the lunar soil is faintly warm
constexpr double kRelief = 0.9;  // how strongly the relief tilts the ground towards the light

// How bright the ground at (u, v) looks, before its own brightness is applied.
Color Illumination(double u, double v, const SurfacePoint& ground, const MoonLight& light) {
    const double w = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
    double nx = u - kRelief * ground.slopeU * w;
    double ny = v - kRelief * ground.slopeV * w;
    double nz = w;
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= length;
    ny /= length;
    nz /= length;
    const double incidence = nx * light.sun.x + ny * light.sun.y + nz * light.sun.z;

    double lit = 0.0;
    if (incidence > 0.0) {
        // Dusty ground scatters light back almost evenly (the full Moon looks flat), with a
        // little of the darkening towards the rim that a matt sphere shows.
        const double scatter = 2.0 * incidence / (incidence + std::max(w, 0.05));
        lit = 0.75 * std::min(scatter, 1.6) + 0.25 * incidence;
        // A tone curve that lifts the dim ground near the terminator, as the eye does.
        lit = 1.0 - std::exp(-2.2 * lit);
        lit /= 1.0 - std::exp(-2.2);
    }
    // The terminator is not razor sharp: the Sun is a disc and the ground is rough.
    const double dawn = std::clamp(incidence / 0.035, 0.0, 1.0);
    lit *= dawn * dawn * (3.0 - 2.0 * dawn);

    const double rim = 0.80 + 0.20 * std::sqrt(w);
    return kSunColor * lit + kEarthColor * (light.earthshine * rim);
}

}  // namespace

void PaintMoon(Raster& target, double centerX, double centerY, double radius,
               const MoonLight& light, int samples) {
    const int x0 = std::max(0, static_cast<int>(std::floor(centerX - radius)));
    const int x1 = std::min(target.Width() - 1, static_cast<int>(std::ceil(centerX + radius)));
    const int y0 = std::max(0, static_cast<int>(std::floor(centerY - radius)));
    const int y1 = std::min(target.Height() - 1, static_cast<int>(std::ceil(centerY + radius)));
    const double detail = 1.0 / radius;

    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            Color sum;
            int inside = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) / samples;
                    const double py = y + (sy + 0.5) / samples;
                    const double u = (px - centerX) / radius;
                    const double v = (centerY - py) / radius;
                    if (u * u + v * v > 1.0) {
                        continue;
                    }
                    const SurfacePoint ground = LunarSurface(u, v, detail);
                    sum = sum + Illumination(u, v, ground, light) * kGroundTint * ground.albedo;
                    ++inside;
                }
            }
            if (inside > 0) {
                const double coverage = static_cast<double>(inside) / (samples * samples);
                target.Blend(x, y, sum * (1.0 / inside), coverage);
            }
        }
    }
}

}  // namespace artwork
