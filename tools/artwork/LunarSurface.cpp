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
    Basin{0.02, 0.80, 0.50, 0.07, 0.75},   Basin{0.06, 0.27, 0.09, 0.07, 0.70},
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

double smoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// 0 on highland, up to 1 on the darkest plain.
double basinDarkness(double u, double v) {
    const double wobble = fractalNoise(u * 6.0 + 11.0, v * 6.0 + 3.0, 4, 17u) - 0.5;
    double dark = 0.0;
    for (const Basin& b : kBasins) {
        const double du = (u - b.u) / b.ru;
        const double dv = (v - b.v) / b.rv;
        const double d = std::sqrt(du * du + dv * dv) + wobble * 0.55;
        dark = std::max(dark, b.depth * (1.0 - smoothStep(0.70, 1.10, d)));
    }
    return dark;
}

double rayBrightness(double u, double v) {
    double light = 0.0;
    for (std::size_t i = 0; i < kRayCraters.size(); ++i) {
        const RayCrater& c = kRayCraters[i];
        const double du = u - c.u;
        const double dv = v - c.v;
        const double d = std::sqrt(du * du + dv * dv);
        const double angle = std::atan2(dv, du);
        const auto seed = static_cast<std::uint32_t>(300 + i);
        // Noise on a circle of the angle, so the rays meet without a seam.
        const double streak =
            std::pow(valueNoise(std::cos(angle) * 9.0, std::sin(angle) * 9.0, seed), 5.0);
        const double rays = streak * std::exp(-d / (c.reach * 0.45)) * 2.2;
        const double halo = std::exp(-(d * d) / (c.radius * c.radius * 4.0));
        light += c.strength * (rays + halo * 0.9);
    }
    return light;
}

// One layer of craters on a lattice of the given spacing; adds height slope and brightness.
void addCraters(double u, double v, double spacing, std::uint32_t seed, double plainFactor,
                SurfacePoint& point) {
    const int cellU = static_cast<int>(std::floor(u / spacing));
    const int cellV = static_cast<int>(std::floor(v / spacing));
    for (int j = cellV - 1; j <= cellV + 1; ++j) {
        for (int i = cellU - 1; i <= cellU + 1; ++i) {
            if (hashUnit(i, j, seed) > 0.55) {
                continue;
            }
            const double cu = (i + hashUnit(i, j, seed + 1)) * spacing;
            const double cv = (j + hashUnit(i, j, seed + 2)) * spacing;
            const double radius = spacing * (0.18 + 0.32 * hashUnit(i, j, seed + 3));
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
            const double fresh = hashUnit(i, j, seed + 4);
            point.albedo += 0.10 * fresh * std::exp(-rimOffset * rimOffset) * plainFactor;
        }
    }
}

}  // namespace

SurfacePoint lunarSurface(double u, double v, double detail) {
    SurfacePoint point;
    const double dark = basinDarkness(u, v);
    const double grain = fractalNoise(u * 14.0, v * 14.0, 5, 29u) - 0.5;
    const double highland = 0.86 + grain * 0.16;
    const double plain = 0.46 + grain * 0.10;
    point.albedo = highland * (1.0 - dark) + plain * dark;

    // The plains are younger and smoother: fewer and fainter craters on them.
    const double plainFactor = 1.0 - 0.75 * dark;
    double spacing = 0.16;
    for (std::uint32_t layer = 0; layer < 5; ++layer, spacing *= 0.5) {
        if (spacing * 0.35 < detail) {
            break;
        }
        addCraters(u, v, spacing, 1000u + layer * 17u, plainFactor, point);
    }

    point.albedo += rayBrightness(u, v) * 0.22;
    point.albedo = std::clamp(point.albedo, 0.05, 1.15);
    return point;
}

}  // namespace artwork
