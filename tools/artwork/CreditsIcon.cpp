#include "tools/artwork/CreditsIcon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "tools/artwork/CrescentIcon.h"
#include "tools/artwork/SvgFile.h"

namespace artwork {

namespace {

// Coordinates in icon widths, y down. The rounded square of sky, its edge, the horizon.
constexpr double kTileLow = 0.04, kTileHigh = 0.96, kTileCorner = 0.18;
constexpr double kHorizon = 0.70;
constexpr double kMinEdge = 0.02;  // in icon widths; at least 0.9 pixels at small sizes
// The crescent, kMoonScale of the icon's width, centred at (kMoonX, kMoonY). The night sets
// it off well enough: its dark edge stays thin at every size.
constexpr double kMoonX = 0.58, kMoonY = 0.35, kMoonScale = 0.48;
constexpr int kSamples = 8;  // per pixel and axis

constexpr Color kEdge{0.02, 0.03, 0.09};
constexpr Color kSkyHigh{0.02, 0.04, 0.14};
constexpr Color kSkyLow{0.11, 0.19, 0.42};
constexpr Color kSeaHigh{0.05, 0.10, 0.25};
constexpr Color kSeaLow{0.01, 0.03, 0.10};
constexpr Color kStar{0.92, 0.94, 1.00};
constexpr Color kGlitter{1.00, 0.90, 0.45};
constexpr double kGlitterOpacity = 0.8;

constexpr std::array<Circle, 5> kStars{{
    {0.20, 0.19, 0.024},
    {0.33, 0.44, 0.016},
    {0.15, 0.58, 0.014},
    {0.86, 0.13, 0.016},
    {0.40, 0.11, 0.012},
}};

// The glitter: bars with round ends, centred under the crescent's lit side.
struct Bar {
    double x;  // centre
    double y;  // top
    double width;
    double height;
};
constexpr std::array<Bar, 4> kGlitterBars{{
    {0.66, 0.745, 0.26, 0.026},
    {0.67, 0.805, 0.19, 0.024},
    {0.66, 0.862, 0.12, 0.022},
    {0.67, 0.912, 0.07, 0.020},
}};

// Signed distance to the rounded square shrunk by `inset` (negative inside).
double TileDistance(double x, double y, double inset) {
    const double centre = (kTileLow + kTileHigh) / 2.0;
    const double half = (kTileHigh - kTileLow) / 2.0 - inset;
    const double corner = kTileCorner - inset;
    const double qx = std::abs(x - centre) - (half - corner);
    const double qy = std::abs(y - centre) - (half - corner);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
           corner;
}

bool InBar(const Bar& bar, double x, double y) {
    const double radius = bar.height / 2.0;
    const double reach = std::max(std::abs(x - bar.x) - (bar.width / 2.0 - radius), 0.0);
    return std::hypot(reach, y - (bar.y + radius)) <= radius;
}

// The colour at (x, y), nothing outside the rounded square.
std::optional<Color> Sample(double x, double y, double edge) {
    const double distance = TileDistance(x, y, 0.0);
    if (distance > 0.0) {
        return std::nullopt;
    }
    if (distance > -edge) {
        return kEdge;
    }
    const double top = kTileLow + edge;
    const double bottom = kTileHigh - edge;
    if (const std::optional<Color> moon = CrescentColorAt(
            (x - kMoonX) / kMoonScale + 0.5, (y - kMoonY) / kMoonScale + 0.5, kCrescentMinEdge)) {
        return moon;
    }
    if (y < kHorizon) {
        for (const Circle& star : kStars) {
            if (std::hypot(x - star.x, y - star.y) <= star.r) {
                return kStar;
            }
        }
        return Mix(kSkyHigh, kSkyLow, (y - top) / (kHorizon - top));
    }
    const Color sea = Mix(kSeaHigh, kSeaLow, (y - kHorizon) / (bottom - kHorizon));
    for (const Bar& bar : kGlitterBars) {
        if (InBar(bar, x, y)) {
            return Mix(sea, kGlitter, kGlitterOpacity);
        }
    }
    return sea;
}

std::string Stop(double offset, Color color) {
    return "<stop offset=\"" + SvgNumber(offset) + "\" stop-color=\"" + SvgColor(color) + "\"/>";
}

std::string VerticalGradient(const std::string& id, double from, double to, Color high, Color low) {
    return "<linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" +
           SvgNumber(from) + "\" x2=\"0\" y2=\"" + SvgNumber(to) + "\">" + Stop(0, high) +
           Stop(1, low) + "</linearGradient>\n";
}

std::string RoundedRect(double low, double high, double corner, const std::string& fill) {
    return "<rect x=\"" + SvgNumber(low) + "\" y=\"" + SvgNumber(low) + "\" width=\"" +
           SvgNumber(high - low) + "\" height=\"" + SvgNumber(high - low) + "\" rx=\"" +
           SvgNumber(corner) + "\" fill=\"" + fill + "\"/>\n";
}

}  // namespace

Raster CreditsIcon(int size) {
    Raster icon(size, size, {}, 0.0);
    const double edge = std::max(kMinEdge, 0.9 / size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Color sum;
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const std::optional<Color> color =
                        Sample((x + (sx + 0.5) / kSamples) / size,
                               (y + (sy + 0.5) / kSamples) / size, edge);
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

std::string CreditsIconSvg() {
    constexpr double kUnits = 256.0;
    const double edge = kMinEdge;
    const double low = (kTileLow + edge) * kUnits;
    const double high = (kTileHigh - edge) * kUnits;
    const double corner = (kTileCorner - edge) * kUnits;
    const double horizon = kHorizon * kUnits;

    std::string body = "<defs>\n" + VerticalGradient("sky", low, horizon, kSkyHigh, kSkyLow) +
                       VerticalGradient("sea", horizon, high, kSeaHigh, kSeaLow) + "</defs>\n";
    body +=
        RoundedRect(kTileLow * kUnits, kTileHigh * kUnits, kTileCorner * kUnits, SvgColor(kEdge));
    body += RoundedRect(low, high, corner, "url(#sky)");
    // The sea: the lower part of the inner square, its two bottom corners rounded.
    body += "<path fill=\"url(#sea)\" d=\"M" + SvgNumber(low) + " " + SvgNumber(horizon) + "H" +
            SvgNumber(high) + "V" + SvgNumber(high - corner) + "A" + SvgNumber(corner) + " " +
            SvgNumber(corner) + " 0 0 1 " + SvgNumber(high - corner) + " " + SvgNumber(high) + "H" +
            SvgNumber(low + corner) + "A" + SvgNumber(corner) + " " + SvgNumber(corner) +
            " 0 0 1 " + SvgNumber(low) + " " + SvgNumber(high - corner) + "Z\"/>\n";
    for (const Bar& bar : kGlitterBars) {
        body += "<rect x=\"" + SvgNumber((bar.x - bar.width / 2.0) * kUnits) + "\" y=\"" +
                SvgNumber(bar.y * kUnits) + "\" width=\"" + SvgNumber(bar.width * kUnits) +
                "\" height=\"" + SvgNumber(bar.height * kUnits) + "\" rx=\"" +
                SvgNumber(bar.height / 2.0 * kUnits) + "\" fill=\"" + SvgColor(kGlitter) +
                "\" fill-opacity=\"" + SvgNumber(kGlitterOpacity) + "\"/>\n";
    }
    for (const Circle& star : kStars) {
        body += "<circle cx=\"" + SvgNumber(star.x * kUnits) + "\" cy=\"" +
                SvgNumber(star.y * kUnits) + "\" r=\"" + SvgNumber(star.r * kUnits) + "\" fill=\"" +
                SvgColor(kStar) + "\"/>\n";
    }
    body += "<g transform=\"translate(" + SvgNumber((kMoonX - kMoonScale / 2.0) * kUnits) + " " +
            SvgNumber((kMoonY - kMoonScale / 2.0) * kUnits) + ") scale(" + SvgNumber(kMoonScale) +
            ")\">\n" + CrescentSvgElements(kUnits, "moon") + "</g>\n";
    return SvgDocument(static_cast<int>(kUnits), body);
}

}  // namespace artwork
