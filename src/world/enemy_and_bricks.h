// The enemy ship that wanders along the top and drops shots, the row of
// bricks under it, and the damage of a brick the ship flies into.
#pragma once

#include <cstdint>

class Enemy;
class Sprite;
struct ImageBuffer;

// Builds the row: HRES / 60 - 1 bricks, from x 65 at y 60, 64 pixels apart.
void BuildBricks(const ImageBuffer* image);
// One random action of a living enemy: a step, a shot, or nothing.
void UpdateEnemy(Enemy* ship);
// Bricks whose corner is inside the ship hurt it and take a hit themselves.
void CheckContacts();

// A brick shows its damage by its frame; the fifth hit destroys it. Steps
// the frame and says whether the brick is destroyed.
bool TakeBrickHit(Sprite& brick);
