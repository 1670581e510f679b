// The screen's 16-bit pixels as 32-bit 0xFFRRGGBB, for the window's texture
// and for screenshots. Each channel is widened by repeating its top bits, so
// black stays 0 and full intensity becomes 255.
#pragma once

#include <cstdint>

#include "platform/core/memory_surface.h"

namespace platform {

// Writes every row of the surface to `pixels`, rows `pitch` bytes apart.
void ConvertToArgb(const MemorySurface& surface, std::uint32_t* pixels, std::int32_t pitch);

}  // namespace platform
