#include "tools/artwork/CrescentIcon.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace artwork {

namespace {

// The crescent is the part of the outer disc that the inner disc, set up and to the left,
// leaves uncovered. Coordinates are in icon widths, y down.
constexpr double kOuterX = 0.50, kOuterY = 0.50, kOuterR = 0.46;
constexpr double kInnerX = 0.30, kInnerY = 0.43, kInnerR = 0.37;
constexpr int kSamples = 8;  // per pixel and axis

constexpr Color kRim{0.62, 0.36, 0.02};  // the thin edge that sets it off from any ground
constexpr Color kDeep{0.93, 0.62, 0.06};
constexpr Color kBody{1.00, 0.86, 0.16};
constexpr Color kGlow{1.00, 0.97, 0.62};
constexpr int kRampColors = 14;  // palette entries 2 to 15

// The body colour, from the inner (shadow) edge at 0 to the lit limb at 1.
Color Ramp(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t < 0.55 ? Mix(kDeep, kBody, t / 0.55) : Mix(kBody, kGlow, (t - 0.55) / 0.45);
}

double DistanceTo(double x, double y, double cx, double cy, double r) {
    return std::hypot(x - cx, y - cy) - r;
}

struct CrescentPoint {
    bool inside;
    Color color;
};

CrescentPoint Sample(double x, double y, double rimWidth) {
    const double outer = DistanceTo(x, y, kOuterX, kOuterY, kOuterR);
    const double inner = DistanceTo(x, y, kInnerX, kInnerY, kInnerR);
    const double edge = std::max(outer, -inner);  // negative inside the crescent
    if (edge > 0.0) {
        return {false, {}};
    }
    if (edge > -rimWidth) {
        return {true, kRim};
    }
    // Brightest just inside the lit limb, warmer towards the shadow edge and the horns.
    const double across = inner / (inner - outer);
    const double lift = 0.12 * (0.5 - std::abs(y - 0.45));
    return {true, Ramp(std::pow(across, 0.8) + lift)};
}

}  // namespace

Raster CrescentIcon(int size) {
    Raster icon(size, size, {}, 0.0);
    // The edge stays about one pixel wide at small sizes and grows gently with larger ones.
    const double rimWidth = std::max(0.022, 0.9 / size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Color sum;
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const CrescentPoint p = Sample((x + (sx + 0.5) / kSamples) / size,
                                                   (y + (sy + 0.5) / kSamples) / size, rimWidth);
                    if (p.inside) {
                        sum = sum + p.color;
                        ++inside;
                    }
                }
            }
            if (inside > 0) {
                icon.At(x, y) = sum * (1.0 / inside);
                icon.AlphaAt(x, y) = static_cast<double>(inside) / (kSamples * kSamples);
            }
        }
    }
    return icon;
}

IndexedImage IndexedCrescentIcon(int size) {
    IndexedImage image;
    image.size = size;
    image.palette[0] = {};  // under the mask: transparent
    image.palette[1] = kRim;
    for (int i = 0; i < kRampColors; ++i) {
        image.palette[static_cast<std::size_t>(2 + i)] = Ramp(i / (kRampColors - 1.0));
    }

    const Raster smooth = CrescentIcon(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool opaque = smooth.AlphaAt(x, y) >= 0.5;
            std::uint8_t best = 0;
            if (opaque) {
                const Color c = smooth.At(x, y);
                double bestDistance = std::numeric_limits<double>::max();
                for (std::size_t i = 1; i < image.palette.size(); ++i) {
                    const Color& p = image.palette[i];
                    const double d = (c.r - p.r) * (c.r - p.r) * 0.30 +
                                     (c.g - p.g) * (c.g - p.g) * 0.59 +
                                     (c.b - p.b) * (c.b - p.b) * 0.11;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = static_cast<std::uint8_t>(i);
                    }
                }
            }
            image.indices.push_back(best);
            image.opaque.push_back(opaque);
        }
    }
    return image;
}

}  // namespace artwork
