// A picture in the file's own pixel format: x RRRRR GGGGG BBBBB, where the
// value 0 is the game's one transparent colour.
#pragma once

#include <cstdint>
#include <vector>

namespace resgen {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }    // exclusive
    int Bottom() const { return y + height; }  // exclusive
};

// The rectangle both have in common; empty (zero size) when they are apart.
Rect Intersection(const Rect& a, const Rect& b);

constexpr std::uint16_t kTransparent = 0;

constexpr std::uint16_t Pack555(int red, int green, int blue) {
    return static_cast<std::uint16_t>((red << 10) | (green << 5) | blue);
}

class Image16 {
public:
    Image16(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint16_t At(int x, int y) const;
    void Set(int x, int y, std::uint16_t value);
    void Clear(const Rect& area);
    // Rows top first, as the file stores them.
    const std::vector<std::uint16_t>& Pixels() const { return pixels_; }

private:
    int width_;
    int height_;
    std::vector<std::uint16_t> pixels_;
};

}  // namespace resgen
