// The game's rules and each frame's picture, on a world
// built as start-up builds it from small images made in memory. What the
// golden game pins down whole (the enemy's wandering and firing, scores,
// brick contacts, the shot limit, health wrapping into death and the revival)
// is left to it; these are the rules it does not show, or shows too faintly
// to tell which broke.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "common/game_random.h"
#include "common/window_metrics.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/enemy_and_bricks.h"
#include "world/enemy_shots.h"
#include "world/explosions.h"
#include "world/player_shots.h"
#include "world/render_frame.h"
#include "world/roamies.h"
#include "world/shield.h"
#include "world/world_state.h"

namespace {

// The player's side of the world: the collision test, the shots and what
// their hits score, and the explosions they make.

namespace tc = test_colors;

class ScoringTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        player->y = 300;
    }
};

TEST_F(ScoringTest, AShotTakesEveryRoamieItIsInAndOneShotCanHitARoamieABrickAndTheEnemy) {
    AddRoamieAt(100, 100);
    AddRoamieAt(110, 105);
    AddRoamieAt(115, 90);                      // its left edge: missed
    Sprite& shot = AddPlayerShotAt(115, 120);  // (115, 110) after its move
    UpdatePlayerShots();
    EXPECT_EQ(std::tuple(player->score, roamieList.size(), shot.visible, boomList.size()),
              std::tuple(40, 1u, false, 2u));
    EXPECT_EQ(CountLines(Log(), "bullet hit roamie"), 2);
    roamieList.clear();
    AddRoamieAt(60, 55);
    AddPlayerShotAt(70, 80);  // (70, 70): in all three
    UpdatePlayerShots();
    EXPECT_EQ(std::tuple(player->score, roamieList.size(), brickList.front()->curFrame,
                         enemy->GetHealth()),
              std::tuple(40 + 20 + 5 + 10, 0u, 1, 90));
}

TEST_F(ScoringTest, ABrickShowsFourHitsAndBreaksOnTheFifthEvenPastTheEdge) {
    std::vector<int> scores;
    for (int hit = 1; hit <= 5; ++hit) {
        playerShotList.clear();
        AddPlayerShotAt(70, 95);  // (70, 85): in the first brick
        UpdatePlayerShots();
        scores.push_back(player->score);
        RenderFrame();
        if (hit < 5) {
            EXPECT_EQ(ScreenPixel(120, 87), tc::kBrick[hit]);
        }
    }
    EXPECT_EQ(scores, (std::vector<int>{5, 10, 15, 20, 45}));
    EXPECT_EQ(std::tuple(brickList.size(), brickList.front()->x), std::tuple(11u, 129));
    EXPECT_EQ(CountLines(Log(), "Collision with brick 0"), 5);
    // The last brick reaches past the screen's edge: not shown, but hit.
    EXPECT_EQ(ScreenPixel(780, 75), tc::kBackground);
    AddPlayerShotAt(780, 85);
    UpdatePlayerShots();
    EXPECT_EQ(brickList.back()->curFrame, 1);
}

TEST_F(ScoringTest, ExplosionsSoundAsCopiesAndShowTheirFourFramesOnce) {
    AddBoom(400, 200);
    AddBoom(400, 200);
    AddBoom(790, 100);  // not wholly on the screen: never shown, played all the same
    EXPECT_EQ(Log(), "boom added\nboom added\nboom added\n");
    EXPECT_EQ(backend().sound().plays.size(), 3u);
    for (const auto& play : backend().sound().plays) {
        EXPECT_TRUE(play.origin == cannonSound && play.copy);
    }
    std::vector<int> shown;  // the colour at one explosion, and how many are left
    for (int frame = 0; frame < 5; ++frame) {
        RenderFrame();
        EXPECT_EQ(ScreenPixel(792, 110), tc::kBackground);
        shown.insert(shown.end(), {ScreenPixel(417, 217), static_cast<int>(boomList.size())});
    }
    EXPECT_EQ(shown, (std::vector<int>{tc::kBoom[0], 3, tc::kBoom[1], 3, tc::kBoom[2], 3,
                                       tc::kBoom[3], 0, tc::kBackground, 0}));
}

// The enemy's side of the world: its wandering and firing, the bricks, what
// reaches the ship (shots, roamies, bricks) and the shield against them.

class ThreatTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        std::tie(player->x, player->y) = Place(300, 400);  // the shield: (278..405, 378..504)
        ResetRand();
    }
    std::string Update() {
        std::size_t mark = Mark();
        UpdateEnemyShots();
        UpdateRoamies();
        return LogSince(mark);
    }
};

TEST_F(ThreatTest, AShotOrARoamieMeetingTheShipHurtsItAndOnlyTheRoamieScores) {
    AddEnemyShotAt(310, 404);  // (310, 410) after its move
    AddRoamieAt(306, 410);
    EXPECT_EQ(Update(),
              "collision with player\nPlayer hit!  Health = 90\nAdding boom\nboom added\n"
              "collision with player\nPlayer hit!  Health = 80\nAdding boom\nboom added\n");
    EXPECT_EQ(std::tuple(player->score, enemyShotList.size(), roamieList.size()),
              std::tuple(10, 0u, 0u));
    EXPECT_EQ(Place(boomList.front()->x, boomList.front()->y), Place(310, 410));
}

TEST_F(ThreatTest, TheRaisedShieldAbsorbsWhatReachesItsRectangleAndTheRoamieStillScores) {
    shieldOn = 1;
    AddEnemyShotAt(310, 404);  // inside the ship, and so inside the shield
    AddEnemyShotAt(285, 384);  // in the shield's margin
    AddEnemyShotAt(270, 384);  // left of the shield: untouched
    AddRoamieAt(306, 410);
    EXPECT_EQ(CountLines(Update(), "collision with shield!"), 3);
    EXPECT_EQ(std::tuple(player->GetHealth(), player->score, enemyShotList.size(),
                         roamieList.size(), shieldSprite->x, shieldSprite->y),
              std::tuple(100, 10, 1u, 0u, 278, 378));
}

TEST_F(ThreatTest, AKillingHitBurstsFourTimesOverTheShipAndHitsOnTheDeadShipDoItAgain) {
    Settings::damageEnemy = 100;
    AddEnemyShotAt(310, 404);
    UpdateEnemyShots();
    enemy->x = 40;
    EnemyDeathSequence();  // the enemy's bursts spread wider
    std::string places;
    for (const auto& boom : boomList)
        places += std::to_string(boom->x) + "," + std::to_string(boom->y) + " ";
    EXPECT_EQ(places, "310,410 300,400 304,404 308,408 312,408 40,1 50,11 60,21 70,11 ");
    EXPECT_FALSE(player->visible);
    Settings::damageEnemy = 10;
    AddRoamieAt(306, 410);
    std::string expected =
        "collision with player\nPlayer hit!  Health = 65526\nRendering death sequence!\n"
        "Adding boom\nboom added\nrendering hero death sequence\n";
    for (int i = 0; i < 4; ++i) expected += "Adding boom\nboom added\n";
    EXPECT_EQ(Update(), expected);
    EXPECT_EQ(player->score, 100 + 10);  // the enemy's death, and the roamie
}

TEST_F(ThreatTest, RaisingTheShieldUsesOneWithItsSoundLoweringGivesNoneBackAndNoneLeftOnlyLowers) {
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
    EXPECT_TRUE(backend().sound().plays[0].origin == shieldSound &&
                backend().sound().plays[0].copy);
}

// One frame on the screen: the heads-up line, the layers, and the moves
// that drawing makes.

class RenderTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        player->y = 300;  // off the heads-up line
    }
    // Whether the heads-up colour shows anywhere in the rectangle.
    bool TextIn(int left, int top, int right, int bottom) {
        auto color = static_cast<std::uint16_t>(PackColor(192, 255, 192));
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (ScreenPixel(x, y) == color) return true;
            }
        }
        return false;
    }
};

// What the heads-up line says is the golden game's, line by line; where it
// says it is not.
TEST_F(RenderTest, TheHeadsUpLineShowsHealthShieldsAndScoreInTheirPlaces) {
    RenderFrame();
    // Row 600 / 12 - 2 = 48, at y 576: health from x 1, the score where
    // start-up centred it, the shields 12 characters before the right edge.
    ASSERT_EQ(scoreTextX, 344);
    const std::tuple<int, int, bool> spans[] = {
        {1, 97, true}, {99, 342, false}, {344, 456, true}, {458, 702, false}, {704, 792, true}};
    for (auto [left, right, inked] : spans) {
        EXPECT_EQ(TextIn(left, 576, right, 592), inked) << left << ".." << right;
    }
    EXPECT_FALSE(TextIn(0, 560, 800, 576));
}

// The ship starts, and spends most of the game, on the bottom row over the
// start of the heads-up line: the health text reads over it and over the
// raised shield's ring, each glyph edged in black, the ship around them.
TEST_F(RenderTest, TheHeadsUpLineReadsOverTheShipAndItsShieldAndTheRingIsCutAtTheEdges) {
    std::tie(player->x, player->y) = Place(1, 530);
    shieldOn = 1;
    RenderFrame();
    std::map<std::uint16_t, int> seen;  // in "HEALTH = 100", at x 1 to 97, y 576 to 592
    for (int y = 575; y < 593; ++y) {
        for (int x = 0; x < 98; ++x) ++seen[ScreenPixel(x, y)];
    }
    EXPECT_GT(seen[static_cast<std::uint16_t>(PackColor(192, 255, 192))], 100) << "the text";
    EXPECT_GT(seen[0], 200) << "its outline";
    EXPECT_GT(seen[tc::kShip[0]] + seen[tc::kShield[0]], 500) << "the ship and the ring around it";
    // Elsewhere the ring, 22 pixels up and left of the ship, shows just the
    // part of it on the screen, however far it reaches past the edges: at
    // the ship's home and in the opposite corner.
    const int band = tc::kShieldBand, width = shieldSprite->width, height = shieldSprite->height;
    for (auto [shipX, shipY] : {std::pair{1, 530}, {710, 10}}) {
        std::tie(player->x, player->y) = Place(shipX, shipY);
        RenderFrame();
        const std::vector<std::uint16_t> screen = PixelsOf(*theDrawManager.primary);
        int wrong = 0;
        for (int y = 0; y < 600; ++y) {
            if (y >= 575 && y < 593) continue;  // the heads-up line
            for (int x = 0; x < 800; ++x) {
                const int across = x - shipX + 22, down = y - shipY + 22;
                const bool inside = across >= 0 && across < width && down >= 0 && down < height;
                const bool middle =
                    across >= band && across < width - band && down >= band && down < height - band;
                wrong += (screen[y * 800 + x] == tc::kShield[0]) != (inside && !middle);
            }
        }
        EXPECT_EQ(wrong, 0) << shipX << "," << shipY
                            << ": pixels where the ring should be and is not, or the other way";
    }
}

TEST_F(RenderTest, ADeadShipIsNotDrawnButARaisedShieldStillIs) {
    player->x = 300;
    player->visible = false;
    shieldOn = 1;
    RenderFrame();
    EXPECT_EQ(ScreenPixel(340, 335), tc::kBackground);  // where the ship was
    EXPECT_EQ(ScreenPixel(288, 300), tc::kShield[0]);   // the ring, 22 pixels out
}

TEST_F(RenderTest, LaterLayersCoverEarlierOnes) {
    // Each layer covers (300, 300) once the render has made its move.
    const std::vector<std::pair<std::uint16_t, std::function<void()>>> layers = {
        {tc::kBrick[0],
         [] { std::tie(brickList.front()->x, brickList.front()->y) = Place(280, 290); }},
        {tc::kEnemy[0],
         [] { std::tie(enemy->x, enemy->y, enemy->visible) = std::tuple(250, 250, true); }},
        {tc::kRoamie[0], [this] { AddRoamieAt(286, 290); }},
        {tc::kShip[0],
         [] { std::tie(player->x, player->y, player->visible) = std::tuple(260, 260, true); }},
        {tc::kPlayerShot[0], [this] { AddPlayerShotAt(290, 300); }},
        {tc::kEnemyShot[0], [this] { AddEnemyShotAt(290, 284); }},
        {tc::kBoom[0], [] { AddBoom(290, 290); }},
    };
    for (std::size_t top = 0; top < layers.size(); ++top) {
        brickList.clear();
        BuildBricks(imginvader.get());
        enemy->visible = player->visible = false;
        roamieList.clear();
        playerShotList.clear();
        enemyShotList.clear();
        boomList.clear();
        for (std::size_t i = 0; i <= top; ++i) layers[i].second();
        RenderFrame();
        EXPECT_EQ(ScreenPixel(300, 300), layers[top].first) << "layer " << top;
    }
}

}  // namespace
