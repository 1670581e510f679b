// The brick row, the enemy's random wandering and firing, and a brick that
// the ship flies into.
#include "world/enemy_and_bricks.h"

#include <gtest/gtest.h>

#include "common/game_random.h"
#include "config/settings.h"
#include "support/world_fixture.h"
#include "world/world_state.h"

namespace {

class EnemyTest : public WorldTest {
protected:
    void SetUp() override { Build(); }

    // The enemy's next n actions, read ahead from the game's own sequence,
    // which then starts again where it stood: the enemy draws one number a move.
    std::vector<std::uint16_t> Forecast(int n) {
        std::vector<std::uint16_t> actions;
        for (int i = 0; i < n; ++i) actions.push_back(enemyActionTable[Rand() % 11 + 1]);
        ResetRand();
        return actions;
    }
    static constexpr std::uint16_t kMove = 1;
    static constexpr std::uint16_t kFire = 4;
};

TEST_F(EnemyTest, TheRowHoldsHresOver60MinusOneBricks64PixelsApart) {
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
        EXPECT_EQ(std::tuple(brickCount, brickList.size()), std::tuple(count, count));
    }
}

TEST_F(EnemyTest, TheEnemyWandersBetween57And681TurningRoundAtEachEnd) {
    int rightmost = 0;
    int leftmostAfterTurning = 1000;
    for (int call = 0; call < 5000; ++call) {
        UpdateEnemy(enemy.get());
        rightmost = std::max<int>(rightmost, enemy->x);
        if (rightmost == 681) leftmostAfterTurning = std::min<int>(leftmostAfterTurning, enemy->x);
    }
    EXPECT_EQ(std::tuple(rightmost, leftmostAfterTurning, enemy->y), std::tuple(681, 57, 1));

    // At the end of its run a move only turns the enemy round.
    ResetRand();
    enemy->x = 673;
    enemyMovingRight = 1;
    std::vector<int> afterMoves;
    for (std::uint16_t action : Forecast(40)) {
        UpdateEnemy(enemy.get());
        if (action == kMove && afterMoves.size() < 3) afterMoves.push_back(enemy->x);
    }
    EXPECT_EQ(afterMoves, (std::vector<int>{681, 681, 673}));
}

TEST_F(EnemyTest, AFireActionDropsAShotFromTheCornerUnlessTheListIsFull) {
    ResetRand();
    enemy->x = 201;
    std::vector<std::uint16_t> actions = Forecast(100);
    std::size_t fire = std::find(actions.begin(), actions.end(), kFire) - actions.begin();
    for (std::size_t i = 0; i < fire; ++i) UpdateEnemy(enemy.get());
    std::size_t mark = Mark();
    enemyShotList.clear();
    UpdateEnemy(enemy.get());
    EXPECT_EQ(LogSince(mark), "Sprite fire ..\n");
    ASSERT_EQ(enemyShotList.size(), 1u);
    const Sprite& shot = *enemyShotList.front();
    EXPECT_EQ(std::tuple(shot.x, shot.y, shot.velY), std::tuple(enemy->x, 1, 6));

    AddEnemyShotAt(10, 10).visible = false;  // spent shots count too
    AddEnemyShotAt(10, 10);
    std::size_t next =
        std::find(actions.begin() + fire + 1, actions.end(), kFire) - actions.begin();
    for (std::size_t i = fire + 1; i < next; ++i) UpdateEnemy(enemy.get());
    mark = Mark();
    UpdateEnemy(enemy.get());
    EXPECT_EQ(LogSince(mark), "");
    EXPECT_EQ(enemyShotList.size(), 3u);
}

TEST_F(EnemyTest, ADeadEnemyDrawsNoRandomNumber) {
    ResetRand();
    Rand();
    std::int32_t second = Rand();
    ResetRand();
    enemy->visible = false;
    RunFrames(1);  // the roamie chance only
    EXPECT_EQ(Rand(), second);
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
    EXPECT_EQ(std::tuple(player->GetHealth(), brickList.size(), player->score),
              std::tuple(50, 11u, 0));
}

}  // namespace
