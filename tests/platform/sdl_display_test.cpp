// The display through the SDL backend in a real window (the test script
// starts Xvfb): what the game shows is what the window shows.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "display/draw_manager.h"
#include "platform/api/system.h"
#include "platform/core/argb_convert.h"
#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "shell/app_window.h"
#include "support/display_setup.h"
#include "support/sdl_window.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// The window's picture as 0xRRGGBB, cut from the X server's screen read
// with ImageMagick's import; empty when it cannot be read.
std::vector<std::uint32_t> CaptureWindow(SDL_Window* window) {
    for (int i = 0; i < 20; ++i) {  // let the server catch up with the last present
        SDL_PumpEvents();
        SDL_Delay(10);
    }
    int left = 0;
    int top = 0;
    SDL_GetWindowPosition(window, &left, &top);
    auto path = std::filesystem::temp_directory_path() /
                ("farhaven_window_" + std::to_string(::getpid()) + ".png");
    std::string command = "import -window root -crop " + std::to_string(kWidth) + "x" +
                          std::to_string(kHeight) + "+" + std::to_string(left) + "+" +
                          std::to_string(top) + " png:" + path.string() + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) return {};
    SDL_Surface* loaded = IMG_Load(path.string().c_str());
    std::filesystem::remove(path);
    if (loaded == nullptr) return {};
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < rgb->h; ++y) {
        for (int x = 0; x < rgb->w; ++x) {
            const auto* p = static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch + x * 3;
            pixels.push_back(std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2]);
        }
    }
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(loaded);
    return pixels;
}

// What the front surface should look like on the screen, as 0xRRGGBB.
std::vector<std::uint32_t> Expected(platform::Surface& front) {
    std::vector<std::uint32_t> argb(kWidth * kHeight);
    platform::ConvertToArgb(dynamic_cast<platform::MemorySurface&>(front), argb.data(), kWidth * 4);
    for (auto& pixel : argb) pixel &= 0xFFFFFF;
    return argb;
}

void DrawGradient(platform::Surface& surface) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            SetPixel(surface, x, y,
                     static_cast<std::uint16_t>(
                         PackColor(x * 255 / (kWidth - 1), y * 255 / (kHeight - 1), 128)));
        }
    }
}

TEST(SdlDisplay, TheWindowShowsFlippedFramesAndTextDrawnStraightOnTheScreen) {
    WindowedSdlPlatform windowed;
    if (windowed.sdl() == nullptr) GTEST_SKIP() << windowed.whyNot();
    if (std::system("command -v import >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "ImageMagick's import is needed to read the window back";
    }
    platform::SdlBackend* sdl = windowed.sdl();
    DrawManagerReset reset;
    appWindow = CreateAppWindow(kWidth, kHeight);
    ASSERT_NE(appWindow, 0u);
    ASSERT_TRUE(theDrawManager.Init(appWindow, 0x11, kWidth, kHeight, 16));
    platform::Surface& primary = *theDrawManager.primary;

    DrawGradient(*theDrawManager.backBuffer);
    ASSERT_EQ(primary.Flip(*theDrawManager.backBuffer), 0);
    auto shown = CaptureWindow(sdl->window());
    ASSERT_EQ(shown.size(), std::size_t{kWidth * kHeight}) << "the window could not be read";
    EXPECT_EQ(shown, Expected(primary));

    // No flip: text drawn on the primary shows once the game sleeps.
    std::unique_ptr<platform::DeviceContext> context;
    ASSERT_EQ(primary.GetDC(context), 0);
    context->SetTextColor(platform::RGB(255, 255, 255));
    context->TextOut(100, 100, "FAR HAVEN");
    primary.ReleaseDC(std::move(context));
    platform::Sleep(20);
    shown = CaptureWindow(sdl->window());
    auto expected = Expected(primary);
    EXPECT_GT(std::count(expected.begin(), expected.end(), 0xFFFFFFu), 40);
    EXPECT_EQ(shown, expected);

    // Xvfb honours no vsync: the flips keep to 60 a second all the same.
    std::uint32_t start = platform::TimeGetTime();
    for (int flip = 0; flip < 31; ++flip) primary.Flip(*theDrawManager.backBuffer);
    EXPECT_GE(platform::TimeGetTime() - start, 490u);  // 30 ticks of 16.7 ms, less rounding
    KeepGraphicsDriversLoaded();
}

}  // namespace
