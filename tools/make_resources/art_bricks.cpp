// The brick row: armoured plates that crack, scorch and finally break.
// Every stage is drawn in the 64 x 30 space the game shows it in and
// squeezed into its own frame's width, so the damage lines up from one hit
// to the next once the game stretches the frames back.
#include <cmath>
#include <vector>

#include "art.h"
#include "layout.h"
#include "paints.h"
#include "random.h"
#include "steady_math.h"

namespace resgen {

namespace {

constexpr Color kPlate = Rgb(122, 136, 156);
constexpr Color kPanel = Rgb(146, 160, 180);
constexpr Color kHazard = Rgb(226, 172, 44);
constexpr Color kHazardDark = Rgb(70, 58, 36);
constexpr Color kCrack = Rgb(26, 26, 34);
constexpr Color kSoot = Rgb(40, 30, 24);
constexpr Color kEmber = Rgb(236, 96, 28);

// Maps the shown 64-pixel-wide space into this frame's width.
struct Squeeze {
    float scale;
    Vec2 operator()(Vec2 p) const { return {p.x * scale, p.y}; }
    float X(float x) const { return x * scale; }
};

struct Crack {
    int firstHit;  // the hit that opens it
    std::vector<Vec2> path;
};

// Cracks run out from where the shots land; later hits add new ones and
// the old ones stay, so the plate only ever gets worse.
std::vector<Crack> MakeCracks() {
    struct Impact {
        int hit;
        Vec2 at;
        int branches;
    };
    const std::vector<Impact> impacts{{1, {24.0F, 12.0F}, 3},
                                      {2, {43.0F, 18.0F}, 3},
                                      {3, {14.0F, 20.0F}, 3},
                                      {3, {33.0F, 9.0F}, 2},
                                      {4, {52.0F, 9.0F}, 3}};
    Rng rng(0xB41C4ULL);
    std::vector<Crack> cracks;
    for (const Impact& impact : impacts) {
        for (int branch = 0; branch < impact.branches; ++branch) {
            Crack crack{impact.hit, {impact.at}};
            float angle = rng.Uniform(0.0F, 6.283F);
            Vec2 at = impact.at;
            const int steps = 3 + rng.Below(3);
            for (int step = 0; step < steps; ++step) {
                angle += rng.Uniform(-0.7F, 0.7F);
                const float length = rng.Uniform(2.5F, 4.5F);
                at = at + Vec2{SteadyCos(angle) * length, SteadySin(angle) * length * 0.7F};
                crack.path.push_back(at);
            }
            cracks.push_back(crack);
        }
    }
    return cracks;
}

std::vector<Vec2> Squeezed(const std::vector<Vec2>& points, const Squeeze& squeeze) {
    std::vector<Vec2> out;
    out.reserve(points.size());
    for (const Vec2 p : points) {
        out.push_back(squeeze(p));
    }
    return out;
}

Sdf PlateShape(const Squeeze& s) {
    return RoundBox(s({32.0F, 15.0F}), {s.X(30.5F), 13.5F}, 2.5F);
}

void DrawPlate(Canvas& canvas, const Squeeze& s) {
    const Sdf plate = PlateShape(s);
    canvas.Fill(plate, Metal(plate, kPlate, 2.5F));
    // A raised centre panel between two hazard-striped end caps.
    const Sdf panel = RoundBox(s({32.0F, 15.0F}), {s.X(19.5F), 9.0F}, 1.5F);
    canvas.Fill(panel, Metal(panel, kPanel, 1.5F));
    for (const float centre : {7.5F, 56.5F}) {
        const Sdf cap = RoundBox(s({centre, 15.0F}), {s.X(3.5F), 9.0F}, 1.0F);
        canvas.Fill(cap, [&s](Vec2 p, float) {
            const float band = std::fmod(p.x / s.scale + p.y + 40.0F, 6.0F);
            return band < 3.0F ? kHazard : kHazardDark;
        });
    }
    for (const Vec2 rivet :
         {Vec2{4.5F, 4.5F}, Vec2{59.5F, 4.5F}, Vec2{4.5F, 25.5F}, Vec2{59.5F, 25.5F}}) {
        const Sdf head = Circle(s(rivet), 1.3F);
        canvas.Fill(head, Metal(head, kPanel * 1.1F, 1.3F));
    }
}

void DrawScorch(Canvas& canvas, const Squeeze& s, int hits) {
    // Soot spreads from the first impacts as the hits add up.
    const std::vector<Vec2> centres{{24.0F, 12.0F}, {43.0F, 18.0F}, {14.0F, 20.0F}, {33.0F, 10.0F}};
    for (int i = 0; i < hits && i < static_cast<int>(centres.size()); ++i) {
        const Vec2 centre = s(centres[static_cast<std::size_t>(i)]);
        const float radius = 4.0F + 1.5F * static_cast<float>(hits - i);
        canvas.Stain(
            [centre, radius](Vec2 p) {
                const float grain = ValueNoise(p.x * 0.6F, p.y * 0.6F, 77U);
                return 0.85F * (1.0F - Length(p - centre) / radius) + 0.25F * (grain - 0.5F);
            },
            kSoot);
    }
}

void DrawCracks(Canvas& canvas, const Squeeze& s, int hits) {
    // Cracks stay on the metal: a line running off the plate would show as
    // a stray scratch on the stars.
    const Sdf inside = Grow(PlateShape(s), -0.8F);
    for (const Crack& crack : MakeCracks()) {
        if (crack.firstHit > hits) {
            continue;
        }
        // Older cracks have had more hits to widen them.
        const float width = 0.35F + 0.2F * static_cast<float>(hits - crack.firstHit);
        const Sdf line = Intersect(Polyline(Squeezed(crack.path, s), width), inside);
        canvas.Fill(line, kCrack);
        if (hits >= 3 && crack.firstHit <= 2) {
            // The oldest cracks are deep enough to show the heat inside.
            canvas.Fill(Grow(line, -0.45F), kEmber);
        }
    }
}

void BreakApart(Canvas& canvas, const Squeeze& s, int hits) {
    if (hits >= 3) {
        // A corner sheared off.
        canvas.Erase(Circle(s({63.0F, 1.0F}), 5.0F));
    }
    if (hits >= 4) {
        // The plate splits through and loses chunks along its edges.
        canvas.Erase(Polyline(Squeezed({{31.0F, -1.0F},
                                        {29.0F, 6.0F},
                                        {33.0F, 11.0F},
                                        {30.0F, 17.0F},
                                        {34.0F, 23.0F},
                                        {32.0F, 31.0F}},
                                       s),
                              0.9F));
        canvas.Erase(Circle(s({1.0F, 29.0F}), 5.5F));
        canvas.Erase(Polygon(Squeezed({{44.0F, 31.0F}, {47.0F, 26.0F}, {51.0F, 31.0F}}, s)));
        canvas.Erase(Polygon(Squeezed({{12.0F, -1.0F}, {15.0F, 3.5F}, {18.0F, -1.0F}}, s)));
    }
}

}  // namespace

void DrawBrick(Canvas& canvas, int hits) {
    const Squeeze squeeze{static_cast<float>(canvas.Width()) /
                          static_cast<float>(layout::kBrickShownWidth)};
    DrawPlate(canvas, squeeze);
    DrawScorch(canvas, squeeze, hits);
    DrawCracks(canvas, squeeze, hits);
    BreakApart(canvas, squeeze, hits);
}

}  // namespace resgen
