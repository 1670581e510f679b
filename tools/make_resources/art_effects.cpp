// Shots, the shield and the explosion: things made of light.
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "art.h"
#include "layout.h"
#include "paints.h"
#include "random.h"
#include "steady_math.h"

namespace resgen {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Color kWhite = Rgb(255, 255, 255);

// Roughens a shape's edge with noise: flames and smoke are never round.
Sdf Ragged(Sdf shape, float amount, float scale, std::uint32_t seed) {
    return [shape = std::move(shape), amount, scale, seed](Vec2 p) {
        return shape(p) + amount * (2.0F * ValueNoise(p.x * scale, p.y * scale, seed) - 1.0F);
    };
}

}  // namespace

void DrawPlayerShot(Canvas& canvas, int frame) {
    // A bright head leading a tapering tail; it flies up the screen.
    const float head = frame == 0 ? 7.2F : 6.8F;
    const float tail = frame == 0 ? 16.0F : 16.8F;
    const Sdf bolt = Union(
        {Circle({13.0F, head}, 2.3F), Polygon({{10.9F, head}, {15.1F, head}, {13.0F, tail}})});
    FillGlow(canvas, bolt,
             {{3.6F, Rgb(24, 118, 232)},
              {2.3F, Rgb(40, 206, 255)},
              {1.0F, Rgb(170, 244, 255)},
              {0.0F, kWhite}});
    // Sparks thrown off the sides, placed differently in each frame.
    const float side = frame == 0 ? 1.0F : -1.0F;
    for (const auto& [dx, y] : {std::pair{6.5F, 9.0F}, std::pair{-5.5F, 14.0F}}) {
        const Vec2 at{13.0F + dx * side, y + 2.0F * static_cast<float>(frame)};
        FillGlow(canvas, Circle(at, 0.4F), {{0.9F, Rgb(40, 206, 255)}, {0.0F, Rgb(200, 250, 255)}});
    }
}

void DrawEnemyShot(Canvas& canvas, int frame) {
    // A ball of fire falling down the screen, its flame streaming up behind.
    const float lean = frame == 0 ? -1.5F : 1.5F;
    const Sdf ball = Union({Circle({13.0F, 13.0F}, 3.6F),
                            Polygon({{9.6F, 12.0F}, {16.4F, 12.0F}, {13.0F + lean, 5.0F}})});
    const Sdf fire = Ragged(ball, 0.8F, 0.7F, 11U + static_cast<std::uint32_t>(frame));
    FillGlow(canvas, fire,
             {{3.2F, Rgb(214, 52, 22)},
              {2.0F, Rgb(255, 124, 30)},
              {0.8F, Rgb(255, 206, 72)},
              {-0.6F, Rgb(255, 250, 220)}});
}

namespace {

// Distance to the nearest line of a hexagonal grid with cells of the
// given size: the lattice of the shield's energy field.
float HexLatticeDistance(Vec2 p, float size) {
    const Vec2 cell{size, size * 1.7320508F};
    auto wrap = [](float v, float m) { return v - m * std::floor(v / m); };
    const Vec2 a{wrap(p.x, cell.x) - cell.x * 0.5F, wrap(p.y, cell.y) - cell.y * 0.5F};
    const Vec2 b{wrap(p.x - cell.x * 0.5F, cell.x) - cell.x * 0.5F,
                 wrap(p.y - cell.y * 0.5F, cell.y) - cell.y * 0.5F};
    const Vec2 g = Dot(a, a) < Dot(b, b) ? a : b;
    const Vec2 slant = Normalized({1.0F, 1.7320508F});
    const float edge = std::max(Dot({std::abs(g.x), std::abs(g.y)}, slant), std::abs(g.x));
    return size * 0.5F - edge;
}

}  // namespace

void DrawShield(Canvas& canvas) {
    // An ellipse around the ship's centre; the frame leaves less room
    // above the ship than below it.
    const Vec2 centre{layout::kShipCentreInShieldX + 0.5F, layout::kShipCentreInShieldY + 3.0F};
    constexpr float kRadiusX = 60.5F;
    constexpr float kRadiusY = 58.5F;
    constexpr float kThickness = 13.0F;
    const Sdf outer = Ellipse(centre, kRadiusX, kRadiusY);
    const Sdf ring = Subtract(outer, Ellipse(centre, kRadiusX - kThickness, kRadiusY - kThickness));
    canvas.Fill(ring, [&](Vec2 p, float) {
        // Brightest at the outer skin, deepening to blue inwards.
        const float t = Clamp01(-outer(p) / kThickness);
        Color color = t < 0.2F ? Mix(Rgb(235, 252, 255), Rgb(110, 220, 255), t / 0.2F)
                               : Mix(Rgb(110, 220, 255), Rgb(40, 92, 220), (t - 0.2F) / 0.8F);
        if (HexLatticeDistance(p - centre, 9.0F) < 0.6F) {
            color = Mix(color, Rgb(170, 245, 255), 0.7F);
        }
        return color;
    });
    // A glint where the light catches the bubble.
    const Sdf glint = Intersect(Outline(Ellipse(centre, kRadiusX - 4.5F, kRadiusY - 4.5F), 1.3F),
                                Circle(centre + Vec2{-38.0F, -38.0F}, 22.0F));
    canvas.Fill(glint, kWhite);
}

namespace {

void DrawFlash(Canvas& canvas) {
    const Vec2 c{17.0F, 17.0F};
    std::vector<Sdf> parts{Circle(c, 6.5F)};
    for (int ray = 0; ray < 8; ++ray) {
        const float angle = kPi * 0.25F * static_cast<float>(ray) + 0.2F;
        const float reach = ray % 2 == 0 ? 13.5F : 10.0F;
        const Vec2 tip = c + Vec2{SteadyCos(angle), SteadySin(angle)} * reach;
        const Vec2 side = Vec2{-SteadySin(angle), SteadyCos(angle)} * 2.2F;
        parts.push_back(Polygon({c + side, tip, c - side}));
    }
    FillGlow(canvas, Union(std::move(parts)),
             {{1.8F, Rgb(255, 190, 50)}, {0.6F, Rgb(255, 236, 140)}, {-2.2F, kWhite}});
}

void DrawFireball(Canvas& canvas, float radius, float heat, std::uint32_t seed) {
    const Sdf blob = Ragged(Circle({17.0F, 17.0F}, radius), 2.2F, 0.32F, seed);
    const Color rim = Mix(Rgb(150, 34, 18), Rgb(226, 70, 20), heat);
    FillGlow(canvas, blob,
             {{0.0F, rim},
              {-2.5F, Rgb(255, 130, 30)},
              {-2.5F - 3.0F * heat, Rgb(255, 214, 80)},
              {-4.5F - 3.0F * heat, Mix(Rgb(255, 214, 80), Rgb(255, 250, 225), heat)}});
}

void DrawSmoke(Canvas& canvas, float spread, std::uint32_t seed, bool embers) {
    Rng rng(seed);
    std::vector<Sdf> puffs;
    for (int i = 0; i < 6; ++i) {
        const float angle = static_cast<float>(i) * kPi / 3.0F + rng.Uniform(-0.3F, 0.3F);
        const Vec2 at = Vec2{17.0F, 16.0F} + Vec2{SteadyCos(angle), SteadySin(angle)} * spread;
        puffs.push_back(Circle(at, rng.Uniform(5.0F, 6.0F)));
    }
    puffs.push_back(Circle({17.0F, 16.0F}, spread));
    const Sdf smoke = Ragged(Union(std::move(puffs)), 1.6F, 0.4F, seed);
    canvas.Fill(smoke, [&smoke](Vec2 p, float depth) {
        // Puffs lit from the top left, greying out as they thin.
        const float light =
            Dot(Gradient(smoke, p), LightDirection()) * (1.0F - Clamp01(depth / 4.0F));
        return Rgb(118, 108, 104) * (1.0F + 0.45F * light);
    });
    if (embers) {
        for (int i = 0; i < 7; ++i) {
            const Vec2 at{rng.Uniform(8.0F, 26.0F), rng.Uniform(8.0F, 26.0F)};
            FillGlow(canvas, Circle(at, 0.5F),
                     {{0.6F, Rgb(255, 110, 30)}, {0.0F, Rgb(255, 220, 120)}});
        }
    }
}

}  // namespace

void DrawExplosion(Canvas& canvas, int frame) {
    switch (frame) {
        case 0:
            DrawFlash(canvas);
            break;
        case 1:
            DrawFireball(canvas, 11.5F, 1.0F, 21U);
            break;
        case 2:
            DrawSmoke(canvas, 8.0F, 31U, false);
            DrawFireball(canvas, 10.0F, 0.35F, 22U);
            break;
        default:
            DrawSmoke(canvas, 8.8F, 41U, true);
            canvas.Erase(Ragged(Circle({17.0F, 17.0F}, 5.5F), 2.5F, 0.45F, 43U));
            break;
    }
}

}  // namespace resgen
