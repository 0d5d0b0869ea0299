// A picture held in floating point (colour 0..1 per channel plus coverage) while it is drawn;
// it becomes bytes only when a file writer quantises it.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator*(Colour a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Colour operator*(Colour a, Colour b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Colour mix(Colour a, Colour b, double t) {
    return a * (1.0 - t) + b * t;
}

// Channel value 0..1 to a byte, clamped and rounded.
std::uint8_t toByte(double value);

class Raster {
public:
    Raster(int width, int height, Colour fill = {}, double alpha = 1.0);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // (0, 0) is the top-left pixel.
    Colour& at(int x, int y) { return m_colours[index(x, y)]; }
    const Colour& at(int x, int y) const { return m_colours[index(x, y)]; }
    double& alphaAt(int x, int y) { return m_alpha[index(x, y)]; }
    double alphaAt(int x, int y) const { return m_alpha[index(x, y)]; }

    // Lays colour over pixel (x, y) with the given opacity.
    void blend(int x, int y, Colour colour, double opacity);

    // The same picture turned through 180 degrees: pixel (x, y) of the result is pixel
    // (width - 1 - x, height - 1 - y) of this one.
    Raster rotated180() const;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width;
    int m_height;
    std::vector<Colour> m_colours;
    std::vector<double> m_alpha;
};

}  // namespace artwork
