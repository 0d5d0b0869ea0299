#include "tools/artwork/Raster.h"

#include <algorithm>
#include <cmath>

namespace artwork {

std::uint8_t toByte(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

Raster::Raster(int width, int height, Colour fill, double alpha)
    : m_width(width),
      m_height(height),
      m_colours(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill),
      m_alpha(m_colours.size(), alpha) {}

void Raster::blend(int x, int y, Colour colour, double opacity) {
    Colour& pixel = at(x, y);
    pixel = mix(pixel, colour, std::clamp(opacity, 0.0, 1.0));
}

Raster Raster::rotated180() const {
    Raster turned(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            turned.at(x, y) = at(m_width - 1 - x, m_height - 1 - y);
            turned.alphaAt(x, y) = alphaAt(m_width - 1 - x, m_height - 1 - y);
        }
    }
    return turned;
}

}  // namespace artwork
