#include "world/roamies.h"

#include <memory>

#include "common/game_random.h"
#include "config/settings.h"
#include "world/actors.h"
#include "world/moving_lists.h"
#include "world/threats.h"
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
    // A roamie scores 10 however it ends against the ship.
    ResolveThreats(roamieList, 10);
}
