// One frame on the screen: the heads-up line, the layers, and the moves
// that drawing makes.
#include "world/render_frame.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/settings.h"
#include "display/draw_manager.h"
#include "support/world_fixture.h"
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
    std::vector<std::string> Texts(const std::string& log) {
        std::vector<std::string> texts;
        for (const std::string& line : Lines(log)) {
            if (line.rfind("text = ", 0) == 0) texts.push_back(line.substr(7));
        }
        return texts;
    }
    // Whether the heads-up colour shows anywhere in the rectangle.
    bool TextIn(int left, int top, int right, int bottom) {
        auto color = static_cast<std::uint16_t>(PackColor(192, 255, 192));
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (ScreenPixel(x, y) == color) return true;
            }
        }
        return false;
    }
};

TEST_F(RenderTest, TheHeadsUpLineShowsHealthShieldsAndASixDigitScoreThatWraps) {
    player->score = 65535;
    Settings::shieldCount = 2;
    std::size_t mark = Mark();
    RenderFrame();
    player->score += 1;
    RenderFrame();
    EXPECT_EQ(Texts(LogSince(mark)),
              (std::vector<std::string>{"HEALTH = 100", "SHIELDS = 2", "SCORE = 065535",
                                        "HEALTH = 100", "SHIELDS = 2", "SCORE = 000000"}));
}

TEST_F(RenderTest, TheHeadsUpTextsStandOnTheNextToLastRowAtTheirPlaces) {
    ASSERT_EQ(scoreTextX, 344);  // "SCORE = 000000" centred with 8-pixel characters
    RenderFrame();
    // Row 600 / 12 - 2 = 48, at y 576; "SHIELDS = 3" starts 12 characters
    // before the right edge, at 704.
    EXPECT_TRUE(TextIn(1, 576, 97, 592));
    EXPECT_TRUE(TextIn(344, 576, 456, 592));
    EXPECT_TRUE(TextIn(704, 576, 792, 592));
    EXPECT_FALSE(TextIn(99, 576, 342, 592));
    EXPECT_FALSE(TextIn(458, 576, 702, 592));
    EXPECT_FALSE(TextIn(0, 560, 800, 576));
}

TEST_F(RenderTest, ADeadShipIsNotDrawnButARaisedShieldStillIs) {
    player->x = 300;
    player->visible = false;
    shieldOn = 1;
    RenderFrame();
    EXPECT_EQ(ScreenPixel(340, 335), tc::kBackground);  // where the ship was
    EXPECT_EQ(ScreenPixel(288, 300), tc::kShield);      // the ring, 22 pixels out
}

TEST_F(RenderTest, LaterLayersCoverEarlierOnes) {
    // Each layer covers (300, 300) once the render has made its move.
    const std::vector<std::pair<std::uint16_t, std::function<void()>>> layers = {
        {tc::kBrick[0],
         [] {
             brickList.resize(1);
             brickList.front()->x = 280;
             brickList.front()->y = 290;
         }},
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
        brickList.clear();
        BuildBricks(imginvader.get());
        enemy->visible = player->visible = false;
        roamieList.clear();
        playerShotList.clear();
        enemyShotList.clear();
        boomList.clear();
        for (std::size_t i = 0; i <= top; ++i) layers[i].second();
        RenderFrame();
        EXPECT_EQ(ScreenPixel(300, 300), layers[top].first) << "layer " << top;
    }
}

TEST_F(RenderTest, DrawingMovesWhatIsVisibleOnly) {
    Sprite& leaving = AddPlayerShotAt(400, 5);
    Sprite& falling = AddEnemyShotAt(400, 200);
    Sprite& spent = AddEnemyShotAt(500, 200);
    spent.visible = false;
    Roamie& hidden = AddRoamieAt(50, 100, 10);
    hidden.visible = false;
    RenderFrame();
    EXPECT_EQ(leaving.y, 65531);  // moved even though the update will cull it
    EXPECT_EQ(falling.y, 206);
    EXPECT_EQ(spent.y, 200);
    EXPECT_EQ(hidden.x, 50);
    EXPECT_EQ(hidden.velX, 4);
}

}  // namespace
