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

TEST_F(RenderTest, TheHeadsUpLineShowsHealthShieldsAndAScoreOfSixDigitsThatWraps) {
    player->score = 65535;
    Settings::shieldCount = 2;
    std::size_t mark = Mark();
    RenderFrame();
    player->score += 1;
    RenderFrame();
    std::vector<std::string> texts;
    for (const std::string& line : Lines(LogSince(mark))) {
        if (line.starts_with("text = ")) texts.push_back(line.substr(7));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"HEALTH = 100", "SHIELDS = 2", "SCORE = 065535",
                                               "HEALTH = 100", "SHIELDS = 2", "SCORE = 000000"}));
    // Row 600 / 12 - 2 = 48, at y 576: health from x 1, the score where
    // start-up centred it, the shields 12 characters before the right edge.
    ASSERT_EQ(scoreTextX, 344);
    const std::tuple<int, int, bool> spans[] = {
        {1, 97, true}, {99, 342, false}, {344, 456, true}, {458, 702, false}, {704, 792, true}};
    for (auto [left, right, inked] : spans) {
        EXPECT_EQ(TextIn(left, 576, right, 592), inked) << left << ".." << right;
    }
    EXPECT_FALSE(TextIn(0, 560, 800, 576));
}

TEST_F(RenderTest, ADeadShipIsNotDrawnButARaisedShieldStillIs) {
    player->x = 300;
    player->visible = false;
    shieldOn = 1;
    RenderFrame();
    EXPECT_EQ(ScreenPixel(340, 335), tc::kBackground);  // where the ship was
    EXPECT_EQ(ScreenPixel(288, 300), tc::kShield[0]);   // the ring, 22 pixels out
}

TEST_F(RenderTest, LaterLayersCoverEarlierOnes) {
    // Each layer covers (300, 300) once the render has made its move.
    const std::vector<std::pair<std::uint16_t, std::function<void()>>> layers = {
        {tc::kBrick[0],
         [] { std::tie(brickList.front()->x, brickList.front()->y) = Place(280, 290); }},
        {tc::kEnemy[0],
         [] { std::tie(enemy->x, enemy->y, enemy->visible) = std::tuple(250, 250, true); }},
        {tc::kRoamie[0], [this] { AddRoamieAt(286, 290); }},
        {tc::kShip[0],
         [] { std::tie(player->x, player->y, player->visible) = std::tuple(260, 260, true); }},
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
    Sprite& falling = AddEnemyShotAt(400, 200);
    Sprite& spent = AddEnemyShotAt(500, 200);
    spent.visible = false;
    Roamie& hidden = AddRoamieAt(50, 100, 10);
    hidden.visible = false;
    RenderFrame();
    EXPECT_EQ(std::tuple(falling.y, spent.y, hidden.x, hidden.velX), std::tuple(206, 200, 50, 4));
}

}  // namespace
