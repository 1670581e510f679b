// What reaches the ship from a distance, the enemy's shots and the roamies:
// the raised shield absorbs them, otherwise one that meets the ship hurts it.
#pragma once

#include <cstdint>
#include <iterator>

#include "display/sprite.h"
#include "world/actors.h"
#include "world/explosions.h"
#include "world/world_state.h"

// A threat whose corner is inside the shield is hidden and explodes;
// points are scored for it.
bool AbsorbedByShield(Sprite& threat, std::uint16_t points);
// A threat whose corner is inside the ship is hidden, scores its points,
// hits the ship and explodes. The ship is hit even when it is already dead:
// a dead ship dies again.
bool StrikesPlayer(Sprite& threat, std::uint16_t points);

// Meets every threat of the list with the shield while it is up, else with
// the ship; what they reach leaves the list. A strike that kills the ship
// runs its death sequence.
template <typename List>
void ResolveThreats(List& threats, std::uint16_t points) {
    for (auto threat = threats.begin(); threat != threats.end();) {
        if (shieldOn == 1) {
            // While the shield is up nothing reaches the ship.
            threat = AbsorbedByShield(**threat, points) ? threats.erase(threat) : std::next(threat);
        } else if (StrikesPlayer(**threat, points)) {
            threat = threats.erase(threat);
            if (player->GetHealth() == 0) HeroDeathSequence();
        } else {
            ++threat;
        }
    }
}
