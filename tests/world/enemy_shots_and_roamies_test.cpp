// What reaches the ship from a distance: the enemy's shots and the roamies,
// the shield that absorbs them, and a dead ship that is hit again.
#include <gtest/gtest.h>

#include "config/settings.h"
#include "shell/game_random.h"
#include "support/world_fixture.h"
#include "world/actors.h"
#include "world/enemy_shots.h"
#include "world/render_frame.h"
#include "world/roamies.h"
#include "world/world_state.h"

namespace {

class ThreatTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        player->x = 300;
        player->y = 400;  // the ship covers (300..380, 400..470)
    }
    void RaiseShield() {
        shieldOn = 1;
        shieldStartMs = backend().clock().Now();
    }
};

TEST_F(ThreatTest, AShotMeetingTheShipHurtsItAndGoes) {
    AddEnemyShotAt(310, 404);  // (310, 410) after its move
    std::size_t mark = Mark();
    UpdateEnemyShots();
    EXPECT_EQ(player->GetHealth(), 90);
    EXPECT_TRUE(enemyShotList.empty());
    ASSERT_EQ(boomList.size(), 1u);
    EXPECT_EQ(boomList.front()->x, 310);
    EXPECT_EQ(boomList.front()->y, 410);
    EXPECT_EQ(LogSince(mark),
              "collision with player\nPlayer hit!  Health = 90\nAdding boom\nboom added\n");
    EXPECT_EQ(player->score, 0);
}

TEST_F(ThreatTest, ARoamieMeetingTheShipScoresTenAndHurtsIt) {
    AddRoamieAt(306, 410);  // (310, 410) after its move
    std::size_t mark = Mark();
    UpdateRoamies();
    EXPECT_EQ(player->GetHealth(), 90);
    EXPECT_EQ(player->score, 10);
    EXPECT_TRUE(roamieList.empty());
    EXPECT_EQ(LogSince(mark),
              "collision with player\nPlayer hit!  Health = 90\nAdding boom\nboom added\n");
}

TEST_F(ThreatTest, TheRaisedShieldAbsorbsShotsAndRoamiesAroundTheShip) {
    RaiseShield();
    AddEnemyShotAt(310, 404);  // inside the ship, and so inside the shield
    AddEnemyShotAt(285, 384);  // in the margin: (285, 390)
    AddRoamieAt(306, 410);
    std::size_t mark = Mark();
    UpdateEnemyShots();
    UpdateRoamies();
    EXPECT_EQ(player->GetHealth(), 100);
    EXPECT_EQ(player->score, 10);  // the roamie
    EXPECT_TRUE(enemyShotList.empty());
    EXPECT_TRUE(roamieList.empty());
    EXPECT_EQ(boomList.size(), 3u);
    EXPECT_EQ(CountLines(LogSince(mark), "collision with shield!"), 3);
    EXPECT_EQ(CountLines(LogSince(mark), "collision with player"), 0);
    EXPECT_EQ(shieldSprite->x, 278);
    EXPECT_EQ(shieldSprite->y, 378);
}

TEST_F(ThreatTest, OutsideTheShieldNothingIsAbsorbed) {
    RaiseShield();
    AddEnemyShotAt(270, 384);  // (270, 390): left of the shield's edge at 278
    UpdateEnemyShots();
    EXPECT_EQ(enemyShotList.size(), 1u);
    EXPECT_TRUE(boomList.empty());
}

TEST_F(ThreatTest, HitsOnTheDeadShipRunItsDeathSequenceAgain) {
    Settings::damageEnemy = 100;
    AddEnemyShotAt(310, 404);
    UpdateEnemyShots();
    EXPECT_EQ(player->GetHealth(), 0);
    EXPECT_FALSE(player->visible);
    EXPECT_EQ(boomList.size(), 5u);  // the hit and the four of the death
    Settings::damageEnemy = 10;
    AddRoamieAt(306, 410);
    std::size_t mark = Mark();
    UpdateRoamies();
    std::string expected =
        "collision with player\nPlayer hit!  Health = 65526\nRendering death sequence!\n"
        "Adding boom\nboom added\nrendering hero death sequence\n";
    for (int i = 0; i < 4; ++i) expected += "Adding boom\nboom added\n";
    EXPECT_EQ(LogSince(mark), expected);
    EXPECT_EQ(boomList.size(), 10u);
    EXPECT_EQ(player->score, 10);
}

TEST_F(ThreatTest, ShotsAndRoamiesOffTheBottomAreCulledOnlyShotsSaySo) {
    AddEnemyShotAt(100, 601);
    AddEnemyShotAt(100, 600);  // on the edge: kept, and moved
    AddRoamieAt(100, 601);
    AddRoamieAt(801, 100);
    std::size_t mark = Mark();
    UpdateEnemyShots();
    UpdateRoamies();
    EXPECT_EQ(LogSince(mark), "removing bullet\n");
    ASSERT_EQ(enemyShotList.size(), 1u);
    EXPECT_EQ(enemyShotList.front()->y, 606);
    EXPECT_TRUE(roamieList.empty());
}

TEST_F(ThreatTest, ARoamieSpawnsAtTheLeftEdgeFromTwoDraws) {
    SpawnRoamie();  // the first draws of the run: 41, then 18467
    ASSERT_EQ(roamieList.size(), 1u);
    const Roamie& roamie = *roamieList.front();
    EXPECT_EQ(roamie.x, 0);
    EXPECT_EQ(roamie.y, 41);
    EXPECT_EQ(roamie.turnX, 18467 % 800);
    EXPECT_EQ(roamie.velX, 4);
    EXPECT_EQ(roamie.velY, 0);
    EXPECT_EQ(roamie.GetHealth(), 10);
    EXPECT_EQ(roamie.width, 36);
    EXPECT_EQ(roamie.height, 24);
    EXPECT_TRUE(roamie.animate);
}

TEST_F(ThreatTest, AScreenWithoutSizeStillSpawnsRoamiesWithoutDividingByZero) {
    Settings::vres = 0;
    Settings::hres = 0;
    SpawnRoamie();
    EXPECT_EQ(roamieList.front()->y, 0);
    EXPECT_EQ(roamieList.front()->turnX, 0);
    EXPECT_EQ(Rand(), 6334);  // both draws were made
}

TEST_F(ThreatTest, ARoamieWithAnEarlyTurnDivesInTheSecondFrame) {
    Roamie& roamie = AddRoamieAt(0, 100, 5);
    RenderFrame();
    UpdateRoamies();
    EXPECT_EQ(roamie.x, 8);
    EXPECT_EQ(roamie.y, 100);
    RenderFrame();  // 8 > 5: it turns before this move
    EXPECT_EQ(roamie.velX, 0);
    EXPECT_EQ(roamie.velY, 4);
    EXPECT_EQ(roamie.x, 8);
    EXPECT_EQ(roamie.y, 104);
}

TEST_F(ThreatTest, ARoamieTurnsAt800AtTheLatestAndIsNotCulledThere) {
    player->y = 100;  // out of the roamie's way
    Roamie& roamie = AddRoamieAt(0, 200, 799);
    int widest = 0;
    for (int frame = 0; frame < 110; ++frame) {
        RenderFrame();
        UpdateRoamies();
        ASSERT_EQ(roamieList.size(), 1u) << "frame " << frame;
        widest = std::max<int>(widest, roamie.x);
    }
    EXPECT_EQ(widest, 800);
    EXPECT_EQ(roamie.x, 800);
    EXPECT_EQ(roamie.velY, 4);
}

TEST_F(ThreatTest, AnInvisibleRoamieIsNeitherMovedNorTurnedWhenDrawn) {
    Roamie& roamie = AddRoamieAt(50, 100, 10);
    roamie.visible = false;
    RenderFrame();
    EXPECT_EQ(roamie.x, 50);
    EXPECT_EQ(roamie.velX, 4);
    UpdateRoamies();
    EXPECT_TRUE(roamieList.empty());
}

}  // namespace
