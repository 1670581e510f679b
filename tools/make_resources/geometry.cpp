#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "steady_math.h"

namespace resgen {

float Dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}

float Length(Vec2 a) {
    return std::sqrt(Dot(a, a));
}

Vec2 Normalized(Vec2 a) {
    const float length = Length(a);
    return length > 0.0F ? a * (1.0F / length) : Vec2{0.0F, 0.0F};
}

Vec2 Rotate(Vec2 p, Vec2 centre, float angle) {
    const Vec2 d = p - centre;
    const float c = SteadyCos(angle);
    const float s = SteadySin(angle);
    return {centre.x + d.x * c - d.y * s, centre.y + d.x * s + d.y * c};
}

Color Mix(Color a, Color b, float t) {
    return a * (1.0F - t) + b * t;
}

float Brightest(Color c) {
    return std::max({c.r, c.g, c.b});
}

float Clamp01(float v) {
    return std::clamp(v, 0.0F, 1.0F);
}

float SmoothStep(float edge0, float edge1, float v) {
    const float t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0F - 2.0F * t);
}

Sdf Circle(Vec2 centre, float radius) {
    return [=](Vec2 p) { return Length(p - centre) - radius; };
}

Sdf Ellipse(Vec2 centre, float radiusX, float radiusY) {
    // A close approximation of the true distance; exact enough for one
    // pixel of antialiasing and a few pixels of bevel.
    return [=](Vec2 p) {
        const Vec2 d = p - centre;
        const float k0 = Length({d.x / radiusX, d.y / radiusY});
        const float k1 = Length({d.x / (radiusX * radiusX), d.y / (radiusY * radiusY)});
        if (k1 <= 0.0F) {
            return -std::min(radiusX, radiusY);
        }
        return k0 * (k0 - 1.0F) / k1;
    };
}

Sdf RoundBox(Vec2 centre, Vec2 halfSize, float cornerRadius) {
    return [=](Vec2 p) {
        const Vec2 d = p - centre;
        const Vec2 q{std::abs(d.x) - halfSize.x + cornerRadius,
                     std::abs(d.y) - halfSize.y + cornerRadius};
        const Vec2 outside{std::max(q.x, 0.0F), std::max(q.y, 0.0F)};
        return Length(outside) + std::min(std::max(q.x, q.y), 0.0F) - cornerRadius;
    };
}

namespace {

float SegmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 pa = p - a;
    const Vec2 ba = b - a;
    const float length2 = Dot(ba, ba);
    const float h = length2 > 0.0F ? Clamp01(Dot(pa, ba) / length2) : 0.0F;
    return Length(pa - ba * h);
}

}  // namespace

Sdf Capsule(Vec2 a, Vec2 b, float radius) {
    return [=](Vec2 p) { return SegmentDistance(p, a, b) - radius; };
}

Sdf Polygon(std::vector<Vec2> points) {
    return [v = std::move(points)](Vec2 p) {
        float best = Dot(p - v[0], p - v[0]);
        float sign = 1.0F;
        for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
            const Vec2 e = v[j] - v[i];
            const Vec2 w = p - v[i];
            const Vec2 b = w - e * Clamp01(Dot(w, e) / Dot(e, e));
            best = std::min(best, Dot(b, b));
            const bool above = p.y >= v[i].y;
            const bool below = p.y < v[j].y;
            const bool left = e.x * w.y > e.y * w.x;
            if ((above && below && left) || (!above && !below && !left)) {
                sign = -sign;
            }
        }
        return sign * std::sqrt(best);
    };
}

Sdf Polyline(std::vector<Vec2> points, float radius) {
    return [v = std::move(points), radius](Vec2 p) {
        float best = 1e9F;
        for (std::size_t i = 1; i < v.size(); ++i) {
            best = std::min(best, SegmentDistance(p, v[i - 1], v[i]));
        }
        return best - radius;
    };
}

Sdf Union(std::vector<Sdf> shapes) {
    return [s = std::move(shapes)](Vec2 p) {
        float best = 1e9F;
        for (const Sdf& shape : s) {
            best = std::min(best, shape(p));
        }
        return best;
    };
}

Sdf Intersect(Sdf a, Sdf b) {
    return [a = std::move(a), b = std::move(b)](Vec2 p) { return std::max(a(p), b(p)); };
}

Sdf Subtract(Sdf from, Sdf cut) {
    return [a = std::move(from), b = std::move(cut)](Vec2 p) { return std::max(a(p), -b(p)); };
}

Sdf Grow(Sdf shape, float by) {
    return [s = std::move(shape), by](Vec2 p) { return s(p) - by; };
}

Sdf Outline(Sdf shape, float halfWidth) {
    return [s = std::move(shape), halfWidth](Vec2 p) { return std::abs(s(p)) - halfWidth; };
}

Sdf MirrorX(Sdf shape, float axis) {
    return [s = std::move(shape), axis](Vec2 p) {
        return std::min(s(p), s({2.0F * axis - p.x, p.y}));
    };
}

Sdf Translate(Sdf shape, Vec2 by) {
    return [s = std::move(shape), by](Vec2 p) { return s(p - by); };
}

Vec2 Gradient(const Sdf& shape, Vec2 p) {
    constexpr float kStep = 0.35F;
    const float dx = shape({p.x + kStep, p.y}) - shape({p.x - kStep, p.y});
    const float dy = shape({p.x, p.y + kStep}) - shape({p.x, p.y - kStep});
    return Normalized({dx, dy});
}

}  // namespace resgen
