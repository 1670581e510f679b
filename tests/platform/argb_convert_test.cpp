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

std::vector<std::uint32_t> Converted(const platform::PixelFormat& format,
                                     const std::vector<std::uint16_t>& pixels) {
    auto surface = MemorySurface::Create(static_cast<std::uint16_t>(pixels.size()), 1, format);
    std::copy(pixels.begin(), pixels.end(), surface->Row(0));
    std::vector<std::uint32_t> argb(pixels.size() + 1, 0xDEADBEEF);  // one past the row
    platform::ConvertToArgb(*surface, argb.data(), static_cast<std::int32_t>(argb.size() * 4));
    return argb;
}

TEST(ArgbConvert, WidensEachChannelSoThatBlackAndFullIntensityStayExact) {
    EXPECT_EQ(Converted(platform::kFormat565, {0x0000, 0xFFFF, 0xF800, 0x07E0, 0x001F, 0x8410}),
              (std::vector<std::uint32_t>{0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00,
                                          0xFF0000FF, 0xFF848284, 0xDEADBEEF}));
    EXPECT_EQ(Converted(platform::kFormat555, {0x0000, 0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x8000}),
              (std::vector<std::uint32_t>{0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00,
                                          0xFF0000FF, 0xFF000000, 0xDEADBEEF}));
}

TEST(ArgbConvert, EveryPixelOfBothLayoutsHasEachChannelWidenedByRepeatingItsTopBits) {
    for (const platform::PixelFormat& format : {platform::kFormat565, platform::kFormat555}) {
        auto surface = MemorySurface::Create(256, 256, format);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x)
                surface->Row(y)[x] = static_cast<std::uint16_t>(y * 256 + x);
        }
        std::vector<std::uint32_t> argb(65536);
        platform::ConvertToArgb(*surface, argb.data(), 256 * 4);
        for (std::uint32_t pixel = 0; pixel < argb.size(); ++pixel) {
            std::uint32_t expected = 0xFF;
            for (std::uint32_t mask : {format.redMask, format.greenMask, format.blueMask}) {
                platform::Channel channel = platform::ChannelOf(mask);
                std::uint32_t value = (pixel & mask) >> channel.shift;
                expected =
                    expected << 8 | value << (8 - channel.bits) | value >> (2 * channel.bits - 8);
            }
            ASSERT_EQ(argb[pixel], expected) << std::hex << pixel;
        }
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
