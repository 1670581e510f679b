// The game's figures. Each function draws one frame into a canvas of
// exactly that frame's size, leaving a black (transparent) margin around
// the figure.
#pragma once

#include "canvas.h"

namespace resgen {

// 80 x 70: a silver and blue light fighter pointing up, engines lit.
void DrawPlayerShip(Canvas& canvas);
// 124 x 82: the mothership facing down; frames 0 and 1 differ in their
// lights and engine flames.
void DrawMothership(Canvas& canvas, int frame);
// 36 x 24: a small saucer whose rim lights turn between frames 0 and 1.
void DrawRoamie(Canvas& canvas, int frame);
// An armoured plate after 0 to 4 hits, drawn for its frame's own width so
// that it looks right once the game stretches it to 64 pixels.
void DrawBrick(Canvas& canvas, int hits);
// 26 x 22: the player's cyan bolt, flying up; two flickering frames.
void DrawPlayerShot(Canvas& canvas, int frame);
// 26 x 22: the enemy's orange fireball, falling; two flickering frames.
void DrawEnemyShot(Canvas& canvas, int frame);
// 127 x 126: an energy bubble around the ship with a clear middle.
void DrawShield(Canvas& canvas);
// 34 x 34: a flash (frame 0) growing into fire (1, 2) and smoke (3).
void DrawExplosion(Canvas& canvas, int frame);
// Deep space: a faint nebula, many dim stars and a few bright ones.
void DrawStarField(Canvas& canvas);

}  // namespace resgen
