// PNG files for the desktop's icons, written by SDL2_image (libpng), as the
// game's screenshots are.
#pragma once

#include <cstdint>
#include <vector>

namespace resgen {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // straight alpha, top row first
};

// The image as the bytes of a PNG file; throws std::runtime_error when
// SDL2_image cannot encode it.
std::vector<std::uint8_t> EncodePng(const RgbaImage& image);

}  // namespace resgen
