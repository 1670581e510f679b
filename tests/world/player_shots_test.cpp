// The player's shots: firing and its limit, climbing and culling, and what
// their hits score.
#include "world/player_shots.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "support/world_fixture.h"
#include "world/render_frame.h"
#include "world/world_state.h"

namespace {

namespace tc = test_colors;

class PlayerShotTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        player->y = 300;
    }
};

TEST_F(PlayerShotTest, AShotStartsAboveTheShipClimbsAndTheLimitCountsSpentShotsUntilCulled) {
    player->x = 201;
    FirePlayerShot();
    FirePlayerShot();
    ASSERT_EQ(playerShotList.size(), 1u);
    Sprite& shot = *playerShotList.front();
    EXPECT_EQ(Place(shot.x, shot.y), Place(228, 300));  // centred: 201 + 80 / 2 - 26 / 2
    RunFrames(1);                                       // one move when drawn, one in the update
    EXPECT_EQ(shot.y, 280);
    shot.visible = false;
    FirePlayerShot();
    EXPECT_EQ(playerShotList.size(), 1u);
    UpdatePlayerShots();
    EXPECT_TRUE(playerShotList.empty());

    Sprite& leaving = AddPlayerShotAt(400, 5);
    RenderFrame();  // moved even though the update will cull it
    EXPECT_EQ(leaving.y, 65531);
    UpdatePlayerShots();
    EXPECT_TRUE(playerShotList.empty());
}

TEST_F(PlayerShotTest, AShotInsideTwoRoamiesTakesBothAndScoresForty) {
    AddRoamieAt(100, 100);
    AddRoamieAt(110, 105);
    AddRoamieAt(115, 90);                      // its left edge: missed
    Sprite& shot = AddPlayerShotAt(115, 120);  // (115, 110) after its move
    UpdatePlayerShots();
    EXPECT_EQ(std::tuple(player->score, roamieList.size(), shot.visible, boomList.size()),
              std::tuple(40, 1u, false, 2u));
    EXPECT_EQ(CountLines(Log(), "bullet hit roamie"), 2);
}

TEST_F(PlayerShotTest, ABrickShowsFourHitsAndBreaksOnTheFifthEvenPastTheEdge) {
    std::vector<int> scores;
    for (int hit = 1; hit <= 5; ++hit) {
        playerShotList.clear();
        AddPlayerShotAt(70, 95);  // (70, 85): in the first brick
        UpdatePlayerShots();
        scores.push_back(player->score);
        RenderFrame();
        if (hit < 5) {
            EXPECT_EQ(ScreenPixel(120, 87), tc::kBrick[hit]);
        }
    }
    EXPECT_EQ(scores, (std::vector<int>{5, 10, 15, 20, 45}));
    EXPECT_EQ(std::tuple(brickList.size(), brickList.front()->x), std::tuple(11u, 129));
    EXPECT_EQ(CountLines(Log(), "Collision with brick 0"), 5);
    // The last brick reaches past the screen's edge: not shown, but hit.
    EXPECT_EQ(ScreenPixel(780, 75), tc::kBackground);
    AddPlayerShotAt(780, 85);
    UpdatePlayerShots();
    EXPECT_EQ(brickList.back()->curFrame, 1);
}

TEST_F(PlayerShotTest, OneShotCanHitARoamieABrickAndTheEnemyAtOnce) {
    AddRoamieAt(60, 55);
    AddPlayerShotAt(70, 80);  // (70, 70): in all three
    UpdatePlayerShots();
    EXPECT_EQ(player->score, 20 + 5 + 10);
    EXPECT_EQ(std::tuple(roamieList.size(), brickList.front()->curFrame, enemy->GetHealth()),
              std::tuple(0u, 1, 90));
}

TEST_F(PlayerShotTest, TheKillingHitScoresAHundredMoreAndLaterShotsPassThrough) {
    Settings::damagePlayer = 30;
    std::vector<int> health;
    for (int hit = 0; hit < 5; ++hit) {
        playerShotList.clear();
        boomList.clear();
        AddPlayerShotAt(50, 50);
        UpdatePlayerShots();
        health.push_back(enemy->GetHealth());
        if (hit == 3) {
            EXPECT_EQ(boomList.size(), 5u);  // the hit and the four of the death
        }
    }
    EXPECT_EQ(health, (std::vector<int>{70, 40, 10, 0, 0}));
    EXPECT_EQ(player->score, 4 * 10 + 100);
    EXPECT_TRUE(playerShotList.front()->visible);
    EXPECT_EQ(CountLines(Log(), "rendering enemy death sequence"), 1);
}

}  // namespace
