// Health, death and revival of the actors, and the one collision test.
#include "world/actors.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "support/world_fixture.h"

namespace {

using ActorTest = WorldTest;

TEST_F(ActorTest, HealthWrapsBelowZeroIntoDeathAndReviveRestoresIt) {
    Settings::damageEnemy = 30;
    Player ship;
    ship.MoveBy(40, 50);
    for (int hit = 0; hit < 4; ++hit) EXPECT_TRUE(ship.Hit(nullptr));
    EXPECT_EQ(Log(),
              "Player hit!  Health = 70\nPlayer hit!  Health = 40\nPlayer hit!  Health = 10\n"
              "Player hit!  Health = 65516\nRendering death sequence!\n");
    EXPECT_EQ(std::tuple(ship.GetHealth(), ship.visible, ship.state), std::tuple(0, false, -1));
    EXPECT_EQ(ship.Revive(100), 100);
    EXPECT_EQ(std::tuple(ship.visible, ship.state, ship.x), std::tuple(true, 0, 40));
}

TEST_F(ActorTest, PointInsideTakesOnlyTheCornerStrictlyInsideWithoutWrap) {
    auto box = [](std::uint16_t x, std::uint16_t y, std::uint16_t w = 0, std::uint16_t h = 0) {
        auto sprite = std::make_unique<Sprite>(nullptr);
        std::tie(sprite->x, sprite->y, sprite->width, sprite->height) = std::tuple(x, y, w, h);
        return sprite;
    };
    auto target = box(10, 20, 30, 40);  // x 10..40, y 20..60
    const std::tuple<int, int, bool> corners[] = {{11, 21, true},  {39, 59, true},
                                                  {10, 30, false}, {20, 20, false},
                                                  {40, 30, false}, {20, 60, false}};
    for (auto [x, y, inside] : corners) {
        // The corner's own size plays no part.
        EXPECT_EQ(PointInside(*box(x, y, 100, 100), *target), inside) << x << "," << y;
    }
    EXPECT_TRUE(PointInside(*box(65535, 65535), *box(65530, 65500, 26, 60)));
}

}  // namespace
