#include <gtest/gtest.h>

#include <memory>

#include "platform/api/display.h"
#include "platform/core/platform.h"
#include "support/headless_platform.h"

namespace {

using platform::DisplayDevice;
using platform::Surface;

class DisplayDeviceTest : public HeadlessTest {
protected:
    DisplayDeviceTest() { platform::CreateDisplayDevice(device); }
    void MakeChain() {
        ASSERT_EQ(device->SetDisplayMode(64, 48, 16), 0);
        ASSERT_EQ(device->CreatePrimarySurface(2, primary), 0);
        ASSERT_EQ(primary->GetAttachedBackBuffer(backBuffer), 0);
    }
    std::uint16_t Shown() { return Front(*primary); }
    static std::uint16_t Front(Surface& surface) {
        platform::LockedSurface locked;
        surface.Lock(locked);
        return *reinterpret_cast<std::uint16_t*>(locked.bits);
    }

    std::unique_ptr<DisplayDevice> device;
    std::unique_ptr<Surface> primary;
    Surface* backBuffer = nullptr;
};

TEST_F(DisplayDeviceTest, ModesAreRefusedUnlessSixteenBitsAndAtMost8192Square) {
    EXPECT_EQ(device->SetDisplayMode(0, 600, 16), platform::DDERR_INVALIDMODE);
    EXPECT_EQ(device->SetDisplayMode(800, 0, 16), platform::DDERR_INVALIDMODE);
    EXPECT_EQ(device->SetDisplayMode(8193, 600, 16), platform::DDERR_INVALIDMODE);
    EXPECT_EQ(device->SetDisplayMode(800, 600, 32), platform::DDERR_INVALIDMODE);
    EXPECT_EQ(device->CreatePrimarySurface(2, primary), platform::DDERR_INVALIDMODE);
    EXPECT_EQ(device->SetDisplayMode(8192, 8192, 16), 0);
    EXPECT_EQ(headless.backend().modeWidth(), 8192);
}

TEST_F(DisplayDeviceTest, AFlipShowsTheBackBufferAndPassesEveryBufferUpTheChain) {
    MakeChain();
    std::unique_ptr<Surface> stranger;
    ASSERT_EQ(device->CreateSurface(64, 48, stranger), 0);
    primary->ColorFill(1);
    backBuffer->ColorFill(2);
    ASSERT_EQ(primary->Flip(*backBuffer), 0);
    EXPECT_EQ(Shown(), 2);
    EXPECT_EQ(Front(*backBuffer), 0);  // the third buffer, never drawn
    backBuffer->ColorFill(3);
    primary->Flip(*backBuffer);
    EXPECT_EQ(Shown(), 3);
    EXPECT_EQ(Front(*backBuffer), 1);  // the first picture comes round again
    EXPECT_EQ(primary->Flip(*stranger), platform::E_INVALIDARG);
    EXPECT_EQ(primary->Flip(*primary), 0);
    EXPECT_EQ(Shown(), 3);
    EXPECT_EQ(headless.backend().presents(), 3u);
}

TEST_F(DisplayDeviceTest, EachFlipWaitsForTheNextRefreshAndEndsTheFrame) {
    MakeChain();
    platform::Platform& current = headless.platform();
    current.setAppWindow(3);
    headless.backend().clock().Set(1016);  // on a refresh: the next one is strictly later
    std::vector<std::uint32_t> times;
    for (int flip = 0; flip < 4; ++flip) {
        primary->Flip(*backBuffer);
        times.push_back(platform::TimeGetTime());
    }
    EXPECT_EQ(times, (std::vector<std::uint32_t>{1033, 1050, 1066, 1083}));

    platform::Options options;
    options.frames = 1;
    HeadlessPlatform ending(options);  // --frames 1: the first frame's flip closes the window
    ending.platform().setAppWindow(3);
    std::unique_ptr<DisplayDevice> endingDevice;
    platform::CreateDisplayDevice(endingDevice);
    endingDevice->SetDisplayMode(8, 8, 16);
    endingDevice->CreatePrimarySurface(2, primary);
    ending.platform().NoteKeyboardRead();
    primary->Flip(*primary);
    ASSERT_FALSE(ending.platform().queue().Empty());
    EXPECT_EQ(ending.platform().queue().Front().message, platform::WM_CLOSE);
}

TEST_F(DisplayDeviceTest, OffScreenSurfacesHaveTheScreensFormatAndCanBeRefusedFromTheNth) {
    headless.backend().failures().Add({"ddraw.surface", platform::DDERR_OUTOFVIDEOMEMORY, 7});
    std::vector<std::unique_ptr<Surface>> made(8);
    for (int i = 0; i < 6; ++i) ASSERT_EQ(device->CreateSurface(4, 4, made[i]), 0);
    EXPECT_EQ(device->CreateSurface(4, 4, made[6]), platform::DDERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(device->CreateSurface(4, 4, made[7]), platform::DDERR_OUTOFVIDEOMEMORY);
    platform::PixelFormat format;
    ASSERT_EQ(made[0]->GetPixelFormat(format), 0);
    EXPECT_EQ(format.greenMask, 0x07E0u);

    platform::Options rgb555;
    rgb555.rgb555 = true;
    HeadlessPlatform other(rgb555);
    ASSERT_EQ(device->CreateSurface(4, 4, made[7]), 0);
    ASSERT_EQ(made[7]->GetPixelFormat(format), 0);
    EXPECT_EQ(format.greenMask, 0x03E0u);
}

TEST_F(DisplayDeviceTest, LockAndPixelFormatFailWhenAsked) {
    MakeChain();
    headless.backend().failures().Add({"ddraw.lock", platform::DDERR_SURFACELOST, 1});
    headless.backend().failures().Add({"ddraw.pixelformat", platform::DDERR_INVALIDPIXELFORMAT, 1});
    platform::LockedSurface locked;
    EXPECT_EQ(backBuffer->Lock(locked), platform::DDERR_SURFACELOST);
    platform::PixelFormat format;
    EXPECT_EQ(primary->GetPixelFormat(format), platform::DDERR_INVALIDPIXELFORMAT);
}

TEST(DisplaySurfaces, OutliveTheirDeviceAndThePlatform) {
    std::unique_ptr<Surface> sprite;
    {
        HeadlessPlatform headless;
        std::unique_ptr<DisplayDevice> device;
        ASSERT_EQ(platform::CreateDisplayDevice(device), 0);
        ASSERT_EQ(device->CreateSurface(16, 16, sprite), 0);
    }
    EXPECT_EQ(sprite->ColorFill(5), 0);
    EXPECT_EQ(sprite->BltColorKeyed({0, 0, 8, 8}, *sprite, {8, 8, 16, 16}, 0), 0);
    sprite.reset();
}

}  // namespace
