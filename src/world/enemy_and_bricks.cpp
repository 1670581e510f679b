#include "world/enemy_and_bricks.h"

#include <memory>

#include "common/debug_log.h"
#include "common/game_random.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/sprite.h"
#include "world/actors.h"
#include "world/explosions.h"
#include "world/shots.h"
#include "world/world_state.h"

namespace {

constexpr std::uint16_t kMove = 1;
constexpr std::uint16_t kFire = 4;
constexpr std::uint16_t kEnemyStep = 8;

std::unique_ptr<Sprite> MakeBrick(const ImageBuffer* image, std::int32_t index) {
    auto brick = std::make_unique<Sprite>(&theDrawManager);
    brick->SetImage(image);
    brick->AddFrame(1, 30, 60, 30);
    brick->AddFrame(67, 30, 62, 30);
    brick->AddFrame(133, 30, 64, 30);
    brick->AddFrame(199, 30, 64, 30);
    brick->AddFrame(264, 30, 64, 30);
    brick->SetAnimRange(0, 4);
    brick->MoveBy(static_cast<std::uint16_t>(1 + 64 * (index + 1)), 60);
    return brick;
}

// At either end of its run the enemy only turns round; it steps away in a
// later move.
void MoveEnemy(Enemy& ship) {
    if (enemyMovingRight == 1) {
        if (ship.x < Settings::hres - ship.width) {
            ship.MoveBy(kEnemyStep, 0);
        } else {
            enemyMovingRight = 0;
        }
    } else {
        if (ship.x > ship.width / 2) {
            ship.MoveBy(static_cast<std::uint16_t>(-kEnemyStep), 0);
        } else {
            enemyMovingRight = 1;
        }
    }
}

// Drops a shot from the enemy's top-left corner, unless the list is full.
void FireEnemyShot(const Enemy& ship) {
    if (static_cast<std::int64_t>(enemyShotList.size()) == Settings::maxBulletsEnemy) return;
    DebugLog("Sprite fire ..");
    auto shot = MakeShot(Shooter::Enemy);
    shot->MoveBy(ship.x, ship.y);
    enemyShotList.push_back(std::move(shot));
}

}  // namespace

void BuildBricks(const ImageBuffer* image) {
    brickCount = Settings::hres / 60 - 1;
    for (std::int32_t i = 0; i < brickCount; ++i) brickList.push_back(MakeBrick(image, i));
}

void UpdateEnemy(Enemy* ship) {
    // A dead enemy draws no random number, which shifts every later draw.
    if (!ship->visible) return;
    std::int32_t draw = Rand() % 11;
    std::uint16_t action = enemyActionTable[static_cast<std::size_t>(draw + 1)];
    if (action == kMove) {
        MoveEnemy(*ship);
    } else if (action == kFire) {
        FireEnemyShot(*ship);
    }
}

bool TakeBrickHit(Sprite& brick) {
    ++brick.curFrame;
    if (brick.curFrame <= brick.lastFrame) return false;
    brick.curFrame = brick.firstFrame;
    return true;
}

void CheckContacts() {
    for (auto brick = brickList.begin(); brick != brickList.end();) {
        if (!PointInside(**brick, *player)) {
            ++brick;
            continue;
        }
        player->Hit(brick->get());
        bool destroyed = TakeBrickHit(**brick);
        AddBoom((*brick)->x, (*brick)->y);
        if (destroyed) {
            brick = brickList.erase(brick);
        } else {
            ++brick;
        }
    }
}
