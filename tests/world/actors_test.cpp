// Health, death and revival of the actors, and the world's one collision test.
#include "world/actors.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "support/world_fixture.h"

namespace {

using ActorTest = WorldTest;

std::vector<std::string> HitLines(const std::string& log) {
    std::vector<std::string> lines;
    for (const std::string& line : Lines(log)) {
        if (line.find("hit!") != std::string::npos || line.find("death") != std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST_F(ActorTest, APlayerHitBelowZeroWrapsAboveAHundredAndDies) {
    Settings::damageEnemy = 30;
    Player ship;
    for (int i = 0; i < 3; ++i) ship.Hit(nullptr);
    EXPECT_EQ(ship.GetHealth(), 10);
    EXPECT_TRUE(ship.visible);
    EXPECT_EQ(ship.state, 0);
    EXPECT_TRUE(ship.Hit(nullptr));
    EXPECT_EQ(ship.GetHealth(), 0);
    EXPECT_FALSE(ship.visible);
    EXPECT_EQ(ship.state, -1);
    EXPECT_EQ(HitLines(Log()),
              (std::vector<std::string>{"Player hit!  Health = 70", "Player hit!  Health = 40",
                                        "Player hit!  Health = 10", "Player hit!  Health = 65516",
                                        "Rendering death sequence!"}));
}

TEST_F(ActorTest, WithTheDefaultDamageThePlayerDiesOnTheTenthHit) {
    Player ship;
    for (int i = 0; i < 9; ++i) ship.Hit(nullptr);
    EXPECT_EQ(ship.GetHealth(), 10);
    EXPECT_TRUE(ship.visible);
    ship.Hit(nullptr);
    EXPECT_EQ(ship.GetHealth(), 0);
    EXPECT_FALSE(ship.visible);
    EXPECT_EQ(CountLines(Log(), "Player hit!  Health = 0"), 1);
}

TEST_F(ActorTest, TheEnemyAndRoamiesTakeThePlayersDamageWithTheirOwnLines) {
    Settings::damagePlayer = 30;
    Settings::damageEnemy = 1;
    Enemy ship;
    Roamie roamie;
    EXPECT_EQ(roamie.GetHealth(), 10);
    ship.Hit(nullptr);
    roamie.Hit(nullptr);
    EXPECT_EQ(ship.GetHealth(), 70);
    EXPECT_EQ(roamie.GetHealth(), 0);
    EXPECT_FALSE(roamie.visible);
    EXPECT_EQ(HitLines(Log()),
              (std::vector<std::string>{"Enemy hit!  Health = 70", "roamie hit!  Health = 65516",
                                        "Rendering death sequence!"}));
}

TEST_F(ActorTest, ADeadActorHitAgainDiesAgain) {
    Player ship;
    Settings::damageEnemy = 100;
    ship.Hit(nullptr);
    Settings::damageEnemy = 10;
    ship.Hit(nullptr);
    EXPECT_EQ(ship.GetHealth(), 0);
    EXPECT_EQ(CountLines(Log(), "Player hit!  Health = 65526"), 1);
    EXPECT_EQ(CountLines(Log(), "Rendering death sequence!"), 2);
}

TEST_F(ActorTest, ReviveRestoresHealthAndStateDeadOrAlive) {
    Player ship;
    ship.MoveBy(40, 50);
    Settings::damageEnemy = 200;
    ship.Hit(nullptr);
    EXPECT_EQ(ship.Revive(100), 100);
    EXPECT_TRUE(ship.visible);
    EXPECT_EQ(ship.GetHealth(), 100);
    EXPECT_EQ(ship.state, 0);
    EXPECT_EQ(ship.x, 40);  // back where it died
    Settings::damageEnemy = 10;
    ship.Hit(nullptr);
    ship.Revive(100);
    EXPECT_EQ(ship.GetHealth(), 100);
    EXPECT_TRUE(ship.visible);
}

// A bare rectangle: collisions read nothing else of a sprite.
std::unique_ptr<Sprite> Box(std::uint16_t x, std::uint16_t y, std::uint16_t width = 0,
                            std::uint16_t height = 0) {
    auto sprite = std::make_unique<Sprite>(nullptr);
    sprite->x = x;
    sprite->y = y;
    sprite->width = width;
    sprite->height = height;
    return sprite;
}

TEST_F(ActorTest, PointInsideCountsOnlyTheCornerStrictlyInside) {
    auto target = Box(10, 20, 30, 40);  // x 10..40, y 20..60
    EXPECT_TRUE(PointInside(*Box(11, 21), *target));
    EXPECT_TRUE(PointInside(*Box(39, 59), *target));
    EXPECT_FALSE(PointInside(*Box(10, 30), *target));  // on the left edge
    EXPECT_FALSE(PointInside(*Box(20, 20), *target));  // on the top edge
    EXPECT_FALSE(PointInside(*Box(40, 30), *target));  // on the right edge
    EXPECT_FALSE(PointInside(*Box(20, 60), *target));  // on the bottom edge
    // Only the corner counts: a big sprite overlapping from the left is not inside.
    EXPECT_FALSE(PointInside(*Box(0, 30, 100, 100), *target));
}

TEST_F(ActorTest, PointInsideSumsWithoutSixteenBitWrap) {
    auto nearTheEnd = Box(65530, 65500, 26, 60);  // reaches past 65535
    EXPECT_TRUE(PointInside(*Box(65535, 65535), *nearTheEnd));
    EXPECT_FALSE(PointInside(*Box(3, 3), *nearTheEnd));
}

}  // namespace
