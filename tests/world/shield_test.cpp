// The shield: raising and lowering it, how many are left, and its timed end.
#include "world/shield.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "platform/api/input.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/world_state.h"

namespace {

class ShieldTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        enemy->visible = false;
    }
};

TEST_F(ShieldTest, RaisingUsesAShieldWithItsSoundLoweringGivesNoneBackAndNoneLeftOnlyLowers) {
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
    EXPECT_EQ(backend().sound().plays[0].origin, shieldSound);
    EXPECT_TRUE(backend().sound().plays[0].copy);
}

TEST_F(ShieldTest, APressOfSActsOnceHoweverLongItIsHeldAndALostReadingIsNoNewPress) {
    UseKeyScript("1-10 S\n12-13 S\n15-20 S\n16 UNACQUIRE\n");
    std::vector<std::tuple<int, int>> after;
    for (int frames : {10, 3, 7}) {
        RunFrames(frames);
        after.emplace_back(shieldOn, Settings::shieldCount);
    }
    // Up with one shield used; down (none given back); up again with another.
    EXPECT_EQ(after, (std::vector<std::tuple<int, int>>{{1, 2}, {0, 2}, {1, 1}}));
    EXPECT_EQ(CountLines(Log(), "shield activated"), 2);
    EXPECT_EQ(CountLines(Log(), "Reaquiring device"), 1);
}

TEST_F(ShieldTest, TheLoopLowersTheShieldOnceItsLifeIsOver) {
    Settings::shieldLife = 100;
    UseKeyScript("1 S\n10 CLOSE\n");  // ten frames: about 150 ms
    RunLoop();
    EXPECT_EQ(std::tuple(shieldOn, Settings::shieldCount), std::tuple(0, 2));
}

}  // namespace
