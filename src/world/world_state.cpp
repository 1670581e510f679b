#include "world/world_state.h"

std::uint8_t shieldOn = 0;
std::uint32_t shieldStartMs = 0;
