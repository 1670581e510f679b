// Our own fixed-seed randomness: the same seed gives the same art and the
// same sounds on every machine and every run.
#pragma once

#include <cstdint>

namespace resgen {

// SplitMix64: tiny, fast and well mixed, and its output is fully defined
// by this code rather than by a standard library's distributions.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint32_t Next();
    // Uniform in [low, high).
    float Uniform(float low, float high);
    // Uniform integer in [0, count).
    int Below(int count);
    bool Chance(float probability);

private:
    std::uint64_t state_;
};

// Smooth lattice noise in [0, 1], the same for the same point and seed.
float ValueNoise(float x, float y, std::uint32_t seed);
// Several octaves of value noise, halving in size and strength, in [0, 1].
float FractalNoise(float x, float y, std::uint32_t seed, int octaves);

}  // namespace resgen
