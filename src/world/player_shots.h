// The player's shots: firing, climbing, and what they hit, which is where
// the score is earned.
#pragma once

// Adds a shot above the ship unless the list is full (shots already spent
// but not yet culled count too).
void FirePlayerShot();
// Culls and moves the shots, then resolves their hits on roamies, bricks and
// the enemy.
void UpdatePlayerShots();
