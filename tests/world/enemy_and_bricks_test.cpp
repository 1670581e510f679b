// The brick row, the enemy's random wandering and firing, and a brick that
// the ship flies into.
#include "world/enemy_and_bricks.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "shell/game_random.h"
#include "support/world_fixture.h"
#include "world/actors.h"
#include "world/world_state.h"

namespace {

// The game's random sequence followed on the side, to know in advance what
// each of the enemy's draws makes it do.
class SequenceMirror {
public:
    std::int32_t Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<std::int32_t>((state_ >> 16) & 0x7FFF);
    }
    std::uint16_t NextEnemyAction() {
        return enemyActionTable[static_cast<std::size_t>(Next() % 11 + 1)];
    }

private:
    std::uint32_t state_ = 1;
};

constexpr std::uint16_t kMove = 1;
constexpr std::uint16_t kFire = 4;

class EnemyTest : public WorldTest {
protected:
    void SetUp() override { Build(); }
};

TEST_F(EnemyTest, TheRowHoldsTwelveBricksFrom65To769) {
    EXPECT_EQ(brickCount, 12);
    ASSERT_EQ(brickList.size(), 12u);
    int i = 0;
    for (const auto& brick : brickList) {
        EXPECT_EQ(brick->x, 65 + 64 * i);
        EXPECT_EQ(brick->y, 60);
        EXPECT_EQ(brick->width, 64);
        EXPECT_EQ(brick->height, 30);
        EXPECT_EQ(brick->frames.size(), 5u);
        EXPECT_EQ(brick->lastFrame, 4);
        EXPECT_EQ(brick->curFrame, 0);
        EXPECT_FALSE(brick->animate);
        ++i;
    }
}

TEST_F(EnemyTest, ANarrowScreenHasFewOrNoBricks) {
    brickList.clear();
    Settings::hres = 100;
    BuildBricks(imginvader.get());
    EXPECT_EQ(brickCount, 0);
    EXPECT_TRUE(brickList.empty());
    Settings::hres = 120;
    BuildBricks(imginvader.get());
    EXPECT_EQ(brickCount, 1);
    EXPECT_EQ(brickList.size(), 1u);
}

TEST_F(EnemyTest, TheEnemyWandersBetween57And681) {
    int rightmost = 0;
    int leftmostAfterTurning = 1000;
    int turns = 0;
    std::int32_t direction = enemyMovingRight;
    for (int call = 0; call < 5000; ++call) {
        UpdateEnemy(enemy.get());
        enemyShotList.clear();  // keep it firing
        if (enemyMovingRight != direction) ++turns;
        direction = enemyMovingRight;
        rightmost = std::max<int>(rightmost, enemy->x);
        if (turns > 0) leftmostAfterTurning = std::min<int>(leftmostAfterTurning, enemy->x);
        EXPECT_EQ(enemy->y, 1);
    }
    EXPECT_GE(turns, 4);
    EXPECT_EQ(rightmost, 681);
    EXPECT_EQ(leftmostAfterTurning, 57);
}

TEST_F(EnemyTest, AtTheEndOfItsRunAMoveOnlyTurnsTheEnemyRound) {
    enemy->x = 673;
    SequenceMirror mirror;
    std::vector<int> afterMoves;
    std::vector<std::int32_t> directions;
    while (afterMoves.size() < 3) {
        std::uint16_t action = mirror.NextEnemyAction();
        UpdateEnemy(enemy.get());
        if (action == kMove) {
            afterMoves.push_back(enemy->x);
            directions.push_back(enemyMovingRight);
        }
    }
    EXPECT_EQ(afterMoves, (std::vector<int>{681, 681, 673}));
    EXPECT_EQ(directions, (std::vector<std::int32_t>{1, 0, 0}));
}

TEST_F(EnemyTest, AFireActionDropsAShotFromTheEnemysCornerUpToTheLimit) {
    enemy->x = 201;
    SequenceMirror mirror;
    while (mirror.NextEnemyAction() != kFire) UpdateEnemy(enemy.get());
    std::size_t mark = Mark();
    UpdateEnemy(enemy.get());
    EXPECT_EQ(LogSince(mark), "Sprite fire ..\n");
    ASSERT_EQ(enemyShotList.size(), 1u);
    const Sprite& shot = *enemyShotList.front();
    EXPECT_EQ(shot.x, enemy->x);
    EXPECT_EQ(shot.y, 1);
    EXPECT_EQ(shot.velY, 6);
    EXPECT_EQ(shot.lastFrame, 1);

    // With three listed, visible or not, a fire action does nothing at all.
    AddEnemyShotAt(10, 10).visible = false;
    AddEnemyShotAt(10, 10);
    while (mirror.NextEnemyAction() != kFire) UpdateEnemy(enemy.get());
    mark = Mark();
    UpdateEnemy(enemy.get());
    EXPECT_EQ(LogSince(mark), "");
    EXPECT_EQ(enemyShotList.size(), 3u);
}

TEST_F(EnemyTest, ADeadEnemyDrawsNoRandomNumber) {
    enemy->visible = false;
    int x = enemy->x;
    for (int call = 0; call < 5; ++call) UpdateEnemy(enemy.get());
    EXPECT_EQ(enemy->x, x);
    EXPECT_EQ(Rand(), 41);  // the sequence has not moved
    enemy->visible = true;
    UpdateEnemy(enemy.get());
    EXPECT_EQ(Rand(), 6334);  // one draw for the enemy, one here
}

TEST_F(EnemyTest, ADeadEnemyShiftsTheFramesDraws) {
    enemy->visible = false;
    RunFrames(1);  // only the roamie chance draws
    EXPECT_EQ(Rand(), 18467);
    enemy->visible = true;
    RunFrames(1);  // the enemy and the roamie chance
    EXPECT_EQ(Rand(), 19169);
}

TEST_F(EnemyTest, ABrickInTheShipHurtsItTwiceAFrameAndBreaksAfterFiveContacts) {
    enemy->visible = false;  // nothing else to hurt the ship
    player->x = 20;
    player->y = 50;  // the first brick's corner (65, 60) is inside the ship
    Sprite* firstBrick = brickList.front().get();
    RunFrames(1);
    EXPECT_EQ(player->GetHealth(), 80);
    EXPECT_EQ(firstBrick->curFrame, 2);
    ASSERT_EQ(boomList.size(), 2u);
    for (const auto& boom : boomList) {
        EXPECT_EQ(boom->x, 65);
        EXPECT_EQ(boom->y, 60);
    }
    RunFrames(2);
    EXPECT_EQ(player->GetHealth(), 50);  // five contacts, the fifth broke it
    EXPECT_EQ(brickList.size(), 11u);
    EXPECT_NE(brickList.front().get(), firstBrick);
    EXPECT_EQ(CountLines(Log(), "Player hit!  Health = 50"), 1);
    EXPECT_EQ(player->score, 0);  // contacts score nothing
}

}  // namespace
