// One frame on the screen: the heads-up line, the layers, and the moves
// that drawing makes.
#include "world/render_frame.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/settings.h"
#include "display/draw_manager.h"
#include "shell/app_window.h"
#include "support/world_fixture.h"
#include "world/actors.h"
#include "world/enemy_and_bricks.h"
#include "world/explosions.h"
#include "world/world_state.h"

namespace {

namespace tc = test_colors;

class RenderTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        player->y = 300;  // off the heads-up line
    }

    std::vector<std::string> TextLines(const std::string& log) {
        std::vector<std::string> texts;
        for (const std::string& line : Lines(log)) {
            if (line.rfind("text = ", 0) == 0) texts.push_back(line);
        }
        return texts;
    }

    // Pixels of the heads-up colour in a rectangle of the screen.
    int TextPixels(int left, int top, int right, int bottom) {
        auto color = static_cast<std::uint16_t>(PackColor(192, 255, 192));
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) count += ScreenPixel(x, y) == color ? 1 : 0;
        }
        return count;
    }
};

TEST_F(RenderTest, TheHeadsUpLineShowsHealthShieldsAndScoreInThatOrder) {
    player->score = 1234;
    Settings::shieldCount = 2;
    std::size_t mark = Mark();
    RenderFrame();
    EXPECT_EQ(TextLines(LogSince(mark)),
              (std::vector<std::string>{"text = HEALTH = 100", "text = SHIELDS = 2",
                                        "text = SCORE = 001234"}));
}

TEST_F(RenderTest, TheHeadsUpTextsStandOnTheNextToLastRowAtTheirPlaces) {
    ASSERT_EQ(textHeight, 12);
    ASSERT_EQ(charWidth, 8);
    ASSERT_EQ(scoreTextX, 344);  // "SCORE = 000000" centred: 400 - 14 * 8 / 2
    RenderFrame();
    // Row 600 / 12 - 2 = 48, at y 576; the shields text (11 characters)
    // starts 12 characters from the right edge, at x 704.
    EXPECT_GT(TextPixels(1, 576, 1 + 12 * 8, 592), 0);      // HEALTH = 100
    EXPECT_GT(TextPixels(344, 576, 344 + 14 * 8, 592), 0);  // SCORE = 000000
    EXPECT_GT(TextPixels(704, 576, 704 + 11 * 8, 592), 0);  // SHIELDS = 3
    EXPECT_EQ(TextPixels(1 + 12 * 8 + 2, 576, 342, 592), 0);
    EXPECT_EQ(TextPixels(344 + 14 * 8 + 2, 576, 702, 592), 0);
    EXPECT_EQ(TextPixels(0, 560, 800, 576), 0);
    EXPECT_EQ(TextPixels(0, 592, 800, 600), 0);
}

TEST_F(RenderTest, TheScoreShowsSixDigitsAndWrapsWithTheScore) {
    player->score = 65535;
    std::size_t mark = Mark();
    RenderFrame();
    player->score += 1;
    RenderFrame();
    std::vector<std::string> texts = TextLines(LogSince(mark));
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[2], "text = SCORE = 065535");
    EXPECT_EQ(texts[5], "text = SCORE = 000000");
}

TEST_F(RenderTest, ADeadShipIsNotDrawnButARaisedShieldStillIs) {
    player->x = 300;
    Settings::damageEnemy = 100;
    player->Hit(nullptr);
    shieldOn = 1;
    std::size_t mark = Mark();
    RenderFrame();
    EXPECT_EQ(TextLines(LogSince(mark))[0], "text = HEALTH = 0");
    EXPECT_EQ(ScreenPixel(340, 335), tc::kBackground);  // where the ship was
    EXPECT_EQ(ScreenPixel(288, 300), tc::kShield);      // the ring, 22 pixels out
    EXPECT_EQ(shieldSprite->x, 278);
    EXPECT_EQ(shieldSprite->y, 278);
}

TEST_F(RenderTest, LaterLayersCoverEarlierOnes) {
    // Every layer made to cover the point (300, 300), the moving ones placed
    // so that the render's move brings them there.
    struct Layer {
        std::uint16_t color;
        std::function<void()> add;
    };
    auto keepOneBrick = [] {
        brickList.resize(1);
        brickList.front()->x = 280;
        brickList.front()->y = 290;
    };
    std::vector<Layer> layers = {
        {tc::kBrick[0], keepOneBrick},
        {tc::kEnemy[0],
         [] {
             enemy->x = 250;
             enemy->y = 250;
             enemy->visible = true;
         }},
        {tc::kRoamie[0], [this] { AddRoamieAt(286, 290); }},
        {tc::kShip,
         [] {
             player->x = 260;
             player->y = 260;
             player->visible = true;
         }},
        {tc::kPlayerShot[0], [this] { AddPlayerShotAt(290, 300); }},
        {tc::kEnemyShot[0], [this] { AddEnemyShotAt(290, 284); }},
        {tc::kBoom[0], [] { AddBoom(290, 290); }},
    };
    for (std::size_t top = 0; top < layers.size(); ++top) {
        // Only the layers up to top this time; the others are taken away.
        brickList.clear();
        BuildBricks(imginvader.get());
        enemy->visible = false;
        player->visible = false;
        roamieList.clear();
        playerShotList.clear();
        enemyShotList.clear();
        boomList.clear();
        for (std::size_t i = 0; i <= top; ++i) layers[i].add();
        RenderFrame();
        EXPECT_EQ(ScreenPixel(300, 300), layers[top].color) << "layer " << top;
    }
}

TEST_F(RenderTest, DrawingMovesVisibleShotsEvenThoseAboutToBeCulled) {
    Sprite& leaving = AddPlayerShotAt(400, 5);
    Sprite& falling = AddEnemyShotAt(400, 200);
    Sprite& spent = AddEnemyShotAt(500, 200);
    spent.visible = false;
    RenderFrame();
    EXPECT_EQ(leaving.y, 65531);
    EXPECT_EQ(falling.y, 206);
    EXPECT_EQ(spent.y, 200);
}

TEST_F(RenderTest, EachFrameIsClearedAndShownWithOneFlip) {
    std::uint32_t before = backend().clock().Now();
    RenderFrame();
    std::uint32_t after = backend().clock().Now();
    EXPECT_GT(after, before);
    EXPECT_LE(after - before, 17u);     // one wait for the display
    EXPECT_EQ(ScreenPixel(2, 200), 0);  // outside the background: cleared to black
    EXPECT_EQ(ScreenPixel(400, 200), tc::kBackground);
}

}  // namespace
