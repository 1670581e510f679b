// Explosions: made with their sound, played frame by frame by the renderer
// and dropped in the frame that shows the last one; the death bursts.
#include "world/explosions.h"

#include <gtest/gtest.h>

#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/render_frame.h"
#include "world/world_state.h"

namespace {

namespace tc = test_colors;

class ExplosionTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        player->y = 300;
    }
};

TEST_F(ExplosionTest, TwoExplosionsSoundTogetherAndPlayTheirFourFramesOnce) {
    AddBoom(400, 200);
    AddBoom(400, 200);
    EXPECT_EQ(Log(), "boom added\nboom added\n");
    ASSERT_EQ(backend().sound().plays.size(), 2u);
    for (const auto& play : backend().sound().plays) {
        EXPECT_TRUE(play.origin == cannonSound && play.copy);
    }
    AddBoom(790, 100);  // not wholly on the screen: never shown, played all the same
    std::vector<std::uint16_t> shown;
    std::vector<std::size_t> listed;
    for (int frame = 0; frame < 5; ++frame) {
        RenderFrame();
        shown.push_back(ScreenPixel(417, 217));
        EXPECT_EQ(ScreenPixel(792, 110), tc::kBackground);
        listed.push_back(boomList.size());
    }
    EXPECT_EQ(shown, (std::vector<std::uint16_t>{tc::kBoom[0], tc::kBoom[1], tc::kBoom[2],
                                                 tc::kBoom[3], tc::kBackground}));
    EXPECT_EQ(listed, (std::vector<std::size_t>{3, 3, 3, 0, 0}));
}

TEST_F(ExplosionTest, ADeathBurstsFourTimesOverTheShipAndTheHerosHidesIt) {
    using Places = std::vector<Place>;
    auto places = [] {
        Places all;
        for (const auto& boom : boomList) all.emplace_back(boom->x, boom->y);
        boomList.clear();
        return all;
    };
    player->x = 100;
    enemy->x = 200;
    HeroDeathSequence();
    EXPECT_EQ(places(), (Places{{100, 300}, {104, 304}, {108, 308}, {112, 308}}));
    EXPECT_FALSE(player->visible);
    EnemyDeathSequence();
    EXPECT_EQ(places(), (Places{{200, 1}, {210, 11}, {220, 21}, {230, 11}}));
    EXPECT_EQ(player->score, 100);
    std::string burst;
    for (int i = 0; i < 4; ++i) burst += "Adding boom\nboom added\n";
    EXPECT_EQ(Log(), "rendering hero death sequence\n" + burst +
                         "rendering enemy death sequence\n" + burst);
}

}  // namespace
