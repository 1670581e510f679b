// Explosions: how one is made, how the renderer plays and drops it, and the
// bursts of the two death sequences.
#include "world/explosions.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/actors.h"
#include "world/render_frame.h"
#include "world/world_state.h"

namespace {

namespace tc = test_colors;

class ExplosionTest : public WorldTest {
protected:
    void SetUp() override { Build(); }

    std::vector<std::pair<int, int>> BoomPlaces() {
        std::vector<std::pair<int, int>> places;
        for (const auto& boom : boomList) places.emplace_back(boom->x, boom->y);
        return places;
    }
};

TEST_F(ExplosionTest, AnExplosionIsAFourFrameSpriteThatPlaysOnceWhereItIsPut) {
    std::size_t mark = Mark();
    AddBoom(300, 200);
    ASSERT_EQ(boomList.size(), 1u);
    const Sprite& boom = *boomList.front();
    EXPECT_EQ(boom.x, 300);
    EXPECT_EQ(boom.y, 200);
    EXPECT_EQ(boom.width, 34);
    EXPECT_EQ(boom.height, 34);
    EXPECT_EQ(boom.frames.size(), 4u);
    EXPECT_EQ(boom.firstFrame, 0);
    EXPECT_EQ(boom.lastFrame, 3);
    EXPECT_EQ(boom.stopFrame, 3);
    EXPECT_EQ(boom.frameDelay, 1);
    EXPECT_TRUE(boom.animate);
    EXPECT_EQ(boom.velX, 0);
    EXPECT_EQ(boom.velY, 0);
    EXPECT_EQ(LogSince(mark), "boom added\n");
    // Its sound is a fresh copy of the hit sound.
    ASSERT_EQ(backend().sound().plays.size(), 1u);
    EXPECT_EQ(backend().sound().plays[0].origin, cannonSound);
    EXPECT_TRUE(backend().sound().plays[0].copy);
}

TEST_F(ExplosionTest, WithoutASoundDeviceExplosionsAreSilentButShown) {
    theSoundManager->device.reset();
    cannonSound = nullptr;
    AddBoom(300, 200);
    EXPECT_EQ(boomList.size(), 1u);
    EXPECT_TRUE(backend().sound().plays.empty());
}

TEST_F(ExplosionTest, AtASteadyFrameRateEachFrameIsShownOnceAndTheLastRenderDropsIt) {
    player->y = 300;  // out of the way of the heads-up line and the explosion
    AddBoom(400, 200);
    std::vector<std::uint16_t> shown;
    std::vector<std::size_t> listed;
    for (int frame = 0; frame < 5; ++frame) {
        RenderFrame();
        shown.push_back(ScreenPixel(417, 217));
        listed.push_back(boomList.size());
    }
    EXPECT_EQ(shown, (std::vector<std::uint16_t>{tc::kBoom[0], tc::kBoom[1], tc::kBoom[2],
                                                 tc::kBoom[3], tc::kBackground}));
    EXPECT_EQ(listed, (std::vector<std::size_t>{1, 1, 1, 0, 0}));
}

TEST_F(ExplosionTest, TwoExplosionsAtOnePlaceAreBothKeptAndPlayed) {
    AddBoom(400, 200);
    AddBoom(400, 200);
    EXPECT_EQ(backend().sound().plays.size(), 2u);  // sounding together
    RenderFrame();
    EXPECT_EQ(boomList.size(), 2u);
    for (int frame = 0; frame < 3; ++frame) RenderFrame();
    EXPECT_TRUE(boomList.empty());
}

TEST_F(ExplosionTest, AnExplosionOffTheScreenIsNotShownButPlaysAndGoesAllTheSame) {
    AddBoom(790, 100);  // its right edge, 824, is past the screen's
    RenderFrame();
    EXPECT_EQ(ScreenPixel(792, 110), tc::kBackground);
    EXPECT_EQ(boomList.size(), 1u);
    for (int frame = 0; frame < 3; ++frame) RenderFrame();
    EXPECT_TRUE(boomList.empty());
}

TEST_F(ExplosionTest, ThePlayersDeathBurstsFourTimesOverTheShipAndHidesIt) {
    player->x = 100;
    player->y = 400;
    std::size_t mark = Mark();
    HeroDeathSequence();
    EXPECT_EQ(BoomPlaces(),
              (std::vector<std::pair<int, int>>{{100, 400}, {104, 404}, {108, 408}, {112, 408}}));
    EXPECT_FALSE(player->visible);
    std::string expected = "rendering hero death sequence\n";
    for (int i = 0; i < 4; ++i) expected += "Adding boom\nboom added\n";
    EXPECT_EQ(LogSince(mark), expected);
}

TEST_F(ExplosionTest, TheEnemysDeathBurstsFourTimesAndScoresAHundred) {
    enemy->x = 200;
    player->score = 15;
    std::size_t mark = Mark();
    EnemyDeathSequence();
    EXPECT_EQ(player->score, 115);
    EXPECT_EQ(BoomPlaces(),
              (std::vector<std::pair<int, int>>{{200, 1}, {210, 11}, {220, 21}, {230, 11}}));
    std::string expected = "rendering enemy death sequence\n";
    for (int i = 0; i < 4; ++i) expected += "Adding boom\nboom added\n";
    EXPECT_EQ(LogSince(mark), expected);
}

}  // namespace
