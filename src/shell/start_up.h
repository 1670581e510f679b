// The steps of start-up after the window exists, and of shutdown, as
// WinMain runs them in order.
#pragma once

#include "display/text_overlay.h"
#include "platform/api/system.h"

extern platform::TimerCaps timerCaps;

// The finest clock period the system offers, asked for while the game runs.
void BeginTimerPeriod();
void EndTimerPeriod();

// The display, the sound device, the three sounds, and the intro playing.
void StartDevices();
// The heads-up position, then the title and "LOADING STAGE ONE" fading in;
// returns where the second stands.
TextPos ShowTitle();
// The keyboard; throws user_exception when it cannot be set up.
void StartInput();
// The six images, all loaded before any is looked at; throws
// user_exception naming the first that is missing.
void LoadImages();
// The world in its start positions: shield, enemy, player, bricks, background.
void BuildWorld();
// Both title texts fade out.
void HideTitle(const TextPos& loading);
// What every top-level handler does: the desktop back, and the message box.
void ReportError(const char* text);
// Everything start-up made, given up in order.
void ShutDown();
// Every global of the game, in every folder, back to how a fresh process has
// it: for tests, which play many games in one process. The platform must
// still be installed (the display gives itself up through it).
void ResetGame();
