// The game's one random sequence: a 32-bit linear congruential generator
// that starts at 1 in every run, so every run draws the same numbers.
#pragma once

#include <cstdint>

// The next number, 0 to 32767.
std::int32_t Rand();
// Back to the start of the sequence (tests).
void ResetRand();
