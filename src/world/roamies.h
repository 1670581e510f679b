// The roamies: small ships that come in at the left edge, fly right, then
// dive at the player.
#pragma once

// A new roamie at the left edge, at a random height and with a random
// turning point.
void SpawnRoamie();
// Culls and moves the roamies, then resolves their meeting the shield or
// the ship.
void UpdateRoamies();
