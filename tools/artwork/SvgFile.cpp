#include "tools/artwork/SvgFile.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace artwork {

namespace {

// The angle of (x, y) about the circle's centre, 0 .. 2 pi, growing clockwise on the screen
// (y down), as the sweep flag of an SVG arc counts.
double AngleAbout(const Circle& circle, double x, double y) {
    const double angle = std::atan2(y - circle.y, x - circle.x);
    return angle < 0.0 ? angle + 2.0 * std::numbers::pi : angle;
}

double Turn(double from, double to) {
    const double turn = std::fmod(to - from, 2.0 * std::numbers::pi);
    return turn < 0.0 ? turn + 2.0 * std::numbers::pi : turn;
}

struct Point {
    double x;
    double y;
};

// An arc command along `circle` from `from` to `to` that passes through `via`.
std::string ArcThrough(const Circle& circle, Point from, Point to, Point via) {
    const double start = AngleAbout(circle, from.x, from.y);
    const double end = AngleAbout(circle, to.x, to.y);
    const double middle = AngleAbout(circle, via.x, via.y);
    const bool clockwise = Turn(start, middle) < Turn(start, end);
    const double swept = clockwise ? Turn(start, end) : Turn(end, start);
    const std::string r = SvgNumber(circle.r);
    return "A" + r + " " + r + " 0 " + (swept > std::numbers::pi ? "1" : "0") + " " +
           (clockwise ? "1" : "0") + " " + SvgNumber(to.x) + " " + SvgNumber(to.y);
}

}  // namespace

std::string SvgNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string number = text;
    while (number.back() == '0') {
        number.pop_back();
    }
    if (number.back() == '.') {
        number.pop_back();
    }
    return number == "-0" ? "0" : number;
}

std::string SvgColor(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", ToByte(color.r), ToByte(color.g),
                  ToByte(color.b));
    return text;
}

std::string CrescentPath(const Circle& outer, const Circle& inner) {
    // The two circles meet at p and q, on the chord across the line of centres.
    const double dx = inner.x - outer.x;
    const double dy = inner.y - outer.y;
    const double d = std::hypot(dx, dy);
    const double ux = dx / d;
    const double uy = dy / d;
    const double along = (outer.r * outer.r - inner.r * inner.r + d * d) / (2.0 * d);
    const double half = std::sqrt(outer.r * outer.r - along * along);
    const Point p{outer.x + along * ux - half * uy, outer.y + along * uy + half * ux};
    const Point q{outer.x + along * ux + half * uy, outer.y + along * uy - half * ux};
    // Out along the outer edge on the side away from the inner circle, back along the inner
    // edge where it lies within the outer circle.
    const Point far{outer.x - outer.r * ux, outer.y - outer.r * uy};
    const Point near{inner.x - inner.r * ux, inner.y - inner.r * uy};
    return "M" + SvgNumber(p.x) + " " + SvgNumber(p.y) + ArcThrough(outer, p, q, far) +
           ArcThrough(inner, q, p, near) + "Z";
}

std::string SvgDocument(int size, const std::string& body) {
    const std::string units = std::to_string(size);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           units + "\" height=\"" + units + "\" viewBox=\"0 0 " + units + " " + units + "\">\n" +
           body + "</svg>\n";
}

}  // namespace artwork
