#include "tools/artwork/Raster.h"

#include <algorithm>
#include <cmath>

namespace artwork {

std::uint8_t ToByte(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

Raster::Raster(int width, int height, Color fill, double alpha)
    : width_(width),
      height_(height),
      colors_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill),
      alpha_(colors_.size(), alpha) {}

void Raster::Blend(int x, int y, Color color, double opacity) {
    Color& pixel = At(x, y);
    pixel = Mix(pixel, color, std::clamp(opacity, 0.0, 1.0));
}

Raster Raster::Rotated180() const {
    Raster turned(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            turned.At(x, y) = At(width_ - 1 - x, height_ - 1 - y);
            turned.AlphaAt(x, y) = AlphaAt(width_ - 1 - x, height_ - 1 - y);
        }
    }
    return turned;
}

}  // namespace artwork
