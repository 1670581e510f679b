#include "world/enemy_shots.h"

#include "common/debug_log.h"
#include "world/moving_lists.h"
#include "world/threats.h"
#include "world/world_state.h"

void UpdateEnemyShots() {
    CullAndMove(enemyShotList, [] { DebugLog("removing bullet"); });
    ResolveThreats(enemyShotList, 0);
}
