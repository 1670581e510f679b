#include "world/roamies.h"

#include <memory>

#include "config/settings.h"
#include "shell/debug_log.h"
#include "shell/game_random.h"
#include "world/actors.h"
#include "world/explosions.h"
#include "world/moving_lists.h"
#include "world/shield.h"
#include "world/world_state.h"

namespace {

// A random value below limit. A screen size of 0 (the control file is never
// checked) would divide by zero: the number is still drawn, so the sequence
// stays the same, and 0 is used.
std::uint16_t RandomBelow(std::int32_t limit) {
    std::int32_t draw = Rand();
    if (limit == 0) return 0;
    return static_cast<std::uint16_t>(draw % limit);
}

bool AbsorbedByShield(Roamie& roamie) {
    PlaceShieldOverPlayer();
    if (!PointInside(roamie, *shieldSprite)) return false;
    DebugLog("collision with shield!");
    player->score += 10;
    roamie.visible = false;
    DebugLog("Adding boom");
    AddBoom(roamie.x, roamie.y);
    return true;
}

// The ship is hit even when it is already dead: a dead ship dies again.
bool StrikesPlayer(Roamie& roamie) {
    if (!PointInside(roamie, *player)) return false;
    roamie.visible = false;
    player->score += 10;
    DebugLog("collision with player");
    player->Hit(&roamie);
    DebugLog("Adding boom");
    AddBoom(roamie.x, roamie.y);
    return true;
}

}  // namespace

void SpawnRoamie() {
    auto roamie = std::make_unique<Roamie>();
    roamie->SetImage(imginvader.get());
    roamie->AddFrame(540, 376, 36, 24);
    roamie->AddFrame(580, 376, 36, 24);
    roamie->SetAnimRange(0, 1);
    roamie->MoveBy(0, RandomBelow(Settings::vres));
    roamie->turnX = RandomBelow(Settings::hres);
    roamie->velX = 4;
    roamie->velY = 0;
    roamie->frameDelay = 1;
    roamie->animate = true;
    roamieList.push_back(std::move(roamie));
}

void UpdateRoamies() {
    CullAndMove(roamieList, [] {});
    for (auto roamie = roamieList.begin(); roamie != roamieList.end();) {
        if (shieldOn == 1) {
            // While the shield is up nothing reaches the ship.
            roamie = AbsorbedByShield(**roamie) ? roamieList.erase(roamie) : std::next(roamie);
        } else if (StrikesPlayer(**roamie)) {
            roamie = roamieList.erase(roamie);
            if (player->GetHealth() == 0) HeroDeathSequence();
        } else {
            ++roamie;
        }
    }
}
