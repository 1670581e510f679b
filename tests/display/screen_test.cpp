// The screen: the teardown that saves the last picture, and the few words
// drawn on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "common/window_metrics.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/text_overlay.h"
#include "platform/api/input.h"
#include "platform/api/system.h"
#include "platform/api/window.h"
#include "support/files.h"
#include "support/headless_platform.h"

namespace {

TEST(DrawManagerTeardown, SavesThePictureOnTheScreenShowsTheCursorAndOnlyReleasesAfterward) {
    TempFolder folder;
    platform::Options options;
    options.screenshotFile = (folder.path() / "shot.png").string();
    std::unique_ptr<platform::Surface> sprite;
    // A failing set-up throws, and fails the test.
    auto init = [] {
        theDrawManager.Init(1, platform::DDSCL_EXCLUSIVE | platform::DDSCL_FULLSCREEN, 800, 600,
                            16);
    };
    {
        HeadlessPlatform headless(options);
        init();
        ASSERT_EQ(theDrawManager.directDraw->CreateSurface(8, 8, sprite), 0);
        theDrawManager.FillAndFlip(*theDrawManager.backBuffer, PackColor(255, 0, 0));
        theDrawManager.backBuffer->ColorFill(PackColor(0, 0, 255));  // drawn, never shown
        platform::HideCursor();
        theDrawManager.Teardown();
        EXPECT_TRUE(platform::CursorVisible());
        EXPECT_TRUE(theDrawManager.backBuffer == nullptr && !theDrawManager.primary &&
                    !theDrawManager.directDraw);
        init();
    }
    theDrawManager.Teardown();  // as at the program's exit: no platform left
    EXPECT_EQ(theDrawManager.primary, nullptr);
    EXPECT_EQ(sprite->ColorFill(7), 0);  // a surface needs neither device nor platform
    EXPECT_EQ(PixelAt(*sprite, 7, 7), 7);
    Picture saved = ReadPicture(folder.path() / "shot.png");
    ASSERT_EQ(std::tuple(saved.width, saved.height), std::tuple(800, 600)) << saved.error;
    EXPECT_EQ(saved.Rgb(799, 599), 0xFF0000u);
}

class TextOverlayTest : public HeadlessTest {
protected:
    TextOverlayTest() {
        ResetConfiguration();
        textHeight = 12;
        charWidth = 7;
        headless.backend().RecordTexts(true);
    }
    ~TextOverlayTest() override { ResetWindowMetrics(); }
    const std::vector<platform::HeadlessBackend::TextRecord>& texts() {
        return headless.backend().texts();
    }
    // How many pixels of the surface are the colour; every other one must be black.
    std::size_t InkOnBlack(platform::Surface& surface, std::uint32_t color) {
        std::vector<std::uint16_t> pixels = PixelsOf(surface);
        std::size_t ink = std::count(pixels.begin(), pixels.end(), color);
        EXPECT_EQ(ink + std::count(pixels.begin(), pixels.end(), 0), pixels.size());
        return ink;
    }
    ScopedDisplay display;
};

TEST_F(TextOverlayTest, FadesDraw255StepsOnTheScreenUpFromBlackAndDownToIt) {
    FadeInText(369, 25, "THANK YOU", 192, 255, 192);
    ASSERT_EQ(texts().size(), 255u);
    EXPECT_EQ(std::tuple(texts()[0].color, texts()[100].color, texts()[200].color),
              std::tuple(platform::RGB(0, 0, 0), platform::RGB(100, 100, 100),
                         platform::RGB(192, 200, 192)));
    const auto& last = texts().back();
    EXPECT_EQ(std::tuple(last.color, last.surface, last.x, last.y),
              std::tuple(platform::RGB(192, 254, 192), theDrawManager.primary.get(), 369, 300));
    EXPECT_EQ(platform::TimeGetTime(), 1000u + 2550u);  // 10 ms a step
    EXPECT_GT(InkOnBlack(*theDrawManager.primary, PackColor(192, 254, 192)), 50u);

    FadeOutText(369, 25, "THANK YOU", 192, 255, 192);
    ASSERT_EQ(texts().size(), 510u);
    EXPECT_EQ(std::tuple(texts()[255].color, texts()[255 + 191].color, texts().back().color),
              std::tuple(platform::RGB(191, 254, 191), platform::RGB(0, 63, 0), 0u));
    EXPECT_EQ(InkOnBlack(*theDrawManager.primary, 1), 0u);  // faded away
    EXPECT_EQ(headless.debugText(), "fadeintext: THANK YOU\nfadeouttext: THANK YOU\n");

    // A press ends the wait's fades, at no cost in time, until a new wait.
    headless.platform().NotePress();
    std::uint32_t pressedAt = platform::TimeGetTime();
    FadeInText(0, 0, "X", 255, 255, 255);
    FadeOutText(0, 0, "X", 255, 255, 255);
    EXPECT_EQ(std::tuple(texts().size(), platform::TimeGetTime()), std::tuple(510u, pressedAt));
    platform::BeginSkippableWait();
    FadeOutText(0, 0, "X", 1, 1, 1);
    EXPECT_EQ(texts().size(), 511u);
}

}  // namespace
