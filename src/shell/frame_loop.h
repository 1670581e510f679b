// The loop that alternates between the window's messages and the game, and
// the frame it runs.
#pragma once

#include <cstdint>

extern std::uint32_t lastFrameEndMs;

// Runs until the quit message or deactivation; returns the wParam of the
// last message taken from the queue. Tests may run another frame routine.
void RunFrame();
std::uintptr_t RunFrameLoop(void (*frame)() = RunFrame);

// The roamie chance of a frame: one draw in a hundred, those ending in 99.
constexpr bool RoamieChance(std::int32_t draw) {
    return draw % 100 > 98;
}
