#include "canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>

namespace resgen {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("canvas size must be positive");
    }
}

const Pixel& Canvas::At(int x, int y) const {
    return pixels_.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                      static_cast<std::size_t>(x));
}

Pixel& Canvas::Ref(int x, int y) {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

namespace {

Vec2 Centre(int x, int y) {
    return {static_cast<float>(x) + 0.5F, static_cast<float>(y) + 0.5F};
}

// Coverage of a pixel by a shape from its distance at the pixel's centre.
float Coverage(float distance) {
    return Clamp01(0.5F - distance);
}

}  // namespace

void Canvas::Fill(const Sdf& shape, const Paint& paint) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Vec2 p = Centre(x, y);
            const float distance = shape(p);
            const float cover = Coverage(distance);
            if (cover > 0.0F) {
                Blend(x, y, paint(p, std::max(0.0F, -distance)), cover);
            }
        }
    }
}

void Canvas::Fill(const Sdf& shape, Color color) {
    Fill(shape, [color](Vec2, float) { return color; });
}

void Canvas::Erase(const Sdf& shape) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float keep = 1.0F - Coverage(shape(Centre(x, y)));
            Pixel& pixel = Ref(x, y);
            pixel.color = pixel.color * keep;
            pixel.alpha *= keep;
        }
    }
}

void Canvas::AddLight(const std::function<float(Vec2)>& amount, Color color) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            Pixel& pixel = Ref(x, y);
            if (pixel.alpha <= 0.0F) {
                continue;
            }
            const float light = amount(Centre(x, y));
            if (light > 0.0F) {
                pixel.color = pixel.color + color * (light * pixel.alpha);
            }
        }
    }
}

void Canvas::Stain(const std::function<float(Vec2)>& amount, Color color) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            Pixel& pixel = Ref(x, y);
            if (pixel.alpha <= 0.0F) {
                continue;
            }
            const float t = Clamp01(amount(Centre(x, y)));
            pixel.color = Mix(pixel.color, color * pixel.alpha, t);
        }
    }
}

void Canvas::Blend(int x, int y, Color color, float opacity) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    Pixel& pixel = Ref(x, y);
    const float a = Clamp01(opacity);
    pixel.color = pixel.color * (1.0F - a) + color * a;
    pixel.alpha = pixel.alpha * (1.0F - a) + a;
}

namespace {

// 4 x 4 ordered dither thresholds in (0, 1).
float DitherThreshold(int x, int y) {
    static constexpr std::array<std::array<int, 4>, 4> kBayer{
        {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}}};
    return (static_cast<float>(
                kBayer[static_cast<std::size_t>(y & 3)][static_cast<std::size_t>(x & 3)]) +
            0.5F) /
           16.0F;
}

int Quantise(float value, float threshold) {
    return std::clamp(static_cast<int>(std::floor(Clamp01(value) * 31.0F + threshold)), 0, 31);
}

std::uint16_t Pack(Color c, int x, int y) {
    const float t = DitherThreshold(x, y);
    return Pack555(Quantise(c.r, t), Quantise(c.g, t), Quantise(c.b, t));
}

bool IsSolid(const Canvas& canvas, int x, int y) {
    if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height()) {
        return false;
    }
    return canvas.At(x, y).alpha > 0.5F;
}

bool TouchesKey(const Canvas& canvas, int x, int y) {
    return !IsSolid(canvas, x - 1, y) || !IsSolid(canvas, x + 1, y) || !IsSolid(canvas, x, y - 1) ||
           !IsSolid(canvas, x, y + 1);
}

// Lifts a too-dark colour to the floor, keeping its hue.
Color Lift(Color c, float floor) {
    const float brightest = Brightest(c);
    if (brightest >= floor) {
        return c;
    }
    if (brightest < 0.01F) {
        return {floor, floor, floor};
    }
    return c * (floor / brightest);
}

std::uint16_t FigurePixel(const Canvas& canvas, int x, int y, int sheetX, int sheetY) {
    if (!IsSolid(canvas, x, y)) {
        return kTransparent;
    }
    const Pixel& pixel = canvas.At(x, y);
    const Color straight = pixel.color * (1.0F / pixel.alpha);
    const float floor = TouchesKey(canvas, x, y) ? kEdgeFloor : kInsideFloor;
    const std::uint16_t packed = Pack(Lift(straight, floor), sheetX, sheetY);
    // The floor keeps every channel sum well above zero, but be certain:
    // a solid pixel must never turn into the key.
    return packed == kTransparent ? Pack555(4, 4, 4) : packed;
}

}  // namespace

void Bake(const Canvas& canvas, Image16& sheet, int left, int top, Keying keying) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const int sheetX = left + x;
            const int sheetY = top + y;
            if (keying == Keying::Figure) {
                sheet.Set(sheetX, sheetY, FigurePixel(canvas, x, y, sheetX, sheetY));
            } else {
                sheet.Set(sheetX, sheetY, Pack(canvas.At(x, y).color, sheetX, sheetY));
            }
        }
    }
}

}  // namespace resgen
