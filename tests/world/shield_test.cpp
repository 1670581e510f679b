// The shield: raising and lowering it, how many are left, and its timed end.
#include "world/shield.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "platform/api/input.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/actors.h"
#include "world/world_state.h"

namespace {

class ShieldTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        enemy->visible = false;  // nothing random to interfere
    }
};

TEST_F(ShieldTest, RaisingUsesAShieldAndStartsItsClockLoweringGivesNoneBack) {
    backend().clock().Set(5000);
    std::size_t mark = Mark();
    ToggleShield();
    EXPECT_EQ(shieldOn, 1);
    EXPECT_EQ(shieldStartMs, 5000u);
    EXPECT_EQ(Settings::shieldCount, 2);
    EXPECT_EQ(LogSince(mark), "shield activated\n");
    ASSERT_EQ(backend().sound().plays.size(), 1u);
    EXPECT_EQ(backend().sound().plays[0].origin, shieldSound);
    EXPECT_TRUE(backend().sound().plays[0].copy);
    backend().clock().Set(6000);
    ToggleShield();
    EXPECT_EQ(shieldOn, 0);
    EXPECT_EQ(shieldStartMs, 5000u);
    EXPECT_EQ(Settings::shieldCount, 2);
    EXPECT_EQ(LogSince(mark), "shield activated\n");
    EXPECT_EQ(backend().sound().plays.size(), 1u);
}

TEST_F(ShieldTest, WithNoShieldsLeftTheKeyOnlyLowers) {
    Settings::shieldCount = 0;
    shieldOn = 1;
    std::size_t mark = Mark();
    ToggleShield();
    EXPECT_EQ(shieldOn, 0);
    ToggleShield();
    EXPECT_EQ(shieldOn, 0);
    EXPECT_EQ(Settings::shieldCount, 0);
    EXPECT_EQ(LogSince(mark), "");
    EXPECT_TRUE(backend().sound().plays.empty());
}

TEST_F(ShieldTest, HoldingSAlternatesTheShieldAndUsesOneEverySecondFrame) {
    Hold({platform::scancode::S});
    std::vector<int> up;
    std::vector<std::uint32_t> raisedAt;
    for (int frame = 0; frame < 3; ++frame) {
        std::uint32_t pollTime = backend().clock().Now();
        RunFrames(1);
        up.push_back(shieldOn);
        if (shieldOn == 1) {
            EXPECT_EQ(shieldStartMs, pollTime);
        }
        raisedAt.push_back(shieldStartMs);
    }
    EXPECT_EQ(up, (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(Settings::shieldCount, 1);
    EXPECT_EQ(CountLines(Log(), "shield activated"), 2);
    EXPECT_NE(raisedAt[0], raisedAt[2]);  // the clock restarted
}

TEST_F(ShieldTest, TheLoopLowersTheShieldOnceItsLifeIsOver) {
    Settings::shieldLife = 100;
    UseKeyScript("1 S\n10 CLOSE\n");
    RunLoop();
    EXPECT_EQ(shieldOn, 0);
    EXPECT_EQ(Settings::shieldCount, 2);
    EXPECT_GT(backend().clock().Now() - shieldStartMs, 100u);
}

TEST_F(ShieldTest, TheLoopKeepsTheShieldWhileItLasts) {
    UseKeyScript("1 S\n10 CLOSE\n");  // ten frames are far less than three seconds
    RunLoop();
    EXPECT_EQ(shieldOn, 1);
}

}  // namespace
