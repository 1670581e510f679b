// The player's shots: firing and its limit, climbing and culling, and what
// their hits score.
#include "world/player_shots.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "platform/api/input.h"
#include "support/world_fixture.h"
#include "world/actors.h"
#include "world/render_frame.h"
#include "world/world_state.h"

namespace {

namespace tc = test_colors;

class PlayerShotTest : public WorldTest {
protected:
    void SetUp() override { Build(); }
};

TEST_F(PlayerShotTest, AShotStartsCentredAboveTheShipAndClimbs) {
    player->x = 201;
    FirePlayerShot();
    ASSERT_EQ(playerShotList.size(), 1u);
    const Sprite& shot = *playerShotList.front();
    EXPECT_EQ(shot.x, 228);  // 201 + 80 / 2 - 26 / 2
    EXPECT_EQ(shot.y, 530);
    EXPECT_EQ(shot.velX, 0);
    EXPECT_EQ(shot.velY, -10);
    EXPECT_EQ(shot.lastFrame, 1);
    EXPECT_TRUE(shot.animate);
    RunFrames(1);  // one move when drawn, one in the update
    EXPECT_EQ(playerShotList.front()->y, 510);
}

TEST_F(PlayerShotTest, TheLimitCountsSpentShotsUntilTheyAreCulled) {
    FirePlayerShot();
    FirePlayerShot();
    EXPECT_EQ(playerShotList.size(), 1u);
    playerShotList.front()->visible = false;  // it hit something
    FirePlayerShot();
    EXPECT_EQ(playerShotList.size(), 1u);
    UpdatePlayerShots();
    EXPECT_TRUE(playerShotList.empty());
    FirePlayerShot();
    EXPECT_EQ(playerShotList.size(), 1u);
    Settings::maxBulletsPlayer = 3;
    FirePlayerShot();
    FirePlayerShot();
    FirePlayerShot();
    EXPECT_EQ(playerShotList.size(), 3u);
}

TEST_F(PlayerShotTest, AShotLeavingTheTopWrapsAndIsCulled) {
    enemy->visible = false;  // keep the top clear
    Sprite& shot = AddPlayerShotAt(400, 25);
    RenderFrame();
    EXPECT_EQ(shot.y, 15);
    UpdatePlayerShots();
    EXPECT_EQ(shot.y, 5);
    RenderFrame();  // still moved and drawn (off the screen) before the cull
    EXPECT_EQ(shot.y, 65531);
    UpdatePlayerShots();
    EXPECT_TRUE(playerShotList.empty());
}

TEST_F(PlayerShotTest, AShotInsideTwoRoamiesTakesBothAndScoresForty) {
    AddRoamieAt(100, 100);
    AddRoamieAt(110, 105);
    Sprite& shot = AddPlayerShotAt(115, 120);  // (115, 110) after its move
    std::size_t mark = Mark();
    UpdatePlayerShots();
    EXPECT_EQ(player->score, 40);
    EXPECT_TRUE(roamieList.empty());
    EXPECT_FALSE(shot.visible);
    EXPECT_EQ(boomList.size(), 2u);
    EXPECT_EQ(CountLines(LogSince(mark), "bullet hit roamie"), 2);
    EXPECT_EQ(CountLines(LogSince(mark), "roamie hit!  Health = 0"), 0);  // no Hit on a roamie
}

TEST_F(PlayerShotTest, ARoamieEdgeIsNotAHit) {
    AddRoamieAt(100, 100);
    AddPlayerShotAt(100, 120);  // (100, 110): on the roamie's left edge
    UpdatePlayerShots();
    EXPECT_EQ(roamieList.size(), 1u);
    EXPECT_EQ(player->score, 0);
}

TEST_F(PlayerShotTest, ABrickTakesFourHitsShowingEachAndBreaksOnTheFifth) {
    player->y = 300;
    Sprite* firstBrick = brickList.front().get();
    std::vector<int> scores;
    std::vector<std::uint16_t> shown;
    for (int hit = 0; hit < 5; ++hit) {
        playerShotList.clear();
        AddPlayerShotAt(70, 95);  // (70, 85) after its move: inside the brick at (65, 60)
        UpdatePlayerShots();
        scores.push_back(player->score);
        if (hit < 4) {
            EXPECT_EQ(firstBrick->curFrame, hit + 1);
            RenderFrame();
            shown.push_back(ScreenPixel(120, 87));  // below the enemy, beside the explosion
        }
    }
    EXPECT_EQ(scores, (std::vector<int>{5, 10, 15, 20, 45}));
    EXPECT_EQ(shown, (std::vector<std::uint16_t>{tc::kBrick[1], tc::kBrick[2], tc::kBrick[3],
                                                 tc::kBrick[4]}));
    EXPECT_EQ(brickList.size(), 11u);
    EXPECT_NE(brickList.front().get(), firstBrick);
    EXPECT_EQ(CountLines(Log(), "Collision with brick 0"), 5);
}

TEST_F(PlayerShotTest, TheBrickPastTheRightEdgeIsNotShownButIsHit) {
    player->y = 300;
    RenderFrame();
    EXPECT_EQ(ScreenPixel(780, 75), tc::kBackground);
    AddPlayerShotAt(780, 85);
    UpdatePlayerShots();
    EXPECT_EQ(brickList.back()->curFrame, 1);
    EXPECT_EQ(player->score, 5);
}

TEST_F(PlayerShotTest, OneShotCanHitARoamieABrickAndTheEnemyAtOnce) {
    AddRoamieAt(60, 55);
    Sprite& shot =
        AddPlayerShotAt(70, 80);  // (70, 70): in the roamie, the first brick and the enemy
    UpdatePlayerShots();
    EXPECT_EQ(player->score, 20 + 5 + 10);
    EXPECT_TRUE(roamieList.empty());
    EXPECT_EQ(brickList.front()->curFrame, 1);
    EXPECT_EQ(enemy->GetHealth(), 90);
    EXPECT_FALSE(shot.visible);
    EXPECT_EQ(boomList.size(), 3u);
}

TEST_F(PlayerShotTest, KillingTheEnemyScoresAHundredMoreAndFiveExplosions) {
    Settings::damagePlayer = 30;
    std::vector<int> health;
    for (int hit = 0; hit < 4; ++hit) {
        playerShotList.clear();
        boomList.clear();
        AddPlayerShotAt(50, 50);
        UpdatePlayerShots();
        health.push_back(enemy->GetHealth());
    }
    EXPECT_EQ(health, (std::vector<int>{70, 40, 10, 0}));
    EXPECT_FALSE(enemy->visible);
    EXPECT_EQ(player->score, 4 * 10 + 100);
    EXPECT_EQ(boomList.size(), 5u);
    EXPECT_EQ(CountLines(Log(), "Enemy hit!  Health = 65516"), 1);
    EXPECT_EQ(CountLines(Log(), "rendering enemy death sequence"), 1);

    // Shots now pass where it was.
    playerShotList.clear();
    Sprite& shot = AddPlayerShotAt(50, 50);
    UpdatePlayerShots();
    EXPECT_TRUE(shot.visible);
    EXPECT_EQ(player->score, 140);
}

TEST_F(PlayerShotTest, SpaceHeldFiresAgainInTheFirstFrameWithRoom) {
    enemy->visible = false;
    Hold({platform::scancode::Space});
    std::vector<std::size_t> listed;
    for (int frame = 0; frame < 3; ++frame) {
        RunFrames(1);
        listed.push_back(playerShotList.size());
    }
    playerShotList.front()->visible = false;  // spent
    RunFrames(1);  // the update culls it after the poll found the list full
    listed.push_back(playerShotList.size());
    RunFrames(1);
    listed.push_back(playerShotList.size());
    EXPECT_EQ(listed, (std::vector<std::size_t>{1, 1, 1, 0, 1}));
    EXPECT_EQ(CountLines(Log(), "[SPACE]"), 5);
}

}  // namespace
