// The 16-bit pixel layouts the screen can have, and how colours go in and
// out of them.
#pragma once

#include <cstdint>

#include "platform/api/display.h"

namespace platform {

constexpr PixelFormat kFormat565{0xF800, 0x07E0, 0x001F};
constexpr PixelFormat kFormat555{0x7C00, 0x03E0, 0x001F};

// The two layouts the pixel loops know.
enum class Layout { Rgb565, Rgb555 };
Layout LayoutOf(const PixelFormat& format);

// Where one colour channel sits in a pixel.
struct Channel {
    std::uint32_t shift = 0;
    std::uint32_t bits = 0;
};

// The channel of a contiguous mask (an empty mask gives 0 bits).
Channel ChannelOf(std::uint32_t mask);

// An exact 8-bit colour in a 16-bit pixel: each channel keeps its top bits.
std::uint16_t PackRgb(const PixelFormat& format, std::uint8_t red, std::uint8_t green,
                      std::uint8_t blue);

}  // namespace platform
