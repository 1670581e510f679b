// The game's own clock: the platform's millisecond clock less the time the
// game spent paused. Everything the game times (a shield's life, the
// sprites' animation) reads it, so that a pause takes nothing from them;
// a game never paused reads the platform's clock as it is.
#pragma once

#include <cstdint>

// The game's time now, or at a reading of the platform's clock (unsigned
// 32-bit milliseconds, wrapping as the platform's do).
std::uint32_t GameTime();
std::uint32_t GameTime(std::uint32_t platformNow);

// Stops the game's clock where it is, and starts it again from there.
void StopGameClock();
void StartGameClock();

// A clock that was never stopped (tests).
void ResetGameClock();
