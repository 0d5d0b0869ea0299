// A picture held in floating point (colour 0..1 per channel plus coverage) while it is drawn;
// it becomes bytes only when a file writer quantises it.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

struct Color {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

inline Color operator+(Color a, Color b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Color operator*(Color a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Color operator*(Color a, Color b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Color Mix(Color a, Color b, double t) {
    return a * (1.0 - t) + b * t;
}

// Channel value 0..1 to a byte, clamped and rounded.
std::uint8_t ToByte(double value);

class Raster {
public:
    Raster(int width, int height, Color fill = {}, double alpha = 1.0);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // (0, 0) is the top-left pixel.
    Color& At(int x, int y) { return colors_[Index(x, y)]; }
    const Color& At(int x, int y) const { return colors_[Index(x, y)]; }
    double& AlphaAt(int x, int y) { return alpha_[Index(x, y)]; }
    double AlphaAt(int x, int y) const { return alpha_[Index(x, y)]; }

    // Lays colour over pixel (x, y) with the given opacity.
    void Blend(int x, int y, Color color, double opacity);

    // The same picture turned through 180 degrees: pixel (x, y) of the result is pixel
    // (width - 1 - x, height - 1 - y) of this one.
    Raster Rotated180() const;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Color> colors_;
    std::vector<double> alpha_;
};

}  // namespace artwork
