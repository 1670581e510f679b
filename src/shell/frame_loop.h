// The loop that alternates between the window's messages and the game, and
// the frame it runs.
#pragma once

#include <cstdint>

extern std::uint32_t lastFrameEndMs;

// Runs until the quit message or deactivation; returns the wParam of the
// last message taken from the queue.
std::uintptr_t RunFrameLoop();
void RunFrame();
