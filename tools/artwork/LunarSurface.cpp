#include "tools/artwork/LunarSurface.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/artwork/Noise.h"

namespace artwork {

namespace {

struct Basin {
    double u, v;    // centre on the disc
    double ru, rv;  // half-axes
    double depth;   // how dark the floor is, 0..1
};

// The large dark plains, roughly where they lie on the near side.
constexpr std::array kBasins{
    Basin{-0.25, 0.55, 0.30, 0.23, 1.00},  // the great round plain upper left
    Basin{0.22, 0.45, 0.17, 0.16, 0.95},   Basin{0.42, 0.14, 0.22, 0.17, 1.00},
    Basin{0.80, 0.30, 0.09, 0.13, 1.00},   Basin{0.68, -0.10, 0.12, 0.18, 0.85},
    Basin{0.45, -0.28, 0.09, 0.10, 0.80},  Basin{-0.64, 0.18, 0.25, 0.40, 0.90},
    Basin{-0.48, -0.12, 0.22, 0.20, 0.80}, Basin{-0.20, -0.38, 0.20, 0.13, 0.80},
    Basin{-0.55, -0.42, 0.10, 0.10, 0.90}, Basin{-0.28, -0.08, 0.14, 0.09, 0.55},
    Basin{0.02, 0.80, 0.45, 0.05, 0.60},   Basin{0.06, 0.27, 0.09, 0.07, 0.70},
    Basin{-0.93, -0.10, 0.04, 0.09, 0.90},
};

struct RayCrater {
    double u, v;
    double radius;  // of the bright halo
    double reach;   // how far the rays run
    double strength;
};

constexpr std::array kRayCraters{
    RayCrater{-0.11, -0.70, 0.035, 0.75, 1.00},  // the great rayed crater of the south
    RayCrater{-0.28, 0.17, 0.030, 0.35, 0.70},
    RayCrater{-0.52, 0.13, 0.020, 0.22, 0.50},
    RayCrater{-0.68, 0.40, 0.015, 0.12, 0.80},
};

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// 0 on highland, up to 1 on the darkest plain. The plains' shores are bent by noise so that
// they wander like lava flows rather than drawn ellipses.
double BasinDarkness(double u, double v) {
    const double wu = u + 0.16 * (FractalNoise(u * 3.0 + 7.0, v * 3.0, 3, 13u) - 0.5);
    const double wv = v + 0.16 * (FractalNoise(u * 3.0, v * 3.0 + 5.0, 3, 14u) - 0.5);
    const double wobble = FractalNoise(u * 13.0 + 11.0, v * 13.0 + 3.0, 4, 17u) - 0.5;
    double dark = 0.0;
    for (const Basin& b : kBasins) {
        const double du = (wu - b.u) / b.ru;
        const double dv = (wv - b.v) / b.rv;
        const double d = std::sqrt(du * du + dv * dv) + wobble * 0.5;
        dark = std::max(dark, b.depth * (1.0 - SmoothStep(0.72, 1.05, d)));
    }
    // Darker and lighter flows within the plains.
    return dark * (0.80 + 0.35 * FractalNoise(u * 7.0 + 2.0, v * 7.0 + 9.0, 3, 19u));
}

double RayBrightness(double u, double v) {
    double light = 0.0;
    for (std::size_t i = 0; i < kRayCraters.size(); ++i) {
        const RayCrater& c = kRayCraters[i];
        const double du = u - c.u;
        const double dv = v - c.v;
        const double d = std::sqrt(du * du + dv * dv);
        const double angle = std::atan2(dv, du);
        const auto seed = static_cast<std::uint32_t>(300 + i);
        // Noise on a circle of the angle, so the rays meet without a seam; they fade and
        // break up with distance.
        const double streak =
            std::pow(ValueNoise(std::cos(angle) * 24.0, std::sin(angle) * 24.0, seed), 3.0);
        const double broken = 0.4 + 0.6 * ValueNoise(d * 30.0, angle * 3.0, seed + 50);
        const double rays = streak * broken * std::exp(-d / (c.reach * 0.5));
        const double halo = std::exp(-(d * d) / (c.radius * c.radius * 2.0));
        light += c.strength * (rays * 1.1 + halo * 0.8);
    }
    return light;
}

// One layer of craters on a lattice of the given spacing; adds height slope and brightness.
void AddCraters(double u, double v, double spacing, std::uint32_t seed, double plainFactor,
                SurfacePoint& point) {
    const int cellU = static_cast<int>(std::floor(u / spacing));
    const int cellV = static_cast<int>(std::floor(v / spacing));
    for (int j = cellV - 1; j <= cellV + 1; ++j) {
        for (int i = cellU - 1; i <= cellU + 1; ++i) {
            if (HashUnit(i, j, seed) > 0.38) {
                continue;
            }
            const double cu = (i + HashUnit(i, j, seed + 1)) * spacing;
            const double cv = (j + HashUnit(i, j, seed + 2)) * spacing;
            const double radius = spacing * (0.15 + 0.33 * std::pow(HashUnit(i, j, seed + 3), 2.0));
            const double du = u - cu;
            const double dv = v - cv;
            const double r = std::sqrt(du * du + dv * dv) / radius;
            if (r >= 2.0 || r <= 1e-9) {
                continue;
            }
            // A bowl inside the rim, a raised rim, and the rim falling away outside it.
            const double depth = 0.22 * radius * plainFactor;
            double slope = 0.0;
            if (r < 1.0) {
                slope = 2.0 * r * depth;
            }
            const double rimOffset = (r - 1.0) / 0.22;
            slope += -2.0 * rimOffset / 0.22 * 0.35 * depth * std::exp(-rimOffset * rimOffset);
            slope /= radius;
            point.slopeU += slope * du / (r * radius);
            point.slopeV += slope * dv / (r * radius);
            // Young craters keep a brighter rim.
            const double fresh = HashUnit(i, j, seed + 4);
            point.albedo += 0.05 * fresh * std::exp(-rimOffset * rimOffset) * plainFactor;
        }
    }
}

}  // namespace

SurfacePoint LunarSurface(double u, double v, double detail) {
    SurfacePoint point;
    const double dark = BasinDarkness(u, v);
    const double grain = FractalNoise(u * 14.0, v * 14.0, 5, 29u) - 0.5;
    const double broad = FractalNoise(u * 3.0 + 4.0, v * 3.0 + 1.0, 2, 31u) - 0.5;
    const double highland = 0.84 + grain * 0.14 + broad * 0.12;
    const double plain = 0.51 + grain * 0.08;
    point.albedo = highland * (1.0 - dark) + plain * dark;

    // The plains are younger and smoother: fewer and fainter craters on them.
    const double plainFactor = 1.0 - 0.75 * dark;
    double spacing = 0.16;
    for (std::uint32_t layer = 0; layer < 5; ++layer, spacing *= 0.5) {
        if (spacing * 0.35 < detail) {
            break;
        }
        AddCraters(u, v, spacing, 1000u + layer * 17u, plainFactor, point);
    }

    point.albedo += RayBrightness(u, v) * 0.16;
    point.albedo = std::clamp(point.albedo, 0.05, 1.15);
    return point;
}

}  // namespace artwork
