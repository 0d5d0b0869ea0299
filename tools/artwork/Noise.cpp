#include "tools/artwork/Noise.h"

#include <cmath>

namespace artwork {

std::uint32_t HashPoint(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double HashUnit(int x, int y, std::uint32_t seed) {
    return static_cast<double>(HashPoint(x, y, seed)) / 4294967296.0;
}

namespace {

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double top = HashUnit(ix, iy, seed) * (1.0 - tx) + HashUnit(ix + 1, iy, seed) * tx;
    const double bottom =
        HashUnit(ix, iy + 1, seed) * (1.0 - tx) + HashUnit(ix + 1, iy + 1, seed) * tx;
    return top * (1.0 - ty) + bottom * ty;
}

double FractalNoise(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += ValueNoise(x, y, seed + static_cast<std::uint32_t>(octave) * 101u) * weight;
        total += weight;
        x *= 2.0;
        y *= 2.0;
        weight *= 0.5;
    }
    return total > 0.0 ? sum / total : 0.0;
}

}  // namespace artwork
