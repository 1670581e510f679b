// Points, colours and shapes as signed distance functions: a distance below
// zero is inside. Distances give us antialiased edges, outlines and bevels
// from one description of each shape.
#pragma once

#include <functional>
#include <vector>

namespace resgen {

struct Vec2 {
    float x = 0.0F;
    float y = 0.0F;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float s) {
    return {a.x * s, a.y * s};
}
float Dot(Vec2 a, Vec2 b);
float Length(Vec2 a);
Vec2 Normalized(Vec2 a);
// Where a point goes when the figure is turned by the given angle (radians)
// around a centre.
Vec2 Rotate(Vec2 p, Vec2 centre, float angle);

struct Color {
    float r = 0.0F;
    float g = 0.0F;
    float b = 0.0F;
};

inline Color operator*(Color c, float s) {
    return {c.r * s, c.g * s, c.b * s};
}
inline Color operator+(Color a, Color b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Color Mix(Color a, Color b, float t);
float Brightest(Color c);
// A colour from 0-255 components, as artists write them.
constexpr Color Rgb(int r, int g, int b) {
    return {static_cast<float>(r) / 255.0F, static_cast<float>(g) / 255.0F,
            static_cast<float>(b) / 255.0F};
}

float Clamp01(float v);
float SmoothStep(float edge0, float edge1, float v);

using Sdf = std::function<float(Vec2)>;

Sdf Circle(Vec2 centre, float radius);
Sdf Ellipse(Vec2 centre, float radiusX, float radiusY);
Sdf RoundBox(Vec2 centre, Vec2 halfSize, float cornerRadius);
Sdf Capsule(Vec2 a, Vec2 b, float radius);
Sdf Polygon(std::vector<Vec2> points);
// A chain of capsules through the points, for cracks and lightning.
Sdf Polyline(std::vector<Vec2> points, float radius);

Sdf Union(std::vector<Sdf> shapes);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf from, Sdf cut);
Sdf Grow(Sdf shape, float by);
// The band of the given half width around a shape's edge.
Sdf Outline(Sdf shape, float halfWidth);
// The shape together with its mirror image across the vertical line x = axis:
// ships are symmetric, so one side is enough to describe them.
Sdf MirrorX(Sdf shape, float axis);
Sdf Translate(Sdf shape, Vec2 by);

// The direction in which the distance grows fastest, i.e. the outward
// normal of the nearest edge.
Vec2 Gradient(const Sdf& shape, Vec2 p);

}  // namespace resgen
