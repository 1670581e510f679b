#include "random.h"

#include <cmath>

namespace resgen {

std::uint32_t Rng::Next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

float Rng::Uniform(float low, float high) {
    // 24 random bits fill a float's mantissa exactly.
    const float unit = static_cast<float>(Next() >> 8) / 16777216.0F;
    return low + (high - low) * unit;
}

int Rng::Below(int count) {
    return count <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint32_t>(count));
}

bool Rng::Chance(float probability) {
    return Uniform(0.0F, 1.0F) < probability;
}

namespace {

float LatticeValue(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed;
    h ^= static_cast<std::uint32_t>(x) * 0x27D4EB2DU;
    h = (h ^ (h >> 15)) * 0x85EBCA6BU;
    h ^= static_cast<std::uint32_t>(y) * 0x165667B1U;
    h = (h ^ (h >> 13)) * 0xC2B2AE35U;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFFU) / 16777215.0F;
}

float Fade(float t) {
    return t * t * (3.0F - 2.0F * t);
}

}  // namespace

float ValueNoise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = Fade(x - fx);
    const float ty = Fade(y - fy);
    const float top =
        LatticeValue(ix, iy, seed) * (1.0F - tx) + LatticeValue(ix + 1, iy, seed) * tx;
    const float bottom =
        LatticeValue(ix, iy + 1, seed) * (1.0F - tx) + LatticeValue(ix + 1, iy + 1, seed) * tx;
    return top * (1.0F - ty) + bottom * ty;
}

float FractalNoise(float x, float y, std::uint32_t seed, int octaves) {
    float sum = 0.0F;
    float weight = 0.0F;
    float strength = 1.0F;
    float scale = 1.0F;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += ValueNoise(x * scale, y * scale, seed + static_cast<std::uint32_t>(octave) * 101U) *
               strength;
        weight += strength;
        strength *= 0.5F;
        scale *= 2.0F;
    }
    return sum / weight;
}

}  // namespace resgen
