// PNG files for the desktop's icons: 8-bit RGBA, deflate's stored blocks
// (no compression: an icon is a few kilobytes either way), so the encoder
// stays a page long and needs no library.
#pragma once

#include <cstdint>
#include <vector>

namespace resgen {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // straight alpha, top row first
};

std::vector<std::uint8_t> EncodePng(const RgbaImage& image);

}  // namespace resgen
