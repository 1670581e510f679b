#include "world/player_shots.h"

#include <memory>

#include "common/debug_log.h"
#include "config/settings.h"
#include "display/sprite.h"
#include "platform/api/system.h"
#include "world/actors.h"
#include "world/enemy_and_bricks.h"
#include "world/explosions.h"
#include "world/moving_lists.h"
#include "world/shots.h"
#include "world/world_state.h"

namespace {

void HitRoamies(Sprite& shot) {
    for (auto roamie = roamieList.begin(); roamie != roamieList.end();) {
        if (!PointInside(shot, **roamie)) {
            ++roamie;
            continue;
        }
        player->score += 10;
        DebugLog("bullet hit roamie");
        shot.visible = false;
        AddBoom(shot.x, shot.y);
        roamie = roamieList.erase(roamie);
        player->score += 10;
    }
}

void HitBricks(Sprite& shot) {
    for (auto brick = brickList.begin(); brick != brickList.end();) {
        if (!PointInside(shot, **brick)) {
            ++brick;
            continue;
        }
        platform::OutputDebugString("Collision with brick 0\n");
        player->score += 5;
        shot.visible = false;
        AddBoom(shot.x, shot.y);
        if (TakeBrickHit(**brick)) {
            brick = brickList.erase(brick);
            player->score += 20;
        } else {
            ++brick;
        }
    }
}

void HitEnemy(Sprite& shot) {
    if (!enemy->visible || !PointInside(shot, *enemy)) return;
    player->score += 10;
    enemy->Hit(&shot);
    shot.visible = false;
    DebugLog("Adding boom");
    AddBoom(shot.x, shot.y);
    if (enemy->GetHealth() == 0) EnemyDeathSequence();
}

}  // namespace

void FirePlayerShot() {
    if (static_cast<std::int64_t>(playerShotList.size()) == Settings::maxBulletsPlayer) return;
    auto shot = MakeShot(Shooter::Player);
    // Centred above the ship, level with its top.
    shot->MoveBy(static_cast<std::uint16_t>(player->x + player->width / 2 - shot->width / 2),
                 player->y);
    playerShotList.push_back(std::move(shot));
}

void UpdatePlayerShots() {
    CullAndMove(playerShotList, [] {});
    // A shot that hits is only hidden here, so it goes on meeting the
    // remaining targets until the next update culls it.
    for (auto& shot : playerShotList) {
        HitRoamies(*shot);
        HitBricks(*shot);
        HitEnemy(*shot);
    }
}
