#include "display/text_overlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "config/settings.h"
#include "display/draw_manager.h"
#include "shell/app_window.h"
#include "support/display_setup.h"
#include "support/headless_platform.h"

namespace {

using Texts = std::vector<platform::HeadlessBackend::TextRecord>;

class TextOverlayTest : public HeadlessTest {
protected:
    TextOverlayTest() {
        ResetConfiguration();
        textHeight = 12;
        charWidth = 7;
        headless.backend().RecordTexts(true);
    }
    const Texts& texts() { return headless.backend().texts(); }
    platform::Surface* primary() { return theDrawManager.primary.get(); }

    ScopedDisplay display;
};

TextPos Centred(const std::string& text) {
    TextPos position;
    CenterText(text.c_str(), &position);
    return position;
}

TEST_F(TextOverlayTest, CenterTextPutsTextsOnTheMiddleRowAroundTheMiddleColumn) {
    EXPECT_EQ(Centred("THANK YOU").x, 369);
    EXPECT_EQ(Centred("THANK YOU").row, 25);
    EXPECT_EQ(Centred("").x, 400);
    EXPECT_EQ(Centred(std::string(200, 'W')).x, 65236);  // 400 - 700, wrapped
    Settings::vres = 768;
    EXPECT_EQ(Centred("X").row, 32);
}

TEST_F(TextOverlayTest, ShowTextDrawsOnceInTheHeadsUpColourAndLogsIt) {
    ShowText(1, 48, "HEALTH = 100", theDrawManager.backBuffer);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].surface, theDrawManager.backBuffer);
    EXPECT_EQ(texts()[0].x, 1);
    EXPECT_EQ(texts()[0].y, 576);
    EXPECT_EQ(texts()[0].text, "HEALTH = 100");
    EXPECT_EQ(texts()[0].color, 0xC0FFC0u);
    EXPECT_EQ(headless.debugText(), "text = HEALTH = 100\ntext height = 12\n");

    // Solid glyphs in exactly that colour on an untouched background.
    std::vector<std::uint16_t> pixels = PixelsOf(*theDrawManager.backBuffer);
    std::size_t ink = std::count(pixels.begin(), pixels.end(), PackColor(192, 255, 192));
    EXPECT_GT(ink, 50u);
    EXPECT_EQ(ink + std::count(pixels.begin(), pixels.end(), 0), pixels.size());
}

TEST_F(TextOverlayTest, FadeInDrawsTwoHundredFiftyFiveTimesOnTheScreenRisingFromBlack) {
    FadeInText(369, 25, "THANK YOU", 192, 255, 192);
    ASSERT_EQ(texts().size(), 255u);
    EXPECT_EQ(texts().front().color, platform::RGB(0, 0, 0));
    EXPECT_EQ(texts()[100].color, platform::RGB(100, 100, 100));
    EXPECT_EQ(texts()[200].color, platform::RGB(192, 200, 192));
    EXPECT_EQ(texts().back().color, platform::RGB(192, 254, 192));
    EXPECT_EQ(texts().back().surface, primary());
    EXPECT_EQ(texts().back().x, 369);
    EXPECT_EQ(texts().back().y, 300);
    EXPECT_EQ(platform::TimeGetTime(), 1000u + 2550u);
    EXPECT_EQ(headless.debugText(), "fadeintext: THANK YOU\n");
    std::vector<std::uint16_t> pixels = PixelsOf(*primary());
    std::size_t ink = std::count(pixels.begin(), pixels.end(), PackColor(192, 254, 192));
    EXPECT_GT(ink, 50u);
    EXPECT_EQ(ink + std::count(pixels.begin(), pixels.end(), 0), pixels.size());
}

TEST_F(TextOverlayTest, FadeInToBlackOrWhiteStillDrawsEveryStep) {
    FadeInText(0, 0, "X", 0, 0, 0);
    ASSERT_EQ(texts().size(), 255u);
    EXPECT_EQ(texts().back().color, platform::RGB(0, 0, 0));
    FadeInText(0, 0, "X", 255, 255, 255);
    EXPECT_EQ(texts().back().color, platform::RGB(254, 254, 254));
}

TEST_F(TextOverlayTest, FadeOutStepsEveryChannelDownToBlack) {
    FadeInText(369, 25, "THANK YOU", 192, 255, 192);
    FadeOutText(369, 25, "THANK YOU", 192, 255, 192);
    ASSERT_EQ(texts().size(), 255u + 255u);
    EXPECT_EQ(texts()[255].color, platform::RGB(191, 254, 191));
    EXPECT_EQ(texts()[255 + 191].color, platform::RGB(0, 63, 0));
    EXPECT_EQ(texts().back().color, platform::RGB(0, 0, 0));
    EXPECT_EQ(PixelsOf(*primary()), std::vector<std::uint16_t>(800 * 600, 0));  // faded away

    std::uint32_t before = platform::TimeGetTime();
    FadeOutText(0, 0, "X", 0, 0, 0);
    EXPECT_EQ(texts().size(), 510u);
    EXPECT_EQ(platform::TimeGetTime(), before);
}

TEST_F(TextOverlayTest, ATextCentredOffTheScreenIsDrawnNowhere) {
    TextPos position = Centred(std::string(200, 'W'));
    FadeInText(position.x, position.row, std::string(200, 'W').c_str(), 192, 255, 192);
    EXPECT_EQ(texts().back().x, 65236);
    EXPECT_EQ(PixelsOf(*primary()), std::vector<std::uint16_t>(800 * 600, 0));
}

}  // namespace
