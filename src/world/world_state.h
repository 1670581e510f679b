// The world's process-wide state.
#pragma once

#include <cstdint>

// The player's shield and the clock reading when it was raised.
extern std::uint8_t shieldOn;
extern std::uint32_t shieldStartMs;
