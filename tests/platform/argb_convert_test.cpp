#include "platform/core/argb_convert.h"

#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/api/display.h"
#include "platform/core/memory_surface.h"
#include "platform/core/screen_format.h"
#include "platform/core/screenshot.h"
#include "support/headless_platform.h"

namespace {

using platform::MemorySurface;

// Every 16-bit pixel, once in each layout: each channel widened by
// repeating its top bits (black stays 0, full intensity becomes 255), rows
// `pitch` apart and nothing written between them.
TEST(ArgbConvert, EveryPixelOfBothLayoutsHasEachChannelWidenedByRepeatingItsTopBits) {
    constexpr std::uint32_t kUntouched = 0xDEADBEEF;
    for (const platform::PixelFormat& format : {platform::kFormat565, platform::kFormat555}) {
        auto surface = MemorySurface::Create(256, 256, format);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x)
                surface->Row(y)[x] = static_cast<std::uint16_t>(y * 256 + x);
        }
        std::vector<std::uint32_t> argb(257 * 256, kUntouched);  // a pixel to spare after each row
        platform::ConvertToArgb(*surface, argb.data(), 257 * 4);
        for (std::uint32_t pixel = 0; pixel < 65536; ++pixel) {
            std::uint32_t expected = 0xFF;
            for (std::uint32_t mask : {format.redMask, format.greenMask, format.blueMask}) {
                platform::Channel channel = platform::ChannelOf(mask);
                std::uint32_t value = (pixel & mask) >> channel.shift;
                expected =
                    expected << 8 | value << (8 - channel.bits) | value >> (2 * channel.bits - 8);
            }
            ASSERT_EQ(argb[pixel / 256 * 257 + pixel % 256], expected) << std::hex << pixel;
        }
        for (int y = 0; y < 256; ++y) ASSERT_EQ(argb[y * 257 + 256], kUntouched) << y;
    }
}

TEST(Screenshot, APngHoldsTheSurfacesPictureAndOnlyWhenOneWasAskedFor) {
    auto path = std::filesystem::temp_directory_path() / "farhaven_screenshot_test.png";
    std::filesystem::remove(path);
    auto surface = MemorySurface::Create(3, 2, platform::kFormat565);
    surface->Row(0)[0] = 0xF800;
    surface->Row(1)[2] = 0x001F;
    {
        HeadlessPlatform nothingAsked;
        platform::SaveRequestedScreenshot(*surface);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    platform::Options options;
    options.screenshotFile = path.string();
    HeadlessPlatform asked(options);
    platform::SaveRequestedScreenshot(*surface);

    SDL_Surface* loaded = IMG_Load(path.string().c_str());
    ASSERT_NE(loaded, nullptr) << IMG_GetError();
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    auto pixel = [&](int x, int y) {
        const auto* p = static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch + x * 3;
        return std::vector<int>{p[0], p[1], p[2]};
    };
    EXPECT_EQ(pixel(0, 0), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(pixel(1, 0), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(pixel(2, 1), (std::vector<int>{0, 0, 255}));
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(loaded);
    std::filesystem::remove(path);

    std::string error;
    EXPECT_FALSE(platform::SavePng(*surface, "/nonexistent/dir/shot.png", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
