// Deterministic pseudo-random functions of integer and real coordinates: the same input gives
// the same value on every build, so the generated pictures never change between builds.
#pragma once

#include <cstdint>

namespace artwork {

// A well-mixed 32-bit hash of a lattice point and a seed.
std::uint32_t hashPoint(int x, int y, std::uint32_t seed);

// hashPoint mapped to [0, 1).
double hashUnit(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1].
double valueNoise(double x, double y, std::uint32_t seed);

// Sum of `octaves` layers of valueNoise, each at twice the frequency and half the weight of
// the one before; normalised to [0, 1].
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);

}  // namespace artwork
