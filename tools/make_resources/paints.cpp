#include "paints.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "steady_math.h"

namespace resgen {

Vec2 LightDirection() {
    return Normalized({-0.55F, -0.85F});
}

namespace {

// How strongly an edge at this point faces the light, in [-1, 1], fading
// to 0 deeper than the bevel.
float BevelLight(const Sdf& shape, Vec2 p, float depth, float bevel) {
    if (depth >= bevel) {
        return 0.0F;
    }
    const float facing = Dot(Gradient(shape, p), LightDirection());
    return facing * (1.0F - depth / bevel);
}

}  // namespace

Paint Metal(Sdf shape, Color base, float bevel) {
    return [shape = std::move(shape), base, bevel](Vec2 p, float depth) {
        const float light = BevelLight(shape, p, depth, bevel);
        return base * (1.0F + 0.55F * light);
    };
}

Paint Cylinder(Sdf shape, Color base, float centreX, float halfWidth, float bevel) {
    return [shape = std::move(shape), base, centreX, halfWidth, bevel](Vec2 p, float depth) {
        // The highlight sits a little left of centre, towards the light.
        const float across = std::clamp((p.x - centreX) / halfWidth + 0.35F, -1.0F, 1.0F);
        const float round = SteadyCos(across * 1.45F);
        const float light = BevelLight(shape, p, depth, bevel);
        return base * (0.55F + 0.6F * round + 0.35F * light);
    };
}

Paint Glass(Vec2 centre, float radius, Color deep, Color bright) {
    return [=](Vec2 p, float) {
        const Vec2 lit = centre + LightDirection() * (radius * 0.55F);
        const float t = Clamp01(Length(p - lit) / (radius * 1.5F));
        return Mix(bright, deep, t);
    };
}

void FillGlow(Canvas& canvas, const Sdf& core, const std::vector<GlowBand>& outsideIn) {
    for (const GlowBand& band : outsideIn) {
        canvas.Fill(Grow(core, band.grow), band.color);
    }
}

}  // namespace resgen
