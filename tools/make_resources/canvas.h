// A floating-point drawing surface for one figure, with antialiased shapes
// and light, and the step that turns it into key-coloured file pixels.
#pragma once

#include <functional>
#include <vector>

#include "geometry.h"
#include "image16.h"

namespace resgen {

struct Pixel {
    Color color;  // premultiplied by alpha
    float alpha = 0.0F;
};

// The colour of a shape at a point; depth is how far inside the edge the
// point lies (0 on the edge), which is what bevels and rims are made of.
using Paint = std::function<Color(Vec2 p, float depth)>;

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const Pixel& At(int x, int y) const;

    // Paints the shape over what is there, with antialiased edges.
    void Fill(const Sdf& shape, const Paint& paint);
    void Fill(const Sdf& shape, Color color);
    // Cuts the shape out again: what it covers becomes transparent.
    void Erase(const Sdf& shape);
    // Adds light onto what is already drawn, leaving transparent pixels
    // alone: glowing windows, engine light spilling onto the hull.
    void AddLight(const std::function<float(Vec2)>& amount, Color color);
    // Pulls what is already drawn towards a colour by the given amount
    // (0-1), leaving transparent pixels alone: soot, scorch, shadow.
    void Stain(const std::function<float(Vec2)>& amount, Color color);
    // Mixes a colour into one pixel with the given opacity.
    void Blend(int x, int y, Color color, float opacity);

private:
    Pixel& Ref(int x, int y);

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

enum class Keying {
    // A sprite: pixels at most half covered become the transparent key, the
    // rest are solid and bright enough never to read as dirt on black.
    Figure,
    // The backdrop is drawn over a black screen, so any colour may stay.
    Backdrop,
};

// Writes the canvas into the sheet with its top-left corner at (left, top),
// in 5-5-5 with an ordered dither so that gradients do not band.
void Bake(const Canvas& canvas, Image16& sheet, int left, int top, Keying keying);

// The dimmest a figure's pixel may be (brightest channel, 0-1), inside and
// on the edge that meets the transparent key.
constexpr float kInsideFloor = 0.13F;
constexpr float kEdgeFloor = 0.30F;

}  // namespace resgen
