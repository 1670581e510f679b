// Explosions: one recipe for a bang with its sound, and the bursts that
// mark the death of the player and of the enemy.
#pragma once

#include <cstdint>

// Starts a copy of the hit sound and adds a four-frame explosion with its
// top-left corner at (x, y) to the back of boomList.
void AddBoom(std::uint16_t x, std::uint16_t y);
void HeroDeathSequence();
// Also the 100 points for the kill.
void EnemyDeathSequence();
