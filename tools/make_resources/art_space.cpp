// The backdrop: a faint nebula behind two layers of stars.
#include <array>
#include <cmath>

#include "art.h"
#include "random.h"

namespace resgen {

namespace {

constexpr std::array<Color, 4> kStarTints{Rgb(255, 255, 255), Rgb(200, 220, 255),
                                          Rgb(255, 236, 200), Rgb(220, 200, 255)};

void AddStarPixel(Canvas& canvas, int x, int y, Color color, float strength) {
    if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height()) {
        return;
    }
    const Pixel& pixel = canvas.At(x, y);
    canvas.Blend(x, y, pixel.color + color * strength, 1.0F);
}

// A star's place in a box and its strength, drawn one at a time: the
// order in which a call's arguments are worked out is the compiler's, and
// differs between architectures. This is the order the x86-64 builds have
// always taken (the last argument first), which the picture keeps.
struct Star {
    int x;
    int y;
    float strength;
};

Star RandomStar(Rng& rng, int left, int top, int width, int height, float low, float high) {
    const float strength = rng.Uniform(low, high);
    const int y = top + rng.Below(height);
    const int x = left + rng.Below(width);
    return {x, y, strength};
}

void DrawNebula(Canvas& canvas) {
    // Two thin clouds, violet and teal, drifting diagonally; mostly the
    // sky stays black so the stars and the figures carry the picture.
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            const float warp = FractalNoise(fx / 260.0F, fy / 260.0F, 5U, 3);
            const float violet = FractalNoise(fx / 210.0F + warp, fy / 170.0F, 7U, 5);
            const float teal = FractalNoise(fx / 180.0F, fy / 230.0F + warp, 9U, 5);
            const float band = 1.0F - std::abs((fx * 0.45F + fy) / 600.0F - 0.75F) * 1.6F;
            const Color color =
                Rgb(120, 50, 150) * (SmoothStep(0.45F, 0.8F, violet) * 0.55F * band) +
                Rgb(30, 110, 140) * (SmoothStep(0.5F, 0.85F, teal) * 0.4F);
            canvas.Blend(x, y, color, 1.0F);
        }
    }
}

void DrawDimStars(Canvas& canvas, Rng& rng) {
    // One star in every small cell, so no stretch of sky is empty, plus
    // a scattering of extra ones so the grid never shows.
    constexpr int kCell = 16;
    for (int top = 0; top < canvas.Height(); top += kCell) {
        for (int left = 0; left < canvas.Width(); left += kCell) {
            const Color tint = kStarTints[static_cast<std::size_t>(rng.Below(4))];
            const Star star = RandomStar(rng, left, top, kCell, kCell, 0.22F, 0.5F);
            AddStarPixel(canvas, star.x, star.y, tint, star.strength);
        }
    }
    for (int i = 0; i < 900; ++i) {
        const Color tint = kStarTints[static_cast<std::size_t>(rng.Below(4))];
        const Star star = RandomStar(rng, 0, 0, canvas.Width(), canvas.Height(), 0.15F, 0.4F);
        AddStarPixel(canvas, star.x, star.y, tint, star.strength);
    }
}

void DrawBrightStar(Canvas& canvas, int x, int y, Color tint, float strength, int spikes) {
    AddStarPixel(canvas, x, y, tint, strength);
    for (const auto [dx, dy] :
         {std::array{1, 0}, std::array{-1, 0}, std::array{0, 1}, std::array{0, -1}}) {
        AddStarPixel(canvas, x + dx, y + dy, tint, strength * 0.45F);
    }
    for (const auto [dx, dy] :
         {std::array{1, 1}, std::array{-1, 1}, std::array{1, -1}, std::array{-1, -1}}) {
        AddStarPixel(canvas, x + dx, y + dy, tint, strength * 0.15F);
    }
    for (int step = 2; step <= spikes; ++step) {
        const float fade =
            strength * 0.4F * (1.0F - static_cast<float>(step - 1) / static_cast<float>(spikes));
        for (const auto [dx, dy] :
             {std::array{1, 0}, std::array{-1, 0}, std::array{0, 1}, std::array{0, -1}}) {
            AddStarPixel(canvas, x + dx * step, y + dy * step, tint, fade);
        }
    }
}

void DrawBrightStars(Canvas& canvas, Rng& rng) {
    // The near layer: fewer, larger stars, a handful with cross spikes.
    for (int i = 0; i < 260; ++i) {
        const Color tint = kStarTints[static_cast<std::size_t>(rng.Below(4))];
        const Star star = RandomStar(rng, 0, 0, canvas.Width(), canvas.Height(), 0.6F, 0.9F);
        AddStarPixel(canvas, star.x, star.y, tint, star.strength);
    }
    for (int i = 0; i < 55; ++i) {
        const Color tint = kStarTints[static_cast<std::size_t>(rng.Below(4))];
        const int spikes = rng.Chance(0.3F) ? 3 + rng.Below(4) : 0;
        const Star star = RandomStar(rng, 0, 0, canvas.Width(), canvas.Height(), 0.8F, 1.0F);
        DrawBrightStar(canvas, star.x, star.y, tint, star.strength, spikes);
    }
}

}  // namespace

void DrawStarField(Canvas& canvas) {
    Rng rng(0x5EEDF1E1DULL);
    DrawNebula(canvas);
    DrawDimStars(canvas, rng);
    DrawBrightStars(canvas, rng);
}

}  // namespace resgen
