// Deterministic pseudo-random functions of integer and real coordinates: the same input gives
// the same value on every build, so the generated pictures never change between builds.
#pragma once

#include <cstdint>

namespace artwork {

// A well-mixed 32-bit hash of a lattice point and a seed.
std::uint32_t HashPoint(int x, int y, std::uint32_t seed);

// HashPoint mapped to [0, 1).
double HashUnit(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1].
double ValueNoise(double x, double y, std::uint32_t seed);

// Sum of `octaves` layers of ValueNoise, each at twice the frequency and half the weight of
// the one before; normalised to [0, 1].
double FractalNoise(double x, double y, int octaves, std::uint32_t seed);

}  // namespace artwork
