#include "tools/artwork/CrescentIcon.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace artwork {

namespace {

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

// Brightest just inside the lit limb, warmer towards the shadow edge and the horns: `across`
// runs from the inner edge at 0 to the outer edge at 1.
Color Shade(double across, double y) {
    const double lift = 0.12 * (0.5 - std::abs(y - 0.45));
    return Ramp(std::pow(across, 0.8) + lift);
}

}  // namespace

std::optional<Color> CrescentColorAt(double x, double y, double edgeWidth) {
    const Circle& o = kCrescentOuter;
    const Circle& i = kCrescentInner;
    const double outer = DistanceTo(x, y, o.x, o.y, o.r);
    const double inner = DistanceTo(x, y, i.x, i.y, i.r);
    const double edge = std::max(outer, -inner);  // negative inside the crescent
    if (edge > 0.0) {
        return std::nullopt;
    }
    if (edge > -edgeWidth) {
        return kRim;
    }
    return Shade(inner / (inner - outer), y);
}

Raster CrescentIcon(int size) {
    Raster icon(size, size, {}, 0.0);
    // The edge stays about one pixel wide at small sizes and grows gently with larger ones.
    const double rimWidth = std::max(kCrescentMinEdge, 0.9 / size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Color sum;
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const std::optional<Color> color =
                        CrescentColorAt((x + (sx + 0.5) / kSamples) / size,
                                        (y + (sy + 0.5) / kSamples) / size, rimWidth);
                    if (color) {
                        sum = sum + *color;
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

std::string CrescentSvgElements(double units, const std::string& id) {
    const Circle& o = kCrescentOuter;
    const Circle& i = kCrescentInner;
    const double edge = kCrescentMinEdge;
    // The shading as rings about the inner disc's centre: along the line through both centres,
    // where the crescent is widest, `across` grows evenly from the inner edge to the lit limb.
    const double apart = std::hypot(o.x - i.x, o.y - i.y);
    const double reach = apart + o.r;
    const double rise = (o.y - i.y) / apart;  // y per unit of distance along that line
    std::string gradient = "<radialGradient id=\"" + id +
                           "\" gradientUnits=\"userSpaceOnUse\" cx=\"" + SvgNumber(i.x * units) +
                           "\" cy=\"" + SvgNumber(i.y * units) + "\" r=\"" +
                           SvgNumber(reach * units) + "\">";
    constexpr int kStops = 8;
    for (int k = 0; k <= kStops; ++k) {
        const double across = static_cast<double>(k) / kStops;
        const double distance = i.r + across * (reach - i.r);
        gradient += "<stop offset=\"" + SvgNumber(distance / reach) + "\" stop-color=\"" +
                    SvgColor(Shade(across, i.y + distance * rise)) + "\"/>";
    }
    gradient += "</radialGradient>";
    const auto scaled = [units](const Circle& c, double grow) {
        return Circle{c.x * units, c.y * units, (c.r + grow) * units};
    };
    return "<defs>" + gradient + "</defs>\n<path fill=\"" + SvgColor(kRim) + "\" d=\"" +
           CrescentPath(scaled(o, 0.0), scaled(i, 0.0)) + "\"/>\n<path fill=\"url(#" + id +
           ")\" d=\"" + CrescentPath(scaled(o, -edge), scaled(i, edge)) + "\"/>\n";
}

std::string CrescentIconSvg() {
    constexpr double kUnits = 256.0;
    return SvgDocument(static_cast<int>(kUnits), CrescentSvgElements(kUnits, "crescent"));
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

Raster Expand(const IndexedImage& image) {
    Raster picture(image.size, image.size, {}, 0.0);
    for (int y = 0; y < image.size; ++y) {
        for (int x = 0; x < image.size; ++x) {
            const auto i = static_cast<std::size_t>(y * image.size + x);
            picture.At(x, y) = image.palette[image.indices[i]];
            picture.AlphaAt(x, y) = image.opaque[i] ? 1.0 : 0.0;
        }
    }
    return picture;
}

}  // namespace artwork
