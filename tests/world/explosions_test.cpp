// Explosions: made with their sound, played frame by frame by the renderer
// and dropped in the frame that shows the last one; the player's death burst.
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
    std::size_t mark = Mark();
    AddBoom(400, 200);
    AddBoom(400, 200);
    EXPECT_EQ(LogSince(mark), "boom added\nboom added\n");
    ASSERT_EQ(backend().sound().plays.size(), 2u);
    for (const auto& play : backend().sound().plays) {
        EXPECT_EQ(play.origin, cannonSound);
        EXPECT_TRUE(play.copy);
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

TEST_F(ExplosionTest, ThePlayersDeathBurstsFourTimesOverTheShipAndHidesIt) {
    player->x = 100;
    std::size_t mark = Mark();
    HeroDeathSequence();
    std::vector<std::pair<int, int>> places;
    for (const auto& boom : boomList) places.emplace_back(boom->x, boom->y);
    EXPECT_EQ(places,
              (std::vector<std::pair<int, int>>{{100, 300}, {104, 304}, {108, 308}, {112, 308}}));
    EXPECT_FALSE(player->visible);
    std::string expected = "rendering hero death sequence\n";
    for (int i = 0; i < 4; ++i) expected += "Adding boom\nboom added\n";
    EXPECT_EQ(LogSince(mark), expected);
}

}  // namespace
