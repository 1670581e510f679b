// The brick row, the enemy's random wandering and firing, and a brick that
// the ship flies into.
#include "world/enemy_and_bricks.h"

#include <gtest/gtest.h>

#include "common/game_random.h"
#include "config/settings.h"
#include "support/world_fixture.h"
#include "world/world_state.h"

namespace {

// The enemy's next actions, from the game's random sequence followed on the side.
class ActionForecast {
public:
    std::uint16_t Next() {
        state_ = state_ * 214013u + 2531011u;
        return enemyActionTable[((state_ >> 16) & 0x7FFF) % 11 + 1];
    }

private:
    std::uint32_t state_ = 1;  // where the game's sequence starts
};

constexpr std::uint16_t kMove = 1;
constexpr std::uint16_t kFire = 4;

class EnemyTest : public WorldTest {
protected:
    void SetUp() override { Build(); }
};

TEST_F(EnemyTest, TheRowHoldsHresOver60MinusOneBricks) {
    ASSERT_EQ(brickList.size(), 12u);
    int x = 65;
    for (const auto& brick : brickList) {
        EXPECT_EQ(std::tuple(brick->x, brick->y, brick->width, brick->lastFrame),
                  std::tuple(x, 60, 64, 4));
        x += 64;
    }
    for (auto [hres, count] : {std::pair{100, 0}, {120, 1}}) {
        brickList.clear();
        Settings::hres = hres;
        BuildBricks(imginvader.get());
        EXPECT_EQ(brickCount, count);
        EXPECT_EQ(brickList.size(), static_cast<std::size_t>(count));
    }
}

TEST_F(EnemyTest, TheEnemyWandersBetween57And681) {
    int rightmost = 0;
    int leftmostAfterTurning = 1000;
    for (int call = 0; call < 5000; ++call) {
        UpdateEnemy(enemy.get());
        rightmost = std::max<int>(rightmost, enemy->x);
        if (rightmost == 681) leftmostAfterTurning = std::min<int>(leftmostAfterTurning, enemy->x);
    }
    EXPECT_EQ(rightmost, 681);
    EXPECT_EQ(leftmostAfterTurning, 57);
    EXPECT_EQ(enemy->y, 1);
}

TEST_F(EnemyTest, AtTheEndOfItsRunAMoveOnlyTurnsTheEnemyRound) {
    enemy->x = 673;
    ActionForecast forecast;
    std::vector<int> afterMoves;
    while (afterMoves.size() < 3) {
        bool move = forecast.Next() == kMove;
        UpdateEnemy(enemy.get());
        if (move) afterMoves.push_back(enemy->x);
    }
    EXPECT_EQ(afterMoves, (std::vector<int>{681, 681, 673}));
}

TEST_F(EnemyTest, AFireActionDropsAShotFromTheCornerUnlessThreeAreListed) {
    enemy->x = 201;
    ActionForecast forecast;
    while (forecast.Next() != kFire) UpdateEnemy(enemy.get());
    std::size_t mark = Mark();
    UpdateEnemy(enemy.get());
    EXPECT_EQ(LogSince(mark), "Sprite fire ..\n");
    ASSERT_EQ(enemyShotList.size(), 1u);
    EXPECT_EQ(
        std::tuple(enemyShotList.front()->x, enemyShotList.front()->y, enemyShotList.front()->velY),
        std::tuple(enemy->x, 1, 6));
    AddEnemyShotAt(10, 10).visible = false;  // spent shots count too
    AddEnemyShotAt(10, 10);
    while (forecast.Next() != kFire) UpdateEnemy(enemy.get());
    mark = Mark();
    UpdateEnemy(enemy.get());
    EXPECT_EQ(LogSince(mark), "");
    EXPECT_EQ(enemyShotList.size(), 3u);
}

TEST_F(EnemyTest, ADeadEnemyDrawsNoRandomNumberShiftingTheFramesDraws) {
    enemy->visible = false;
    RunFrames(1);  // the roamie chance only
    EXPECT_EQ(Rand(), 18467);
    enemy->visible = true;
    RunFrames(1);  // the enemy, then the roamie chance
    EXPECT_EQ(Rand(), 19169);
}

TEST_F(EnemyTest, ABrickInTheShipHurtsItTwiceAFrameAndBreaksAfterFiveContacts) {
    enemy->visible = false;
    player->x = 20;
    player->y = 50;  // the first brick's corner (65, 60) is inside the ship
    RunFrames(1);
    EXPECT_EQ(player->GetHealth(), 80);
    EXPECT_EQ(brickList.front()->curFrame, 2);
    ASSERT_EQ(boomList.size(), 2u);
    EXPECT_EQ(Place(boomList.back()->x, boomList.back()->y), Place(65, 60));
    RunFrames(2);
    EXPECT_EQ(player->GetHealth(), 50);
    EXPECT_EQ(brickList.size(), 11u);
    EXPECT_EQ(player->score, 0);
}

}  // namespace
