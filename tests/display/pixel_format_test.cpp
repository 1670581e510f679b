#include <gtest/gtest.h>

#include "display/draw_manager.h"
#include "platform/core/memory_surface.h"
#include "support/display_setup.h"
#include "support/headless_platform.h"

namespace {

platform::Options WithRgb555(bool rgb555) {
    platform::Options options;
    options.rgb555 = rgb555;
    return options;
}

TEST(PixelFormat, A565ScreenGivesFiveSixFiveAndItsPackedColours) {
    HeadlessPlatform headless;
    ScopedDisplay display;
    EXPECT_EQ(redBits, 5u);
    EXPECT_EQ(greenBits, 6u);
    EXPECT_EQ(blueBits, 5u);
    EXPECT_EQ(PackColor(0, 0, 0), 0u);
    EXPECT_EQ(PackColor(255, 255, 255), 0xFFFFu);
    EXPECT_EQ(PackColor(255, 0, 0), 0xF800u);
    EXPECT_EQ(PackColor(0, 255, 0), 0x07E0u);
    EXPECT_EQ(PackColor(0, 0, 255), 0x001Fu);
    EXPECT_EQ(PackColor(192, 255, 192), 0xC7F8u);
    EXPECT_EQ(PackColor(0, 4, 0), 0x0020u);  // green keeps six bits: 4 >> 2
}

TEST(PixelFormat, A555ScreenGivesFiveFiveFiveAndItsPackedColours) {
    HeadlessPlatform headless(WithRgb555(true));
    ScopedDisplay display;
    EXPECT_EQ(redBits, 5u);
    EXPECT_EQ(greenBits, 5u);
    EXPECT_EQ(blueBits, 5u);
    EXPECT_EQ(PackColor(0, 0, 0), 0u);
    EXPECT_EQ(PackColor(255, 255, 255), 0x7FFFu);
    EXPECT_EQ(PackColor(255, 0, 0), 0x7C00u);
    EXPECT_EQ(PackColor(0, 255, 0), 0x03E0u);
    EXPECT_EQ(PackColor(0, 0, 255), 0x001Fu);
    EXPECT_EQ(PackColor(192, 255, 192), 0x63F8u);
    EXPECT_EQ(PackColor(0, 4, 0), 0u);
}

TEST(PixelFormat, AFailedReadLeavesNoBitsAndInitGoesOn) {
    HeadlessPlatform headless;
    headless.backend().failures().Add({"ddraw.pixelformat", platform::E_FAIL, 1});
    ScopedDisplay display;
    EXPECT_NE(theDrawManager.primary, nullptr);
    EXPECT_EQ(redBits + greenBits + blueBits, 0u);
    EXPECT_FALSE(AnalysePixelFormat(*theDrawManager.primary));
}

TEST(PixelFormat, ABlueMaskAboveBitZeroGivesNoBits) {
    auto surface = platform::MemorySurface::Create(1, 1, {0xF800, 0x07C0, 0x003E});
    ASSERT_NE(surface, nullptr);
    EXPECT_TRUE(AnalysePixelFormat(*surface));
    EXPECT_EQ(redBits + greenBits + blueBits, 0u);
}

}  // namespace
