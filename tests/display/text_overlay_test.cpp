// The few words on the screen: centring, the heads-up text and the fades.
#include "display/text_overlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/window_metrics.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "support/display_setup.h"
#include "support/headless_platform.h"

namespace {

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

TEST_F(TextOverlayTest, CenterTextPutsTextsOnTheMiddleRowAroundTheMiddleColumn) {
    const std::tuple<std::string, int, int> texts[] = {
        {"THANK YOU", 369, 25}, {"", 400, 25}, {std::string(200, 'W'), 65236, 25}};  // wrapped
    for (const auto& [text, x, row] : texts) {
        TextPos position;
        CenterText(text.c_str(), &position);
        EXPECT_EQ(std::tuple(position.x, position.row), std::tuple(x, row)) << text;
    }
}

TEST_F(TextOverlayTest, ShowTextDrawsOnceInTheHeadsUpColourAtItsRowAndLogsIt) {
    ShowText(1, 48, "HEALTH = 100", theDrawManager.backBuffer);
    ASSERT_EQ(texts().size(), 1u);
    const auto& text = texts()[0];
    EXPECT_EQ(std::tuple(text.surface, text.x, text.y, text.text, text.color),
              std::tuple(theDrawManager.backBuffer, 1, 576, "HEALTH = 100", 0xC0FFC0u));
    EXPECT_EQ(headless.debugText(), "text = HEALTH = 100\ntext height = 12\n");
    EXPECT_GT(InkOnBlack(*theDrawManager.backBuffer, PackColor(192, 255, 192)), 50u);
}

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

    FadeInText(0, 0, "X", 255, 255, 255);  // every step, even to white
    EXPECT_EQ(std::tuple(texts().size(), texts().back().color),
              std::tuple(765u, platform::RGB(254, 254, 254)));
    FadeOutText(0, 0, "X", 0, 0, 0);  // nothing to fade from: no step at all
    EXPECT_EQ(texts().size(), 765u);
}

}  // namespace
