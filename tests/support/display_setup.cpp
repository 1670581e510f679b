#include "support/display_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "display/draw_manager.h"

ScopedDisplay::ScopedDisplay(std::uint16_t width, std::uint16_t height) {
    theDrawManager.Teardown();
    theDrawManager.Init(1, platform::DDSCL_EXCLUSIVE | platform::DDSCL_FULLSCREEN, width, height,
                        16);
}

ScopedDisplay::~ScopedDisplay() {
    theDrawManager.Teardown();
}

std::unique_ptr<ImageBuffer> MakeImage(std::uint16_t width, std::uint16_t height,
                                       const std::vector<std::uint16_t>& pixels) {
    auto image = std::make_unique<ImageBuffer>();
    image->width = width;
    image->height = height;
    std::size_t count = std::size_t{width} * height;
    image->pixels = std::make_unique<std::uint16_t[]>(count);
    std::copy_n(pixels.begin(), std::min(count, pixels.size()), image->pixels.get());
    return image;
}

std::unique_ptr<ImageBuffer> MakeFilledImage(std::uint16_t width, std::uint16_t height,
                                             std::uint16_t value) {
    return MakeImage(width, height, std::vector<std::uint16_t>(std::size_t{width} * height, value));
}

namespace {
std::uint16_t* PixelAddress(const platform::LockedSurface& locked, int x, int y) {
    return reinterpret_cast<std::uint16_t*>(locked.bits +
                                            static_cast<std::ptrdiff_t>(y) * locked.pitch) +
           x;
}
}  // namespace

std::uint16_t PixelAt(platform::Surface& surface, int x, int y) {
    platform::LockedSurface locked;
    EXPECT_EQ(surface.Lock(locked), platform::S_OK);
    std::uint16_t value = *PixelAddress(locked, x, y);
    surface.Unlock();
    return value;
}

std::vector<std::uint16_t> PixelsOf(platform::Surface& surface) {
    platform::LockedSurface locked;
    EXPECT_EQ(surface.Lock(locked), platform::S_OK);
    std::vector<std::uint16_t> pixels;
    for (int y = 0; y < surface.Height(); ++y) {
        const std::uint16_t* row = PixelAddress(locked, 0, y);
        pixels.insert(pixels.end(), row, row + surface.Width());
    }
    surface.Unlock();
    return pixels;
}
