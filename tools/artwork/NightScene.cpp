#include "tools/artwork/NightScene.h"

#include <algorithm>
#include <cmath>

#include "tools/artwork/MoonDisc.h"
#include "tools/artwork/Noise.h"

namespace artwork {

namespace {

constexpr double kHorizon = 292.0;  // first row of water
constexpr double kMoonX = 236.0;
constexpr double kMoonY = 116.0;
constexpr double kMoonRadius = 52.0;

constexpr Color kSkyTop{0.008, 0.016, 0.060};
constexpr Color kSkyMiddle{0.025, 0.055, 0.150};
constexpr Color kSkyLow{0.080, 0.140, 0.270};
constexpr Color kMoonGlow{0.55, 0.62, 0.75};
constexpr Color kMoonlight{1.00, 0.96, 0.85};
constexpr Color kLand{0.010, 0.014, 0.030};

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Light scattered around the Moon, as a function of the distance from its centre.
double MoonGlow(double x, double y) {
    const double d = std::max(0.0, std::hypot(x - kMoonX, y - kMoonY) - kMoonRadius);
    return 0.28 * std::exp(-d / 18.0) + 0.16 * std::exp(-d / 75.0);
}

Color SkyAt(double x, double y) {
    const double t = std::clamp(y / kHorizon, 0.0, 1.0);
    Color sky = t < 0.55 ? Mix(kSkyTop, kSkyMiddle, SmoothStep(0.0, 0.55, t))
                         : Mix(kSkyMiddle, kSkyLow, SmoothStep(0.55, 1.0, t));
    return sky + kMoonGlow * MoonGlow(x, y);
}

// Top of the headland on the left, in rows; the land lies below it down to the horizon.
double HeadlandTop(double x) {
    const double shape = 1.0 - SmoothStep(40.0, 150.0, x);
    const double ridge = FractalNoise(x / 38.0, 2.5, 4, 71u) - 0.5;
    return kHorizon - shape * (26.0 + ridge * 14.0) - 1.0;
}

// A small lighthouse on the headland, its lamp at the top of the tower.
constexpr double kBeaconX = 96.5;
constexpr double kTowerHeight = 9.0;

double BeaconY() {
    return HeadlandTop(kBeaconX) - kTowerHeight;
}

// Stars on a lattice of cells: at most one per cell, brightness falling steeply so that a few
// stand out among many faint ones.
void PaintStars(Raster& picture, int scale) {
    constexpr int kCell = 9;
    for (int cy = 0; cy * kCell < static_cast<int>(kHorizon); ++cy) {
        for (int cx = 0; cx * kCell < kNightWidth; ++cx) {
            if (HashUnit(cx, cy, 501u) > 0.5) {
                continue;
            }
            const double sx = (cx + HashUnit(cx, cy, 502u)) * kCell;
            const double sy = (cy + HashUnit(cx, cy, 503u)) * kCell;
            const double haze = 1.0 - SmoothStep(kHorizon - 110.0, kHorizon - 10.0, sy);
            const double drowned = std::clamp(1.0 - MoonGlow(sx, sy) * 4.5, 0.0, 1.0);
            const double brightness =
                std::pow(HashUnit(cx, cy, 504u), 7.0) * 1.6 + 0.05 * HashUnit(cx, cy, 505u);
            const double strength = brightness * haze * drowned;
            if (strength < 0.01 || sy >= HeadlandTop(sx)) {
                continue;
            }
            const double warmth = HashUnit(cx, cy, 506u);
            const Color tint = warmth < 0.5
                                   ? Mix(Color{0.75, 0.85, 1.0}, Color{1, 1, 1}, warmth * 2)
                                   : Mix(Color{1, 1, 1}, Color{1.0, 0.88, 0.72}, warmth * 2 - 1);
            const double spread = 0.45 + 0.5 * brightness;
            const int reach = 2 * scale;
            const int px = static_cast<int>(sx * scale);
            const int py = static_cast<int>(sy * scale);
            for (int y = py - reach; y <= py + reach; ++y) {
                for (int x = px - reach; x <= px + reach; ++x) {
                    if (x < 0 || y < 0 || x >= picture.Width() || y >= picture.Height()) {
                        continue;
                    }
                    const double dx = (x + 0.5) / scale - sx;
                    const double dy = (y + 0.5) / scale - sy;
                    const double d2 = dx * dx + dy * dy;
                    const double light = strength * std::exp(-d2 / (2.0 * spread * spread));
                    picture.At(x, y) = picture.At(x, y) + tint * light;
                }
            }
        }
    }
}

// The sea at one point. Row `depth` below the horizon lies at a distance proportional to
// 1 / depth, so the ripples shrink and crowd together towards the horizon.
Color SeaSample(double x, double y) {
    const double depth = std::max(y - kHorizon, 0.3);
    const double across = (x - kMoonX) / depth;
    const double along = 160.0 / depth;
    const double crests = FractalNoise(across * 5.0, along * 22.0, 3, 91u);
    const double swell = ValueNoise(across * 1.5, along * 5.0, 92u);
    const double wave = crests * 0.65 + swell * 0.35;
    const double nearness = std::clamp(depth / (kNightHeight - kHorizon), 0.0, 1.0);

    // The water mirrors the low sky, darker towards the viewer, shaded by the ripples.
    Color sea = Mix(kSkyLow * 0.60, Color{0.006, 0.012, 0.035}, std::pow(nearness, 0.5));
    sea = sea * (0.80 + 0.40 * wave);

    // Ripple faces that tilt towards the Moon flash with its light: along the Moon's path,
    // which widens towards the viewer, and faintly everywhere else.
    const double glint = SmoothStep(0.56, 0.70, wave);
    const double halfWidth = 8.0 + depth * 0.50;
    const double offset = (x - kMoonX) / halfWidth;
    const double path = std::exp(-offset * offset);
    sea = sea + kMoonlight * (path * (glint * 1.1 + 0.30 * std::exp(-depth / 6.0)));
    sea = sea + kMoonGlow * (glint * 0.05 +
                             0.06 * std::exp(-std::abs(x - kMoonX) / 90.0) * (1.0 - nearness));

    // The beacon's warm streak on the water below it.
    const double beaconOffset = (x - kBeaconX) / (0.8 + depth * 0.06);
    const double beacon = std::exp(-beaconOffset * beaconOffset);
    sea = sea + Color{1.0, 0.72, 0.35} * (beacon * glint * 0.9 * std::exp(-depth / 60.0));
    return sea;
}

// Ripples are much finer than a pixel near the horizon: average several points over the
// pixel whose top-left corner is (x, y) and whose side is `side`.
Color SeaAt(double x, double y, double side) {
    constexpr int kAcross = 2;
    constexpr int kDown = 4;
    Color sum;
    for (int j = 0; j < kDown; ++j) {
        for (int i = 0; i < kAcross; ++i) {
            sum = sum + SeaSample(x + side * (i + 0.5) / kAcross, y + side * (j + 0.5) / kDown);
        }
    }
    return sum * (1.0 / (kAcross * kDown));
}

// Thin bands of cloud low in the sky, their edges silvered near the Moon.
void PaintClouds(Raster& picture, int scale) {
    for (int y = 190 * scale; y < static_cast<int>(kHorizon) * scale; ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const double px = (x + 0.5) / scale;
            const double py = (y + 0.5) / scale;
            const double band = SmoothStep(190.0, 215.0, py) * (1.0 - SmoothStep(250.0, 275.0, py));
            const double body = FractalNoise(px / 110.0, py / 9.0, 5, 61u);
            const double density = SmoothStep(0.52, 0.72, body) * band;
            if (density <= 0.0) {
                continue;
            }
            const double lit = MoonGlow(px, py) * 2.2 * (1.0 - SmoothStep(0.6, 0.9, body));
            const Color cloud = Mix(Color{0.040, 0.060, 0.115}, kMoonGlow, std::min(lit, 0.8));
            picture.Blend(x, y, cloud, density * 0.85);
        }
    }
}

void PaintLighthouse(Raster& picture, int scale) {
    const double by = BeaconY();
    const double pixel = 1.0 / scale;
    // The tower narrows from three pixels at its foot to two under the lamp.
    const int foot = (static_cast<int>(HeadlandTop(kBeaconX)) + 2) * scale;
    for (int y = static_cast<int>(by * scale); y < foot; ++y) {
        const double halfWidth = 1.0 + 0.5 * (y * pixel - by) / kTowerHeight;
        for (int x = static_cast<int>((kBeaconX - 3) * scale);
             x <= static_cast<int>((kBeaconX + 3) * scale); ++x) {
            const double cover = std::clamp(
                (halfWidth + 0.5 * pixel - std::abs((x + 0.5) * pixel - kBeaconX)) * scale, 0.0,
                1.0);
            picture.Blend(x, y, kLand, cover);
        }
    }
    for (int y = (static_cast<int>(by) - 10) * scale; y <= (static_cast<int>(by) + 10) * scale;
         ++y) {
        for (int x = (static_cast<int>(kBeaconX) - 10) * scale;
             x <= (static_cast<int>(kBeaconX) + 10) * scale; ++x) {
            const double d = std::hypot((x + 0.5) * pixel - kBeaconX, (y + 0.5) * pixel - by);
            const double light = 1.2 * std::exp(-d * d / 0.9) + 0.18 * std::exp(-d / 3.5);
            picture.At(x, y) = picture.At(x, y) + Color{1.0, 0.78, 0.42} * light;
        }
    }
}

}  // namespace

Raster NightScene(int scale) {
    const int width = kNightWidth * scale;
    const int height = kNightHeight * scale;
    const double pixel = 1.0 / scale;  // the side of one pixel in the scene's units
    Raster picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double cx = (x + 0.5) * pixel;
            const double cy = (y + 0.5) * pixel;
            picture.At(x, y) = cy < kHorizon ? SkyAt(cx, cy) : SeaAt(x * pixel, y * pixel, pixel);
        }
    }
    PaintStars(picture, scale);
    PaintClouds(picture, scale);
    // A nearly full Moon: the Sun a little to its right lends the disc some depth.
    PaintMoon(picture, kMoonX * scale, kMoonY * scale, kMoonRadius * scale,
              MoonLight{{0.28, 0.06, 0.96}, 0.0}, std::max(2, 4 / scale));

    // The headland, with soft edges against the sky.
    const int horizonRow = static_cast<int>(kHorizon) * scale;
    for (int x = 0; x < width; ++x) {
        const double top = HeadlandTop((x + 0.5) * pixel) * scale;
        for (int y = std::max(0, static_cast<int>(top) - 1); y < horizonRow; ++y) {
            picture.Blend(x, y, kLand, std::clamp(y + 1.0 - top, 0.0, 1.0));
        }
    }
    PaintLighthouse(picture, scale);

    // A faint band of haze on the horizon.
    for (int y = horizonRow - 3 * scale; y < horizonRow + 3 * scale; ++y) {
        for (int x = 0; x < width; ++x) {
            const double d = ((y + 0.5) * pixel - kHorizon) / 2.0;
            picture.At(x, y) = picture.At(x, y) + kSkyLow * (0.25 * std::exp(-d * d));
        }
    }

    // Dither by less than a step of the 8-bit output, so the smooth sky shows no bands.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double jitter = (HashUnit(x, y, 777u) - 0.5) / 255.0;
            picture.At(x, y) = picture.At(x, y) + Color{jitter, jitter, jitter};
        }
    }
    return picture;
}

}  // namespace artwork
