// The enemy mothership, facing down at the player.
#include <array>
#include <cmath>

#include "art.h"
#include "paints.h"

namespace resgen {

namespace {

constexpr float kAxis = 62.0F;

constexpr Color kHull = Rgb(92, 70, 126);
constexpr Color kArmour = Rgb(70, 54, 98);
constexpr Color kPlate = Rgb(150, 120, 180);
constexpr Color kCrimson = Rgb(190, 34, 62);
constexpr Color kLightOn = Rgb(255, 70, 50);
constexpr Color kLightOff = Rgb(105, 28, 40);

void DrawEngines(Canvas& canvas, int frame) {
    // Flames roar out of the back (the top); they breathe between frames.
    const float reach = frame == 0 ? 5.0F : 1.6F;
    for (const float x : {40.0F, 62.0F, 84.0F}) {
        const float tip = x == kAxis ? reach + 0.6F : reach + 2.0F;
        const Sdf flame = Union(
            {Circle({x, 11.0F}, 3.2F), Polygon({{x - 3.2F, 11.0F}, {x, tip}, {x + 3.2F, 11.0F}})});
        FillGlow(
            canvas, flame,
            {{1.2F, Rgb(230, 60, 170)}, {0.0F, Rgb(255, 140, 220)}, {-1.8F, Rgb(255, 235, 250)}});
    }
    const Sdf housings = Union({RoundBox({40.0F, 15.0F}, {5.0F, 4.0F}, 1.5F),
                                RoundBox({62.0F, 14.0F}, {6.0F, 5.0F}, 1.5F),
                                RoundBox({84.0F, 15.0F}, {5.0F, 4.0F}, 1.5F)});
    canvas.Fill(housings, Metal(housings, kArmour, 1.5F));
}

Sdf WingShape() {
    // A broad swept hull ending in downward spikes.
    return MirrorX(Polygon({{62.0F, 18.0F},
                            {30.0F, 20.0F},
                            {3.0F, 31.0F},
                            {5.0F, 39.0F},
                            {10.0F, 60.0F},
                            {17.0F, 45.0F},
                            {36.0F, 47.0F},
                            {62.0F, 49.0F}}),
                   kAxis);
}

void DrawWings(Canvas& canvas) {
    const Sdf wing = WingShape();
    canvas.Fill(wing, Metal(wing, kHull, 2.5F));
    // Armour ribs running out to the wing tips.
    for (const float y : {28.0F, 36.0F}) {
        canvas.Fill(MirrorX(Capsule({40.0F, y - 1.5F}, {10.0F, y + 2.5F}, 0.45F), kAxis), kArmour);
    }
    // Red war paint along the lower edge.
    const Sdf stripe =
        MirrorX(Polygon({{44.0F, 41.5F}, {18.0F, 40.0F}, {16.0F, 43.0F}, {44.0F, 44.5F}}), kAxis);
    canvas.Fill(Intersect(wing, stripe), Metal(stripe, kCrimson, 1.0F));
    const Sdf spikeTip = MirrorX(Polygon({{7.0F, 46.0F}, {13.5F, 46.0F}, {10.0F, 60.0F}}), kAxis);
    canvas.Fill(Intersect(wing, spikeTip), Metal(wing, kCrimson, 1.5F));
}

void DrawClaws(Canvas& canvas, int frame) {
    const Sdf claw = MirrorX(
        Polygon({{32.0F, 42.0F}, {42.0F, 46.0F}, {37.0F, 62.0F}, {30.0F, 79.0F}, {27.0F, 64.0F}}),
        kAxis);
    canvas.Fill(claw, Metal(claw, kArmour * 1.25F, 2.0F));
    const Sdf tip = MirrorX(Circle({30.5F, 76.0F}, 2.0F), kAxis);
    canvas.Fill(Intersect(claw, Grow(tip, 1.5F)), frame == 0 ? kCrimson : kLightOn);
}

void DrawBody(Canvas& canvas) {
    const Sdf jaw =
        MirrorX(Polygon({{62.0F, 34.0F}, {38.0F, 38.0F}, {46.0F, 64.0F}, {62.0F, 68.0F}}), kAxis);
    canvas.Fill(jaw, Metal(jaw, kHull * 0.9F, 2.0F));
    const Sdf dome = Ellipse({kAxis, 29.0F}, 27.0F, 13.5F);
    const Paint domeMetal = Metal(dome, kPlate, 3.0F);
    canvas.Fill(dome, [&domeMetal](Vec2 p, float depth) {
        // Lit from above, the dome darkens towards the jaw.
        return domeMetal(p, depth) * (1.15F - 0.5F * Clamp01((p.y - 16.0F) / 26.0F));
    });
    for (const float x : {46.0F, 78.0F}) {
        canvas.Fill(Intersect(dome, Capsule({x, 10.0F}, {x + (x - kAxis) * 0.25F, 50.0F}, 0.45F)),
                    kArmour);
    }
    canvas.Fill(Intersect(dome, Capsule({30.0F, 34.0F}, {94.0F, 34.0F}, 0.45F)), kArmour);
    const Sdf ridge = Intersect(dome, RoundBox({kAxis, 29.0F}, {2.2F, 14.0F}, 1.0F));
    canvas.Fill(ridge, Metal(ridge, kArmour, 1.0F));
    // Twin guns under the jaw.
    const Sdf guns = MirrorX(Capsule({53.0F, 58.0F}, {53.0F, 73.0F}, 1.8F), kAxis);
    canvas.Fill(guns, Cylinder(guns, kArmour * 1.3F, 53.0F, 2.0F, 0.8F));
    canvas.Fill(MirrorX(Circle({53.0F, 73.5F}, 1.0F), kAxis), kLightOn);
}

void DrawEye(Canvas& canvas, int frame) {
    const Vec2 centre{kAxis, 52.0F};
    canvas.Fill(Circle(centre, 8.0F), Metal(Circle(centre, 8.0F), kArmour, 1.5F));
    FillGlow(canvas, Circle(centre, frame == 0 ? 2.0F : 3.0F),
             {{4.5F, Rgb(150, 10, 24)},
              {3.0F, Rgb(235, 40, 30)},
              {1.4F, Rgb(255, 150, 40)},
              {0.0F, Rgb(255, 245, 200)}});
}

void DrawLights(Canvas& canvas, int frame) {
    // Running lights along each wing, chasing outwards: every other light
    // is on, and the two frames swap which.
    constexpr std::array<float, 4> kLightX{15.0F, 23.0F, 31.0F, 39.0F};
    for (std::size_t i = 0; i < kLightX.size(); ++i) {
        const bool lit = (static_cast<int>(i) + frame) % 2 == 0;
        const float x = kLightX[i];
        const float y = 33.0F + (40.0F - x) * 0.08F;
        const Sdf light = MirrorX(Circle({x, y}, 1.8F), kAxis);
        if (lit) {
            FillGlow(canvas, light, {{0.8F, kLightOn}, {-0.9F, Rgb(255, 220, 160)}});
        } else {
            canvas.Fill(light, kLightOff);
        }
    }
    // Slit windows on the dome glow brighter in the second frame.
    const float glow = frame == 0 ? 0.75F : 1.0F;
    for (const float x : {48.0F, 55.0F, 69.0F, 76.0F}) {
        canvas.Fill(Capsule({x, 23.0F}, {x, 26.0F}, 1.0F), Rgb(255, 170, 60) * glow);
    }
}

}  // namespace

void DrawMothership(Canvas& canvas, int frame) {
    DrawEngines(canvas, frame);
    DrawClaws(canvas, frame);
    DrawWings(canvas);
    DrawBody(canvas);
    DrawEye(canvas, frame);
    DrawLights(canvas, frame);
}

}  // namespace resgen
