#include "image16.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace resgen {

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.Right(), b.Right());
    const int bottom = std::min(a.Bottom(), b.Bottom());
    if (right <= left || bottom <= top) {
        return {};
    }
    return {left, top, right - left, bottom - top};
}

Image16::Image16(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kTransparent) {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) {
        throw std::invalid_argument("image size out of range");
    }
}

std::uint16_t Image16::At(int x, int y) const {
    return pixels_.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                      static_cast<std::size_t>(x));
}

void Image16::Set(int x, int y, std::uint16_t value) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the image");
    }
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)] = value;
}

void Image16::Clear(const Rect& area) {
    const Rect inside = Intersection(area, {0, 0, width_, height_});
    for (int y = inside.y; y < inside.Bottom(); ++y) {
        for (int x = inside.x; x < inside.Right(); ++x) {
            Set(x, y, kTransparent);
        }
    }
}

}  // namespace resgen
