// What reaches the ship from a distance: the enemy's shots and the roamies,
// the shield that absorbs them, a dead ship that is hit again, and how
// roamies come and go.
#include <gtest/gtest.h>

#include "common/game_random.h"
#include "config/settings.h"
#include "support/world_fixture.h"
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
        player->y = 400;  // the ship covers (300..380, 400..470), the shield (278..405, 378..504)
    }
    std::string Update() {
        std::size_t mark = Mark();
        UpdateEnemyShots();
        UpdateRoamies();
        return LogSince(mark);
    }
};

TEST_F(ThreatTest, AShotOrARoamieMeetingTheShipHurtsItAndOnlyTheRoamieScores) {
    AddEnemyShotAt(310, 404);  // (310, 410) after its move
    AddRoamieAt(306, 410);
    EXPECT_EQ(Update(),
              "collision with player\nPlayer hit!  Health = 90\nAdding boom\nboom added\n"
              "collision with player\nPlayer hit!  Health = 80\nAdding boom\nboom added\n");
    EXPECT_EQ(std::tuple(player->score, enemyShotList.size(), roamieList.size()),
              std::tuple(10, 0u, 0u));
    EXPECT_EQ(Place(boomList.front()->x, boomList.front()->y), Place(310, 410));
}

TEST_F(ThreatTest, TheRaisedShieldAbsorbsWhatReachesItsRectangle) {
    shieldOn = 1;
    AddEnemyShotAt(310, 404);  // inside the ship, and so inside the shield
    AddEnemyShotAt(285, 384);  // in the shield's margin
    AddEnemyShotAt(270, 384);  // left of the shield: untouched
    AddRoamieAt(306, 410);
    EXPECT_EQ(CountLines(Update(), "collision with shield!"), 3);
    EXPECT_EQ(
        std::tuple(player->GetHealth(), player->score, enemyShotList.size(), roamieList.size()),
        std::tuple(100, 10, 1u, 0u));
    EXPECT_EQ(Place(shieldSprite->x, shieldSprite->y), Place(278, 378));
}

TEST_F(ThreatTest, HitsOnTheDeadShipRunItsDeathSequenceAgain) {
    Settings::damageEnemy = 100;
    AddEnemyShotAt(310, 404);
    UpdateEnemyShots();
    EXPECT_FALSE(player->visible);
    EXPECT_EQ(boomList.size(), 5u);  // the hit and the four of the death
    Settings::damageEnemy = 10;
    AddRoamieAt(306, 410);
    std::string expected =
        "collision with player\nPlayer hit!  Health = 65526\nRendering death sequence!\n"
        "Adding boom\nboom added\nrendering hero death sequence\n";
    for (int i = 0; i < 4; ++i) expected += "Adding boom\nboom added\n";
    EXPECT_EQ(Update(), expected);
}

TEST_F(ThreatTest, OnlyCulledShotsSaySoAndTheBottomEdgeItselfIsKept) {
    AddEnemyShotAt(100, 601);
    AddEnemyShotAt(100, 600);
    AddRoamieAt(100, 601);
    AddRoamieAt(801, 100);
    EXPECT_EQ(Update(), "removing bullet\n");
    ASSERT_EQ(enemyShotList.size(), 1u);
    EXPECT_EQ(enemyShotList.front()->y, 606);
    EXPECT_TRUE(roamieList.empty());
}

TEST_F(ThreatTest, ARoamieSpawnsAtTheLeftEdgeFromTwoDrawsEvenOnAScreenWithoutSize) {
    ResetRand();
    std::int32_t draws[5];
    for (std::int32_t& draw : draws) draw = Rand();
    ResetRand();
    SpawnRoamie();
    const Roamie& roamie = *roamieList.front();
    EXPECT_EQ(std::tuple(roamie.x, roamie.y, roamie.turnX, roamie.velX, roamie.GetHealth()),
              std::tuple(0, draws[0] % 600, draws[1] % 800, 4, 10));
    Settings::vres = 0;
    Settings::hres = 0;
    SpawnRoamie();  // no division by zero: both draws made, 0 used
    EXPECT_EQ(Place(roamieList.back()->y, roamieList.back()->turnX), Place(0, 0));
    EXPECT_EQ(Rand(), draws[4]);
}

TEST_F(ThreatTest, RoamiesTurnOncePastTheirPointAndAt800AtTheLatest) {
    player->y = 100;
    Roamie& early = AddRoamieAt(0, 300, 5);
    Roamie& late = AddRoamieAt(0, 200, 799);
    RenderFrame();
    UpdateRoamies();
    EXPECT_EQ(Place(early.x, early.y), Place(8, 300));
    RenderFrame();  // 8 > 5: it turns before this move
    EXPECT_EQ(Place(early.x, early.y), Place(8, 304));
    int widest = 0;
    for (int frame = 0; frame < 110; ++frame) {
        UpdateRoamies();
        RenderFrame();
        widest = std::max<int>(widest, late.x);
    }
    EXPECT_EQ(std::tuple(widest, late.velY), std::tuple(800, 4));
    EXPECT_EQ(roamieList.back().get(), &late);  // x 800 is not past the edge
}

}  // namespace
