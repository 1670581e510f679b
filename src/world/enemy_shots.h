// The enemy's falling shots after they are fired: culling, falling, and
// meeting the shield or the ship.
#pragma once

void UpdateEnemyShots();
