// The player's fighter.
#include <cmath>
#include <vector>

#include "art.h"
#include "paints.h"

namespace resgen {

namespace {

constexpr float kAxis = 40.0F;  // the ship is symmetric about this column

constexpr Color kSilver = Rgb(178, 188, 204);
constexpr Color kSteel = Rgb(104, 116, 138);
constexpr Color kBlue = Rgb(44, 112, 232);
constexpr Color kDeepBlue = Rgb(22, 48, 128);
constexpr Color kIce = Rgb(150, 220, 255);
constexpr Color kWhite = Rgb(255, 255, 255);

void DrawEngineFlames(Canvas& canvas) {
    // Two short exhaust plumes, blue at the rim and white at the heart.
    const Sdf plume = MirrorX(Union({Circle({35.0F, 60.5F}, 2.6F),
                                     Polygon({{32.4F, 60.5F}, {37.6F, 60.5F}, {35.0F, 67.6F}})}),
                              kAxis);
    FillGlow(canvas, plume,
             {{1.3F, Rgb(40, 110, 255)}, {0.4F, Rgb(110, 200, 255)}, {-0.9F, Rgb(220, 248, 255)}});
}

Sdf WingShape() {
    return MirrorX(Polygon({{34.0F, 27.0F},
                            {7.0F, 48.0F},
                            {3.5F, 56.0F},
                            {6.0F, 59.5F},
                            {20.0F, 57.0F},
                            {34.0F, 55.0F}}),
                   kAxis);
}

void DrawWings(Canvas& canvas) {
    const Sdf wing = WingShape();
    canvas.Fill(wing, Metal(wing, kSilver * 0.92F, 2.2F));
    // A blue band along each leading edge, and a darker trailing flap.
    const Sdf band = MirrorX(Capsule({31.0F, 33.5F}, {8.0F, 51.0F}, 1.7F), kAxis);
    canvas.Fill(Intersect(wing, band), Metal(band, kBlue, 1.2F));
    const Sdf flap =
        MirrorX(Polygon({{31.0F, 52.5F}, {14.0F, 55.5F}, {15.0F, 57.8F}, {31.0F, 55.6F}}), kAxis);
    canvas.Fill(flap, kSteel);
    // Panel seams.
    canvas.Fill(MirrorX(Capsule({26.0F, 40.0F}, {24.0F, 55.0F}, 0.35F), kAxis), kSteel * 0.8F);
}

void DrawWingGuns(Canvas& canvas) {
    const Sdf barrel = MirrorX(Capsule({6.5F, 39.0F}, {6.5F, 57.0F}, 2.0F), kAxis);
    canvas.Fill(barrel, Cylinder(barrel, kSteel, 6.5F, 2.2F, 0.8F));
    canvas.Fill(MirrorX(Circle({6.5F, 39.5F}, 1.3F), kAxis), kIce);
}

void DrawEnginePods(Canvas& canvas) {
    const Sdf pod = MirrorX(RoundBox({34.5F, 53.0F}, {3.6F, 6.5F}, 1.8F), kAxis);
    canvas.Fill(pod, Cylinder(pod, kSteel, 34.5F, 3.6F, 1.0F));
    const Sdf nozzle = MirrorX(RoundBox({34.5F, 59.3F}, {3.0F, 1.4F}, 0.8F), kAxis);
    canvas.Fill(nozzle, Rgb(60, 70, 96));
    canvas.AddLight([](Vec2 p) { return 1.2F - 0.5F * std::abs(p.y - 59.8F); }, Rgb(90, 190, 255));
}

Sdf FuselageShape() {
    return MirrorX(Polygon({{40.0F, 2.0F},
                            {43.6F, 11.0F},
                            {46.5F, 27.0F},
                            {47.5F, 45.0F},
                            {46.0F, 57.5F},
                            {40.0F, 57.5F}}),
                   kAxis);
}

void DrawFuselage(Canvas& canvas) {
    const Sdf body = FuselageShape();
    canvas.Fill(body, Cylinder(body, kSilver, kAxis, 7.5F, 1.6F));
    // Blue nose cap and a blue chevron behind the canopy: the squadron marks.
    const Sdf nose =
        Intersect(body, Polygon({{30.0F, 0.0F}, {50.0F, 0.0F}, {50.0F, 9.5F}, {30.0F, 9.5F}}));
    canvas.Fill(nose, Cylinder(body, kBlue, kAxis, 4.0F, 1.0F));
    const Sdf chevron =
        MirrorX(Polygon({{40.0F, 38.0F}, {48.0F, 43.5F}, {48.0F, 46.5F}, {40.0F, 41.0F}}), kAxis);
    canvas.Fill(Intersect(body, chevron), Cylinder(body, kBlue, kAxis, 7.5F, 0.6F));
    // A spine seam down the back.
    canvas.Fill(Capsule({kAxis, 36.0F}, {kAxis, 55.0F}, 0.35F), kSteel);
}

void DrawCanopy(Canvas& canvas) {
    const Sdf frame = Ellipse({kAxis, 24.0F}, 4.4F, 9.0F);
    canvas.Fill(frame, kSteel);
    const Vec2 centre{kAxis, 24.0F};
    canvas.Fill(Ellipse(centre, 3.3F, 7.8F), Glass(centre, 8.0F, kDeepBlue, kIce));
    canvas.Fill(Ellipse({38.9F, 20.5F}, 0.8F, 2.6F), kWhite);
}

}  // namespace

void DrawPlayerShip(Canvas& canvas) {
    DrawEngineFlames(canvas);
    DrawWings(canvas);
    DrawWingGuns(canvas);
    DrawEnginePods(canvas);
    DrawFuselage(canvas);
    DrawCanopy(canvas);
}

}  // namespace resgen
