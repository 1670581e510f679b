// The player's side of the world: health and death, the collision test, the
// shots and what their hits score, and the explosions they make.
#include <gtest/gtest.h>

#include "config/settings.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/explosions.h"
#include "world/player_shots.h"
#include "world/render_frame.h"
#include "world/world_state.h"

namespace {

namespace tc = test_colors;

class ScoringTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        player->y = 300;
    }
};

TEST_F(ScoringTest, HealthWrapsBelowZeroIntoDeathAndReviveRestoresIt) {
    Settings::damageEnemy = 30;
    for (int hit = 0; hit < 4; ++hit) EXPECT_TRUE(player->Hit(nullptr));
    EXPECT_EQ(Log(),
              "Player hit!  Health = 70\nPlayer hit!  Health = 40\nPlayer hit!  Health = 10\n"
              "Player hit!  Health = 65516\nRendering death sequence!\n");
    EXPECT_EQ(std::tuple(player->GetHealth(), player->visible, player->state),
              std::tuple(0, false, -1));
    EXPECT_EQ(player->Revive(100), 100);
    EXPECT_EQ(std::tuple(player->visible, player->state, player->y), std::tuple(true, 0, 300));
}

TEST_F(ScoringTest, PointInsideTakesOnlyTheCornerStrictlyInsideWithoutWrap) {
    Sprite& corner = AddPlayerShotAt(0, 0);
    std::tie(enemy->x, enemy->y, enemy->width, enemy->height) = std::tuple(10, 20, 30, 40);
    const std::tuple<int, int, bool> corners[] = {{11, 21, true},  {39, 59, true},
                                                  {10, 30, false}, {20, 20, false},
                                                  {40, 30, false}, {20, 60, false}};
    for (auto [x, y, inside] : corners) {
        std::tie(corner.x, corner.y) = Place(x, y);  // its own size plays no part
        EXPECT_EQ(PointInside(corner, *enemy), inside) << x << "," << y;
    }
    std::tie(enemy->x, enemy->y, enemy->width) = std::tuple(65530, 65500, 26);  // ends past 65535
    std::tie(corner.x, corner.y) = Place(65535, 65535);
    EXPECT_TRUE(PointInside(corner, *enemy));
}

TEST_F(ScoringTest, AShotStartsAboveTheShipClimbsAndTheLimitCountsSpentShotsUntilCulled) {
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
    shot.y = 5;
    shot.visible = true;
    RenderFrame();  // moved past the top even though the update will cull it
    EXPECT_EQ(shot.y, 65531);
    UpdatePlayerShots();
    EXPECT_TRUE(playerShotList.empty());
}

TEST_F(ScoringTest, AShotTakesEveryRoamieItIsInAndOneShotCanHitARoamieABrickAndTheEnemy) {
    AddRoamieAt(100, 100);
    AddRoamieAt(110, 105);
    AddRoamieAt(115, 90);                      // its left edge: missed
    Sprite& shot = AddPlayerShotAt(115, 120);  // (115, 110) after its move
    UpdatePlayerShots();
    EXPECT_EQ(std::tuple(player->score, roamieList.size(), shot.visible, boomList.size()),
              std::tuple(40, 1u, false, 2u));
    EXPECT_EQ(CountLines(Log(), "bullet hit roamie"), 2);
    roamieList.clear();
    AddRoamieAt(60, 55);
    AddPlayerShotAt(70, 80);  // (70, 70): in all three
    UpdatePlayerShots();
    EXPECT_EQ(std::tuple(player->score, roamieList.size(), brickList.front()->curFrame,
                         enemy->GetHealth()),
              std::tuple(40 + 20 + 5 + 10, 0u, 1, 90));
}

TEST_F(ScoringTest, ABrickShowsFourHitsAndBreaksOnTheFifthEvenPastTheEdge) {
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

TEST_F(ScoringTest, TheKillingHitScoresAHundredMoreBurstsFourTimesAndLaterShotsPassThrough) {
    Settings::damagePlayer = 30;
    enemy->x = 40;
    std::vector<int> health;
    for (int hit = 0; hit < 5; ++hit) {
        playerShotList.clear();
        boomList.clear();
        AddPlayerShotAt(50, 50);
        UpdatePlayerShots();
        health.push_back(enemy->GetHealth());
        if (hit == 3) {
            std::vector<Place> places;
            for (const auto& boom : boomList) places.emplace_back(boom->x, boom->y);
            EXPECT_EQ(places,
                      (std::vector<Place>{{50, 40}, {40, 1}, {50, 11}, {60, 21}, {70, 11}}));
        }
    }
    EXPECT_EQ(health, (std::vector<int>{70, 40, 10, 0, 0}));
    EXPECT_EQ(player->score, 4 * 10 + 100);
    EXPECT_TRUE(playerShotList.front()->visible);
    EXPECT_EQ(CountLines(Log(), "rendering enemy death sequence"), 1);
}

TEST_F(ScoringTest, ExplosionsSoundAsCopiesAndShowTheirFourFramesOnce) {
    AddBoom(400, 200);
    AddBoom(400, 200);
    AddBoom(790, 100);  // not wholly on the screen: never shown, played all the same
    EXPECT_EQ(Log(), "boom added\nboom added\nboom added\n");
    EXPECT_EQ(backend().sound().plays.size(), 3u);
    for (const auto& play : backend().sound().plays) {
        EXPECT_TRUE(play.origin == cannonSound && play.copy);
    }
    std::vector<int> shown;  // the colour at one explosion, and how many are left
    for (int frame = 0; frame < 5; ++frame) {
        RenderFrame();
        EXPECT_EQ(ScreenPixel(792, 110), tc::kBackground);
        shown.insert(shown.end(), {ScreenPixel(417, 217), static_cast<int>(boomList.size())});
    }
    EXPECT_EQ(shown, (std::vector<int>{tc::kBoom[0], 3, tc::kBoom[1], 3, tc::kBoom[2], 3,
                                       tc::kBoom[3], 0, tc::kBackground, 0}));
}

}  // namespace
