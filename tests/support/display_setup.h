// The display for a test on the headless platform: theDrawManager set up at
// a size, given up again when the test ends, and small helpers to make
// images and read pixels back.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "display/image_loader.h"
#include "platform/api/display.h"

// Initialises theDrawManager (device, 800 × 600 × 16 chain, pixel format);
// tears it down on destruction, so that no test leaves it to the next.
class ScopedDisplay {
public:
    explicit ScopedDisplay(std::uint16_t width = 800, std::uint16_t height = 600);
    ~ScopedDisplay();
    ScopedDisplay(const ScopedDisplay&) = delete;
    ScopedDisplay& operator=(const ScopedDisplay&) = delete;
};

// An image of screen pixels, rows in order.
std::unique_ptr<ImageBuffer> MakeImage(std::uint16_t width, std::uint16_t height,
                                       const std::vector<std::uint16_t>& pixels);
// An image with every pixel the same value.
std::unique_ptr<ImageBuffer> MakeFilledImage(std::uint16_t width, std::uint16_t height,
                                             std::uint16_t value);

// One pixel of a surface, read through Lock with its pitch.
std::uint16_t PixelAt(platform::Surface& surface, int x, int y);
// Every pixel of a surface, rows in order (without the row padding).
std::vector<std::uint16_t> PixelsOf(platform::Surface& surface);
