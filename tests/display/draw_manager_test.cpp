#include "display/draw_manager.h"

#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "common/exceptions.h"
#include "platform/api/window.h"
#include "support/display_setup.h"
#include "support/headless_platform.h"

namespace {

using platform::HRESULT;

constexpr std::uint32_t kFlags = platform::DDSCL_EXCLUSIVE | platform::DDSCL_FULLSCREEN;

// The code of the direct_exception that Init throws, 0 when it returns.
HRESULT InitFailure(std::uint16_t width = 800, std::uint16_t height = 600,
                    std::uint16_t bitsPerPixel = 16) {
    try {
        EXPECT_TRUE(theDrawManager.Init(1, kFlags, width, height, bitsPerPixel));
    } catch (direct_exception* error) {
        std::unique_ptr<direct_exception> owned(error);
        return owned->code;
    }
    return 0;
}

class DrawManagerTest : public HeadlessTest {
protected:
    DrawManagerReset reset;
};

TEST_F(DrawManagerTest, InitSetsTheModeAndBuildsATripleBufferedChain) {
    ASSERT_EQ(InitFailure(), 0);
    EXPECT_EQ(headless.backend().modeWidth(), 800);
    EXPECT_EQ(headless.backend().modeHeight(), 600);
    ASSERT_NE(theDrawManager.primary, nullptr);
    ASSERT_NE(theDrawManager.backBuffer, nullptr);
    EXPECT_NE(theDrawManager.backBuffer, theDrawManager.primary.get());
    EXPECT_EQ(theDrawManager.backBuffer->Width(), 800);
    EXPECT_EQ(theDrawManager.backBuffer->Height(), 600);
    EXPECT_EQ(greenBits, 6u);
}

struct FailingStep {
    const char* step;
    HRESULT code;
    bool keepsDevice;
    bool keepsPrimary;
};

class DrawManagerInitFailure : public DrawManagerTest,
                               public ::testing::WithParamInterface<FailingStep> {};

TEST_P(DrawManagerInitFailure, ThrowsTheStepsCodeAndReleasesTheDeviceOnlyForTheChain) {
    const FailingStep& failing = GetParam();
    headless.backend().failures().Add({failing.step, failing.code, 1});
    EXPECT_EQ(InitFailure(), failing.code);
    EXPECT_EQ(theDrawManager.directDraw != nullptr, failing.keepsDevice);
    EXPECT_EQ(theDrawManager.primary != nullptr, failing.keepsPrimary);
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, DrawManagerInitFailure,
    ::testing::Values(FailingStep{"ddraw.create", platform::E_FAIL, false, false},
                      FailingStep{"ddraw.init", platform::DDERR_INVALIDOBJECT, true, false},
                      FailingStep{"ddraw.cooperative", platform::DDERR_HWNDALREADYSET, true, false},
                      FailingStep{"ddraw.mode", platform::DDERR_INVALIDMODE, true, false},
                      FailingStep{"ddraw.primary", platform::DDERR_OUTOFVIDEOMEMORY, false, false},
                      FailingStep{"ddraw.backbuffer", platform::DDERR_SURFACELOST, false, true}),
    [](const auto& info) {
        std::string name = info.param.step;
        return name.substr(name.find('.') + 1);
    });

TEST_F(DrawManagerTest, UnreasonableModesAreRefusedAsInvalidModes) {
    EXPECT_EQ(InitFailure(0, 600), platform::DDERR_INVALIDMODE);
    theDrawManager.Teardown();
    EXPECT_EQ(InitFailure(800, 8193), platform::DDERR_INVALIDMODE);
    theDrawManager.Teardown();
    EXPECT_EQ(InitFailure(800, 600, 24), platform::DDERR_INVALIDMODE);
    direct_exception error(platform::DDERR_INVALIDMODE);
    EXPECT_STREQ(error.GetText(), "Invalid mode");
}

TEST_F(DrawManagerTest, ASecondInitMakesNothingAndReadsTheFormatAgain) {
    ASSERT_EQ(InitFailure(), 0);
    platform::Surface* primary = theDrawManager.primary.get();
    platform::Surface* backBuffer = theDrawManager.backBuffer;
    redBits = greenBits = blueBits = 0;
    headless.backend().failures().Add({"ddraw.create", platform::E_FAIL, 1});
    headless.backend().failures().Add({"ddraw.primary", platform::E_FAIL, 1});
    ASSERT_EQ(InitFailure(), 0);
    EXPECT_EQ(theDrawManager.primary.get(), primary);
    EXPECT_EQ(theDrawManager.backBuffer, backBuffer);
    EXPECT_EQ(redBits + greenBits + blueBits, 16u);
}

TEST_F(DrawManagerTest, FillAndFlipShowsTheFilledSurfaceAfterTheNextRefresh) {
    ASSERT_EQ(InitFailure(), 0);
    platform::Surface& primary = *theDrawManager.primary;
    EXPECT_EQ(theDrawManager.FillAndFlip(*theDrawManager.backBuffer, 0x1234), 0);
    EXPECT_EQ(PixelAt(primary, 0, 0), 0x1234);
    EXPECT_EQ(PixelAt(primary, 799, 599), 0x1234);
    EXPECT_EQ(platform::TimeGetTime(), 1016u);
    EXPECT_EQ(theDrawManager.FillAndFlip(primary, 0), 0);
    EXPECT_EQ(PixelAt(primary, 799, 599), 0);
    EXPECT_EQ(platform::TimeGetTime(), 1033u);
    EXPECT_EQ(headless.backend().presents(), 2u);
}

TEST_F(DrawManagerTest, TeardownShowsTheCursorAndReleasesEverythingOnce) {
    ASSERT_EQ(InitFailure(), 0);
    platform::HideCursor();
    theDrawManager.Teardown();
    EXPECT_TRUE(platform::CursorVisible());
    EXPECT_EQ(theDrawManager.backBuffer, nullptr);
    EXPECT_EQ(theDrawManager.primary, nullptr);
    EXPECT_EQ(theDrawManager.directDraw, nullptr);
    theDrawManager.Teardown();
    EXPECT_EQ(theDrawManager.directDraw, nullptr);
}

TEST(DrawManagerWithoutPlatform, TeardownAfterThePlatformIsGoneOnlyReleases) {
    DrawManagerReset reset;
    std::unique_ptr<platform::Surface> sprite;
    {
        HeadlessPlatform headless;
        ASSERT_EQ(InitFailure(), 0);
        ASSERT_EQ(theDrawManager.directDraw->CreateSurface(8, 8, sprite), 0);
    }
    theDrawManager.Teardown();
    EXPECT_EQ(theDrawManager.primary, nullptr);
    EXPECT_EQ(sprite->ColorFill(7), 0);  // a surface needs neither device nor platform
    EXPECT_EQ(PixelAt(*sprite, 7, 7), 7);
}

TEST(DrawManagerScreenshot, TeardownSavesThePictureOnTheScreen) {
    DrawManagerReset reset;
    auto path = std::filesystem::temp_directory_path() / "farhaven_teardown_shot.png";
    platform::Options options;
    options.screenshotFile = path.string();
    HeadlessPlatform headless(options);
    ASSERT_EQ(InitFailure(), 0);
    theDrawManager.FillAndFlip(*theDrawManager.backBuffer, PackColor(255, 0, 0));
    theDrawManager.backBuffer->ColorFill(PackColor(0, 0, 255));  // drawn, never shown
    theDrawManager.Teardown();

    SDL_Surface* saved = IMG_Load(path.string().c_str());
    ASSERT_NE(saved, nullptr) << IMG_GetError();
    EXPECT_EQ(saved->w, 800);
    EXPECT_EQ(saved->h, 600);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(saved, SDL_PIXELFORMAT_RGB24, 0);
    const auto* pixel = static_cast<const std::uint8_t*>(rgb->pixels) + 599 * rgb->pitch + 799 * 3;
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_EQ(pixel[2], 0);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(saved);
    std::filesystem::remove(path);
}

}  // namespace
