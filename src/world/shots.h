// The two kinds of shot, the player's climbing bolt and the enemy's falling
// fireball: one recipe for both.
#pragma once

#include <memory>

#include "display/sprite.h"

enum class Shooter { Player, Enemy };

// A new shot of the shooter's kind at (0, 0), animated over its two frames,
// with its speed: 10 pixels up a move for the player's, 6 down for the enemy's.
std::unique_ptr<Sprite> MakeShot(Shooter shooter);
