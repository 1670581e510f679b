#include "icon.h"

#include <algorithm>
#include <cmath>

#include "art.h"
#include "random.h"

namespace resgen {

namespace {

constexpr int kSize = 128;
constexpr Vec2 kCentre{64.0F, 64.0F};
constexpr float kRadius = 61.0F;

// Lays a figure drawn on its own canvas over the picture at (left, top).
void Over(Canvas& picture, const Canvas& figure, int left, int top) {
    for (int y = 0; y < figure.Height(); ++y) {
        for (int x = 0; x < figure.Width(); ++x) {
            const Pixel& pixel = figure.At(x, y);
            if (pixel.alpha <= 0.0F) {
                continue;
            }
            picture.Blend(left + x, top + y, pixel.color * (1.0F / pixel.alpha), pixel.alpha);
        }
    }
}

void DrawSpaceDisc(Canvas& icon) {
    const Sdf disc = Circle(kCentre, kRadius);
    icon.Fill(disc, [](Vec2 p, float) {
        const float fromGlow = Length(p - Vec2{70.0F, 44.0F}) / 80.0F;
        return Mix(Rgb(52, 30, 98), Rgb(6, 8, 26), Clamp01(fromGlow));
    });
    Rng rng(0xFA2BA5E1U);
    for (int i = 0; i < 60; ++i) {
        const Vec2 star{rng.Uniform(4.0F, 124.0F), rng.Uniform(4.0F, 124.0F)};
        if (disc(star) > -3.0F) {
            continue;
        }
        const float strength = rng.Uniform(0.3F, 0.9F);
        icon.Blend(static_cast<int>(star.x), static_cast<int>(star.y), Rgb(220, 230, 255),
                   strength);
    }
    icon.Fill(Outline(disc, 1.6F), Rgb(70, 140, 255));
}

Canvas DrawIcon() {
    Canvas icon(kSize, kSize);
    DrawSpaceDisc(icon);
    Canvas bolt(26, 22);
    DrawPlayerShot(bolt, 0);
    Over(icon, bolt, 51, 14);
    Canvas ship(80, 70);
    DrawPlayerShip(ship);
    Over(icon, ship, 24, 42);
    return icon;
}

std::uint8_t Byte(float value) {
    return static_cast<std::uint8_t>(std::lround(Clamp01(value) * 255.0F));
}

// Premultiplied canvas pixels to straight-alpha bytes.
RgbaImage ToRgba(const Canvas& canvas) {
    RgbaImage image{canvas.Width(), canvas.Height(), {}};
    image.rgba.reserve(static_cast<std::size_t>(image.width * image.height) * 4);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Pixel& pixel = canvas.At(x, y);
            const float unmultiply = pixel.alpha > 0.0F ? 1.0F / pixel.alpha : 0.0F;
            const Color color = pixel.color * unmultiply;
            image.rgba.insert(image.rgba.end(),
                              {Byte(color.r), Byte(color.g), Byte(color.b), Byte(pixel.alpha)});
        }
    }
    return image;
}

Canvas HalfSize(const Canvas& canvas) {
    Canvas half(canvas.Width() / 2, canvas.Height() / 2);
    for (int y = 0; y < half.Height(); ++y) {
        for (int x = 0; x < half.Width(); ++x) {
            Color sum;
            float alpha = 0.0F;
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const Pixel& pixel = canvas.At(x * 2 + dx, y * 2 + dy);
                    sum = sum + pixel.color;
                    alpha += pixel.alpha;
                }
            }
            if (alpha > 0.0F) {
                half.Blend(x, y, sum * (1.0F / alpha), alpha / 4.0F);
            }
        }
    }
    return half;
}

}  // namespace

RgbaImage MakeIcon128() {
    return ToRgba(DrawIcon());
}

RgbaImage MakeIcon64() {
    return ToRgba(HalfSize(DrawIcon()));
}

std::vector<RgbaImage> MakeIconSizes() {
    constexpr int kSmallest = 16;
    std::vector<RgbaImage> sizes;
    Canvas icon = DrawIcon();
    sizes.push_back(ToRgba(icon));
    while (icon.Width() > kSmallest) {
        icon = HalfSize(icon);
        sizes.push_back(ToRgba(icon));
    }
    return sizes;
}

}  // namespace resgen
