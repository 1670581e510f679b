// The enemy's side of the world: its wandering and firing, the bricks, what
// reaches the ship (shots, roamies, bricks) and the shield against them.
#include <gtest/gtest.h>

#include "common/game_random.h"
#include "config/settings.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/enemy_and_bricks.h"
#include "world/enemy_shots.h"
#include "world/render_frame.h"
#include "world/roamies.h"
#include "world/shield.h"
#include "world/world_state.h"

namespace {

class ThreatTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        std::tie(player->x, player->y) = Place(300, 400);  // the shield: (278..405, 378..504)
        ResetRand();
    }
    std::string Update() {
        std::size_t mark = Mark();
        UpdateEnemyShots();
        UpdateRoamies();
        return LogSince(mark);
    }
    // The enemy's next actions read ahead from the game's own sequence, which
    // then starts again: a living enemy draws one number a move.
    std::vector<std::uint16_t> Forecast(int n) {
        std::vector<std::uint16_t> actions;
        for (int i = 0; i < n; ++i) actions.push_back(enemyActionTable[Rand() % 11 + 1]);
        ResetRand();
        return actions;
    }
};

TEST_F(ThreatTest, TheRowHoldsHresOver60MinusOneBricks64PixelsApart) {
    ASSERT_EQ(brickList.size(), 12u);
    int x = 65;
    for (const auto& brick : brickList) {
        EXPECT_EQ(std::tuple(brick->x, brick->y, brick->width, brick->lastFrame),
                  std::tuple(x, 60, 64, 4));
        x += 64;
    }
    brickList.clear();
    Settings::hres = 120;
    BuildBricks(imginvader.get());
    EXPECT_EQ(std::tuple(brickCount, brickList.size()), std::tuple(1, 1u));
}

TEST_F(ThreatTest, TheEnemyWandersBetween57And681TurningRoundAtEachEndBeforeItStepsBack) {
    std::vector<int> afterMoves;  // where each move left it
    for (std::uint16_t action : Forecast(5000)) {
        UpdateEnemy(enemy.get());
        if (action == 1) afterMoves.push_back(enemy->x);
    }
    auto right = std::find(afterMoves.begin(), afterMoves.end(), 681);
    ASSERT_NE(right, afterMoves.end());
    EXPECT_EQ(std::vector<int>(right, right + 3), (std::vector<int>{681, 681, 673}));
    EXPECT_EQ(std::tuple(*std::min_element(right, afterMoves.end()),
                         *std::max_element(afterMoves.begin(), afterMoves.end()), enemy->y),
              std::tuple(57, 681, 1));
}

TEST_F(ThreatTest, AFireActionDropsAShotFromTheEnemysCornerUnlessTheListIsFull) {
    enemy->x = 201;
    std::vector<std::uint16_t> actions = Forecast(100);
    std::vector<std::size_t> listed;
    for (std::size_t i = 0; i < actions.size() && listed.size() < 4; ++i) {
        std::size_t mark = Mark();
        UpdateEnemy(enemy.get());
        if (actions[i] != 4) continue;
        listed.push_back(enemyShotList.size());
        EXPECT_EQ(LogSince(mark), listed.size() <= 3 ? "Sprite fire ..\n" : "");
        const Sprite& shot = *enemyShotList.back();
        if (listed.size() == 1) {
            EXPECT_EQ(std::tuple(shot.x, shot.y, shot.velY), std::tuple(enemy->x, 1, 6));
        }
        enemyShotList.front()->visible = false;  // a spent shot counts until it is culled
    }
    EXPECT_EQ(listed, (std::vector<std::size_t>{1, 2, 3, 3}));
}

TEST_F(ThreatTest, ADeadEnemyDrawsNoRandomNumber) {
    std::int32_t first = Rand();
    ResetRand();
    enemy->visible = false;
    UpdateEnemy(enemy.get());
    EXPECT_EQ(Rand(), first);
}

TEST_F(ThreatTest, ABrickInTheShipHurtsItTwiceAFrameAndBreaksAfterFiveContacts) {
    enemy->visible = false;
    std::tie(player->x, player->y) = Place(20, 50);  // the first brick's corner (65, 60) is inside
    RunFrames(1);
    EXPECT_EQ(std::tuple(player->GetHealth(), brickList.front()->curFrame, boomList.size()),
              std::tuple(80, 2, 2u));
    EXPECT_EQ(Place(boomList.back()->x, boomList.back()->y), Place(65, 60));
    RunFrames(2);
    EXPECT_EQ(std::tuple(player->GetHealth(), brickList.size(), player->score),
              std::tuple(50, 11u, 0));
}

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

TEST_F(ThreatTest, TheRaisedShieldAbsorbsWhatReachesItsRectangleAndTheRoamieStillScores) {
    shieldOn = 1;
    AddEnemyShotAt(310, 404);  // inside the ship, and so inside the shield
    AddEnemyShotAt(285, 384);  // in the shield's margin
    AddEnemyShotAt(270, 384);  // left of the shield: untouched
    AddRoamieAt(306, 410);
    EXPECT_EQ(CountLines(Update(), "collision with shield!"), 3);
    EXPECT_EQ(std::tuple(player->GetHealth(), player->score, enemyShotList.size(),
                         roamieList.size(), shieldSprite->x, shieldSprite->y),
              std::tuple(100, 10, 1u, 0u, 278, 378));
}

TEST_F(ThreatTest, AKillingHitBurstsFourTimesOverTheShipAndHitsOnTheDeadShipDoItAgain) {
    Settings::damageEnemy = 100;
    AddEnemyShotAt(310, 404);
    UpdateEnemyShots();
    std::vector<Place> places;
    for (const auto& boom : boomList) places.emplace_back(boom->x, boom->y);
    EXPECT_EQ(places,
              (std::vector<Place>{{310, 410}, {300, 400}, {304, 404}, {308, 408}, {312, 408}}));
    EXPECT_FALSE(player->visible);
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
    EXPECT_EQ(std::tuple(enemyShotList.front()->y, roamieList.size()), std::tuple(606, 0u));
}

TEST_F(ThreatTest, ARoamieSpawnsAtTheLeftEdgeFromTwoDrawsEvenOnAScreenWithoutSize) {
    std::int32_t draws[5];
    for (std::int32_t& draw : draws) draw = Rand();
    ResetRand();
    SpawnRoamie();
    const Roamie& roamie = *roamieList.front();
    EXPECT_EQ(std::tuple(roamie.x, roamie.y, roamie.turnX, roamie.velX, roamie.GetHealth()),
              std::tuple(0, draws[0] % 600, draws[1] % 800, 4, 10));
    std::tie(Settings::vres, Settings::hres) = std::tuple(0, 0);
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

TEST_F(ThreatTest, RaisingTheShieldUsesOneWithItsSoundLoweringGivesNoneBackAndNoneLeftOnlyLowers) {
    backend().clock().Set(5000);
    ToggleShield();
    EXPECT_EQ(std::tuple(shieldOn, shieldStartMs, Settings::shieldCount), std::tuple(1, 5000u, 2));
    backend().clock().Set(6000);
    ToggleShield();
    EXPECT_EQ(std::tuple(shieldOn, shieldStartMs, Settings::shieldCount), std::tuple(0, 5000u, 2));
    Settings::shieldCount = 0;
    shieldOn = 1;
    ToggleShield();
    ToggleShield();
    EXPECT_EQ(std::tuple(shieldOn, Settings::shieldCount), std::tuple(0, 0));
    EXPECT_EQ(Log(), "shield activated\n");
    ASSERT_EQ(backend().sound().plays.size(), 1u);
    EXPECT_TRUE(backend().sound().plays[0].origin == shieldSound &&
                backend().sound().plays[0].copy);
}

TEST_F(ThreatTest, APressOfSActsOnceHoweverLongItIsHeldAndALostReadingIsNoNewPress) {
    enemy->visible = false;
    UseKeyScript("1-10 S\n12-13 S\n15-20 S\n16 UNACQUIRE\n");
    std::vector<std::tuple<int, int>> after;
    for (int frames : {10, 3, 7}) {
        RunFrames(frames);
        after.emplace_back(shieldOn, Settings::shieldCount);
    }
    // Up with one shield used; down (none given back); up again with another.
    EXPECT_EQ(after, (std::vector<std::tuple<int, int>>{{1, 2}, {0, 2}, {1, 1}}));
    EXPECT_EQ(
        std::tuple(CountLines(Log(), "shield activated"), CountLines(Log(), "Reaquiring device")),
        std::tuple(2, 1));
}

}  // namespace
