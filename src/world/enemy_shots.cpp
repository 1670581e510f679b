#include "world/enemy_shots.h"

#include "display/sprite.h"
#include "shell/debug_log.h"
#include "world/actors.h"
#include "world/explosions.h"
#include "world/moving_lists.h"
#include "world/shield.h"
#include "world/world_state.h"

namespace {

bool AbsorbedByShield(Sprite& shot) {
    PlaceShieldOverPlayer();
    if (!PointInside(shot, *shieldSprite)) return false;
    DebugLog("collision with shield!");
    shot.visible = false;
    DebugLog("Adding boom");
    AddBoom(shot.x, shot.y);
    return true;
}

// The ship is hit even when it is already dead: a dead ship dies again.
bool StrikesPlayer(Sprite& shot) {
    if (!PointInside(shot, *player)) return false;
    shot.visible = false;
    DebugLog("collision with player");
    player->Hit(&shot);
    DebugLog("Adding boom");
    AddBoom(shot.x, shot.y);
    return true;
}

}  // namespace

void UpdateEnemyShots() {
    CullAndMove(enemyShotList, [] { DebugLog("removing bullet"); });
    for (auto shot = enemyShotList.begin(); shot != enemyShotList.end();) {
        if (shieldOn == 1) {
            // While the shield is up nothing reaches the ship.
            shot = AbsorbedByShield(**shot) ? enemyShotList.erase(shot) : std::next(shot);
        } else if (StrikesPlayer(**shot)) {
            shot = enemyShotList.erase(shot);
            if (player->GetHealth() == 0) HeroDeathSequence();
        } else {
            ++shot;
        }
    }
}
