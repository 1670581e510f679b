// The few ways our figures are coloured: bevelled metal lit from the top
// left, glass, and layered glows that go from a coloured rim to a white-hot
// core without ever fading into the transparent black.
#pragma once

#include <vector>

#include "canvas.h"
#include "geometry.h"

namespace resgen {

// Light comes from the top left of the screen for every figure.
Vec2 LightDirection();

// Flat metal with a bevel of the given width: edges facing the light shine,
// edges turned away fall into shade.
Paint Metal(Sdf shape, Color base, float bevel);
// Metal shaded as a cylinder along the vertical axis at centreX.
Paint Cylinder(Sdf shape, Color base, float centreX, float halfWidth, float bevel);
// A glass dome: bright at the top left, deep below, with a hard glint.
Paint Glass(Vec2 centre, float radius, Color deep, Color bright);

struct GlowBand {
    float grow;  // how far beyond the core shape this band reaches
    Color color;
};

// Paints bands from the outermost inwards, each a solid colour; the core
// shape itself gets the last band's colour.
void FillGlow(Canvas& canvas, const Sdf& core, const std::vector<GlowBand>& outsideIn);

}  // namespace resgen
