// The paused game: the world stands still, the game's clock stops, the
// sounds that were playing are held, and "PAUSED" stands in the middle of
// the picture as it was when the game stopped.
#pragma once

extern bool gamePaused;

// Each logs itself ("paused", "resumed"); a second call does nothing.
void PauseGame();
void ResumeGame();
// A paused frame: the picture kept at the pause, "PAUSED" over it, flipped.
void ShowPausedFrame();

// Not paused, and no picture kept (shutdown and tests).
void ResetPause();
