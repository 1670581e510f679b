// What the keys do. Each action is one frame's worth: holding a key repeats
// it every frame (but S, which acts once a press: see InputManager).
#pragma once

#include <cstdint>

// Blacks the screen, fades the farewell in and out, and destroys the window;
// a press during the farewell ends it at once.
void QuitGame();
// Brings back whichever of the enemy and the player is dead, at full health.
void ReviveActors();
void MovePlayerUp();
void MovePlayerDown(std::uint16_t limitY);
void MovePlayerRight(std::uint16_t limitX);
void MovePlayerLeft();
// Logs the key and fires a shot if the list has room.
void Fire();
