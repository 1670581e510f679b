// The roamies: small gold saucers with a green glass dome.
#include <array>
#include <cmath>
#include <numbers>

#include "art.h"
#include "paints.h"
#include "steady_math.h"

namespace resgen {

namespace {

constexpr Vec2 kCentre{18.0F, 14.0F};

void DrawHull(Canvas& canvas) {
    const Sdf glow = Ellipse({18.0F, 18.5F}, 8.0F, 3.2F);
    FillGlow(canvas, glow, {{0.0F, Rgb(90, 230, 160)}, {-1.5F, Rgb(200, 255, 225)}});
    const Sdf dome = Ellipse({18.0F, 10.5F}, 7.5F, 7.5F);
    canvas.Fill(dome, Glass({18.0F, 9.0F}, 7.0F, Rgb(24, 110, 84), Rgb(190, 255, 220)));
    const Sdf disc = Ellipse(kCentre, 16.5F, 5.0F);
    canvas.Fill(disc, Metal(disc, Rgb(214, 162, 70), 2.0F));
    // The underside of the rim lies in shadow.
    const Sdf underside = Intersect(disc, Ellipse({18.0F, 16.5F}, 15.0F, 3.2F));
    canvas.Fill(underside, Rgb(140, 94, 40));
    canvas.Fill(Ellipse({15.0F, 6.5F}, 1.6F, 1.1F), Rgb(235, 255, 245));
}

void DrawRimLights(Canvas& canvas, int frame) {
    // Eight lights around the rim; only the front half shows. Turning the
    // ring by half a step per frame makes the lights seem to spin.
    constexpr int kLights = 8;
    constexpr std::array<Color, 3> kColors{Rgb(255, 70, 60), Rgb(255, 230, 80), Rgb(90, 230, 255)};
    const float step = 2.0F * std::numbers::pi_v<float> / static_cast<float>(kLights);
    for (int i = 0; i < kLights; ++i) {
        const float angle = step * (static_cast<float>(i) + 0.5F * static_cast<float>(frame));
        const float depth = SteadySin(angle);
        if (depth < 0.05F) {
            continue;
        }
        const Vec2 at{kCentre.x + 14.0F * SteadyCos(angle), kCentre.y + 1.0F + 2.2F * depth};
        const Color color = kColors[static_cast<std::size_t>(i) % kColors.size()];
        FillGlow(canvas, Circle(at, 0.6F + 0.6F * depth),
                 {{0.7F, color}, {-0.2F, Mix(color, Rgb(255, 255, 255), 0.6F)}});
    }
}

}  // namespace

void DrawRoamie(Canvas& canvas, int frame) {
    DrawHull(canvas);
    DrawRimLights(canvas, frame);
}

}  // namespace resgen
