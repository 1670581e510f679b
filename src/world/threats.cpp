#include "world/threats.h"

#include "common/debug_log.h"
#include "world/shield.h"

bool AbsorbedByShield(Sprite& threat, std::uint16_t points) {
    PlaceShieldOverPlayer();
    if (!PointInside(threat, *shieldSprite)) return false;
    DebugLog("collision with shield!");
    player->score += points;
    threat.visible = false;
    DebugLog("Adding boom");
    AddBoom(threat.x, threat.y);
    return true;
}

bool StrikesPlayer(Sprite& threat, std::uint16_t points) {
    if (!PointInside(threat, *player)) return false;
    threat.visible = false;
    player->score += points;
    DebugLog("collision with player");
    player->Hit(&threat);
    DebugLog("Adding boom");
    AddBoom(threat.x, threat.y);
    return true;
}
