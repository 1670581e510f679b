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
    EXPECT_EQ(ship.GetHealth(), 0);
    EXPECT_FALSE(ship.visible);
    EXPECT_EQ(ship.state, -1);
    EXPECT_EQ(ship.Revive(100), 100);
    EXPECT_TRUE(ship.visible);
    EXPECT_EQ(ship.state, 0);
    EXPECT_EQ(ship.x, 40);  // back where it died
}

TEST_F(ActorTest, PointInsideTakesOnlyTheCornerStrictlyInsideWithoutWrap) {
    auto box = [](std::uint16_t x, std::uint16_t y, std::uint16_t w = 0, std::uint16_t h = 0) {
        auto sprite = std::make_unique<Sprite>(nullptr);
        sprite->x = x;
        sprite->y = y;
        sprite->width = w;
        sprite->height = h;
        return sprite;
    };
    auto target = box(10, 20, 30, 40);  // x 10..40, y 20..60
    EXPECT_TRUE(PointInside(*box(11, 21), *target));
    EXPECT_TRUE(PointInside(*box(39, 59), *target));
    for (auto [x, y] : {std::pair{10, 30}, {20, 20}, {40, 30}, {20, 60}}) {
        EXPECT_FALSE(PointInside(*box(x, y), *target)) << "an edge: " << x << "," << y;
    }
    EXPECT_FALSE(PointInside(*box(0, 30, 100, 100), *target));  // its size plays no part
    EXPECT_TRUE(PointInside(*box(65535, 65535), *box(65530, 65500, 26, 60)));
}

}  // namespace
